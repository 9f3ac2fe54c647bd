#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// The enter-a-value dialog (form "AskAny"): asks for one real with bounds and a
// default. An entry below the minimum or above the maximum (both ends allowed) is never
// refused: it is replaced by the default whenever the value field is left, OK is pressed or
// the dialog is cancelled.
class ValueEntryDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ValueEntryDialog(QWidget* parent = nullptr);

  // Shows the dialog modally with `caption` as window title and `prompt` above the value,
  // and `value` formatted (FormatNumber with width and decimals, trimmed) and selected in
  // the value field. Returns the number read from the field after the dialog closed,
  // whatever the result; `value` is changed only when the user left with OK.
  long double Ask(const QString& caption, const QString& prompt, long double& value,
                  long double min, long double max, long double def, int width, int decimals);

 public slots:
  void accept() override;  // OK: validate, then close with OK
  void reject() override;  // Cancel, Esc: validate, then close with Cancel

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Reads the value field, puts the default in place of a value out of [min_..max_] and
  // writes the value back formatted.
  void ValidateValue();
  QString Format(long double value) const;

  QLabel* prompt_ = nullptr;
  QLineEdit* value_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;

  // The bounds, default and format of the running request. Only real values are asked for.
  long double min_ = 0;
  long double max_ = 0;
  long double default_ = 0;
  int width_ = 15;
  int decimals_ = 1;
};
