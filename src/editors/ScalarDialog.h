#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <string_view>
#include <vector>

class DoorDocument;
class HelpBrowser;
class QBoxLayout;
class QEvent;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QShowEvent;
struct DoorInputs;

// What the environment, trawl and keel position dialogs share: a dialog of fixed size centred
// on the screen with OK, Cancel and Help, one changed flag set by any change of a watched
// field's text, and OK that changes the door by the fields, as one step of its history named
// after the dialog, only when that flag is set. The fields are a working copy filled from the
// door at every showing. The dialog takes the size its layout asks for, so longer texts make it
// larger.
class ScalarDialog : public QDialog {
  Q_OBJECT

 public:
  // Whether a watched field's text changed since the flag was last cleared.
  bool Changed() const { return changed_; }

  // The help topic of all three dialogs.
  static constexpr char kHelpTopic[] = "doors_hydro";

 protected:
  ScalarDialog(DoorDocument& document, HelpBrowser& help, QWidget* parent, const char* name,
               const QString& caption);

  // Showing: fill the fields from the door (and clear the flag, in the dialog's order).
  virtual void FillFields() = 0;
  // OK with the flag set: the fields' values into the door's inputs.
  virtual void StoreFields(DoorInputs& door) const = 0;

  // OK, Cancel and Help one under the other, or side by side pushed to the right.
  QBoxLayout* ButtonColumn();
  QBoxLayout* ButtonRow();
  // Makes `root` the dialog's layout; the dialog keeps the size the layout asks for.
  void SetFixedLayout(QLayout* root);
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  QPushButton* HelpButton() const { return helpButton_; }

  // Every text change of `field` sets the changed flag; setting the same text is no change.
  void WatchText(QLineEdit* field);
  void ClearChanged() { changed_ = false; }

  // A plain field whose text is put through CheckNumberText (trimmed) whenever it is left,
  // within the limits of the door value `fieldName` (LimitsOfField), which every other way
  // into the door shares.
  void CheckOnExit(QLineEdit* field, int width, int decimals, std::string_view fieldName);

  // A picture of its design size drawn from an SVG resource; empty while the resource is
  // missing.
  static QLabel* AddPicture(QWidget* parent, const char* name, const QString& resource, QSize size);
  static QLabel* AddLabel(QWidget* parent, const char* name, const QString& text);

  void onOkClicked();
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  DoorDocument& document_;
  HelpBrowser& help_;

 private:
  struct ExitCheck {
    QLineEdit* Field;
    int Width;
    int Decimals;
    long double Lower;
    long double Upper;
    long double Fallback;
  };
  void CreateButtons();
  QBoxLayout* ButtonBox(QBoxLayout* box);
  void ApplyCheck(const ExitCheck& check);
  // OK reached without leaving the field being typed in (Enter, a shortcut): that field gets
  // the check leaving it would have given, before anything is stored.
  void CheckPendingField();

  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  std::vector<ExitCheck> exitChecks_;
  bool changed_ = false;
};
