#pragma once

#include <QLineEdit>
#include <QString>

#include "lang/MessageTables.h"

class QFocusEvent;
class QKeyEvent;
class QPaintEvent;

// The validated numeric field: a single-line edit holding an extended real `Val`
// with its allowed interval [ValMin..ValMax] (each end included or not), a fallback value
// `ValDefault` and a display precision.
//
// - `Val` is the authority; the text is a view of it. The text is rewritten from `Val`
//   whenever `Val` changes and whenever the field paints while the user is not editing it
//   (focused with unsaved typing), so a text written by a caller in another format is
//   replaced by the field's own at the next paint.
// - Every property setter stores and then validates (an out-of-range `Val` becomes
//   `ValDefault` after an error message box); the interval and default setters first apply
//   their consistency rules. Between BeginLoading() and EndLoading() setters only store.
// - Commit (Return/Enter, or leaving the field): the text is read; unreadable text gives
//   `ValDefault` silently and the text is selected; then validate; then OnInput(this).
// - F1 shows the range as an information message.
// The field's hint is the widget's toolTip().
class ValidatedField : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(long double Val READ Val WRITE setVal)
  Q_PROPERTY(long double ValDefault READ ValDefault WRITE setValDefault)
  Q_PROPERTY(bool ValCheck READ ValCheck WRITE setValCheck)
  Q_PROPERTY(long double ValMin READ ValMin WRITE setValMin)
  Q_PROPERTY(long double ValMax READ ValMax WRITE setValMax)
  Q_PROPERTY(bool ValMinIncl READ ValMinIncl WRITE setValMinIncl)
  Q_PROPERTY(bool ValMaxIncl READ ValMaxIncl WRITE setValMaxIncl)
  Q_PROPERTY(int ValPrecision READ ValPrecision WRITE setValPrecision)

 public:
  explicit ValidatedField(QWidget* parent = nullptr);

  long double Val() const { return value_; }
  long double ValDefault() const { return default_; }
  bool ValCheck() const { return check_; }
  long double ValMin() const { return min_; }
  long double ValMax() const { return max_; }
  bool ValMinIncl() const { return minIncluded_; }
  bool ValMaxIncl() const { return maxIncluded_; }
  int ValPrecision() const { return precision_; }

  void setVal(long double value);
  void setValDefault(long double value);
  void setValCheck(bool value);
  void setValMin(long double value);
  void setValMax(long double value);
  void setValMinIncl(bool value);
  void setValMaxIncl(bool value);
  void setValPrecision(int value);

  // While a form sets its design values: setters only store (no consistency rules, no
  // validation, no message). EndLoading rewrites the text from Val; it does not validate.
  void BeginLoading();
  void EndLoading();
  bool Loading() const { return loading_; }

  // The set-and-show operation of the spin buttons: set Val through its setter (so it is
  // validated), rewrite the text, repaint.
  void SetAndShow(long double value);

  // Commit as Enter or leaving the field does: read the text, validate, raise OnInput.
  void Commit();

  // Returns whether Val is accepted; out of range: Val := ValDefault, error message,
  // repaint, select all.
  bool Validate();

  // "[-90..90]", "]0..10[": the interval in the messages.
  QString IntervalText() const;
  // The text shown for Val: general format of Val rounded (halves to even) to
  // ValPrecision decimals, with the user's decimal separator.
  QString DisplayText() const;
  // The texts of the two message boxes.
  QString RangeMessage() const;
  // A text of the field's messages in the language its window shows.
  QString Text(TextKey key) const;
  QString OutOfRangeMessage() const;

 signals:
  // Raised after every commit of the text (Enter or leaving the field).
  void OnInput(ValidatedField* sender);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Rewrites the text from Val when it differs, keeping a whole-text selection.
  void ShowVal();
  QString HintPrefix() const;

  long double value_ = 0;
  long double default_ = 0;
  bool check_ = true;
  long double min_ = 0;
  long double max_ = 1;
  bool minIncluded_ = true;
  bool maxIncluded_ = true;
  int precision_ = 3;

  bool loading_ = false;
  // Set while a commit or a validation (and so its message box) runs: the focus moves
  // to the message box, and that must not commit again.
  int busy_ = 0;
};
