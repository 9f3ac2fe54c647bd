#pragma once

#include <QObject>

class QEvent;
class QLineEdit;

// Puts a plain entry field's text through CheckNumberText (trimmed) whenever the field is left
// for another control: an unreadable or out-of-bounds entry silently becomes the fallback.
// Opening a menu, a message box or another window is not leaving the field. Owned by the field.
class NumberExitCheck : public QObject {
  Q_OBJECT

 public:
  struct Limits {
    int Width;
    int Decimals;
    long double Lower;  // open interval of accepted entries
    long double Upper;
    long double Fallback;
  };

  NumberExitCheck(QLineEdit& field, const Limits& limits);

  // Checks the field now, as leaving it would: for a button reached without leaving it
  // (Enter, a shortcut).
  void Apply();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit& field_;
  Limits limits_;
};
