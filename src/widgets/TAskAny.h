#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// The enter-a-value dialog (form "AskAny"): asks for one real with bounds and a
// default. An entry below the minimum or above the maximum (both ends allowed) is never
// refused: it is replaced by the default whenever Edit1 is left, OK is pressed or the
// dialog is cancelled.
class TAskAny : public QDialog {
  Q_OBJECT

 public:
  explicit TAskAny(QWidget* parent = nullptr);

  // Shows the dialog modally with `caption` as window title and `prompt` in Label1, and
  // `value` formatted (FormatNumber with width and decimals, trimmed) and selected in
  // Edit1. Returns the number read from Edit1 after the dialog closed, whatever the
  // result; `value` is changed only when the user left with OK.
  long double Ask(const QString& caption, const QString& prompt, long double& value,
                  long double min, long double max, long double def, int width, int decimals);

  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 public slots:
  void accept() override;  // OK: validate, then close with OK
  void reject() override;  // Cancel, Esc: validate, then close with Cancel

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Reads Edit1 with ReadNumber, puts the default in place of a value out of
  // [FMin..FMax] and writes the value back formatted.
  void ValidateEdit();
  QString Format(long double value) const;

  // The stored arguments of the running Ask (step 1). Only the real mode exists.
  long double FMin = 0;
  long double FMax = 0;
  long double FDefault = 0;
  int FWidth = 15;
  int FDecimals = 1;
};
