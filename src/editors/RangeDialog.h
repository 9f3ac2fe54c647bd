#pragma once

#include <QDialog>

class HelpBrowser;
class NumberExitCheck;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

// The "Range" dialog: the description of one parameter above the two ends of its range. OK
// closes with kRangeChanged when either end was edited since the dialog was shown, else with
// the plain Accepted result; the caller reads the ends back from the two fields.
class RangeDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kRangeChanged = -1;

  explicit RangeDialog(HelpBrowser& help, QWidget* parent = nullptr);

  // Fills the description and the two ends for the next showing.
  void Prepare(const QString& description, long double from, long double to);
  // Whether either end's text changed since the dialog was shown.
  bool RangeChanged() const { return rangeChanged_; }

  void onOkClicked();

  // The two ends as typed, for the caller to read back after OK.
  QString FromText() const;
  QString ToText() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* description_ = nullptr;  // the parameter's description
  QLineEdit* fromField_ = nullptr;
  QLineEdit* toField_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  HelpBrowser& help_;
  NumberExitCheck* fromCheck_ = nullptr;
  NumberExitCheck* toCheck_ = nullptr;
  bool rangeChanged_ = false;
};
