#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class DoorDocument;
class HelpBrowser;
class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class TBoard;

// What the environment, trawl and keel position dialogs share: a fixed dialog centred on
// the screen with OK, Cancel and Help, one changed flag set by any change of a watched
// field's text, and OK that stores the fields into the model only when that flag is set.
class ScalarDialog : public QDialog {
  Q_OBJECT

 public:
  // Whether a watched field's text changed since the flag was last cleared.
  bool Changed() const { return FChanged; }

  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* HelpBtn = nullptr;

  // The help topic of all three dialogs.
  static constexpr char kHelpTopic[] = "doors_hydro";

 protected:
  ScalarDialog(DoorDocument& document, HelpBrowser& help, QWidget* parent, const char* name,
               const QString& caption, QSize clientSize);

  // Showing: fill the fields from the model (and clear the flag, in the dialog's order).
  virtual void FormShow() = 0;
  // OK with the flag set: write the fields into the model.
  virtual void StoreFields() = 0;

  void AddButtons(const QRect& ok, const QRect& cancel, const QRect& help);
  // Every text change of `field` sets the changed flag; setting the same text is no change.
  void WatchText(QLineEdit* field);
  void ClearChanged() { FChanged = false; }

  // A plain field whose text is put through CheckNumberText (trimmed) whenever it is left.
  void CheckOnExit(QLineEdit* field, int width, int decimals, long double lower, long double upper,
                   long double fallback);

  // A picture of the given geometry drawn from an SVG resource; empty while the resource
  // is missing.
  static QLabel* AddPicture(QWidget* parent, const char* name, const QString& resource,
                            const QRect& geometry);
  static QLabel* AddLabel(QWidget* parent, const char* name, const QString& text,
                          const QRect& geometry);

  void OKBtnClick();
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  DoorDocument& Document;
  TBoard& Board;  // the document's door
  HelpBrowser& Help;

 private:
  struct ExitCheck {
    QLineEdit* Field;
    int Width;
    int Decimals;
    long double Lower;
    long double Upper;
    long double Fallback;
  };
  void ApplyCheck(const ExitCheck& check);
  // OK reached without leaving the field being typed in (Enter, a shortcut): that field gets
  // the check leaving it would have given, before anything is stored.
  void CheckPendingField();

  std::vector<ExitCheck> FExitChecks;
  bool FChanged = false;
};
