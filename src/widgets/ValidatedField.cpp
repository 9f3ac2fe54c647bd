#include "ValidatedField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPaintEvent>

#include <string>

#include "LanguageApplier.h"
#include "MessageBoxes.h"
#include "UserLocale.h"
#include "numbers/NumberFormat.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "numbers/TextRoutines.h"

namespace {

// Counts nested commits/validations for the lifetime of a scope.
class BusyScope {
 public:
  explicit BusyScope(int& counter) : counter_(counter) { ++counter_; }
  ~BusyScope() { --counter_; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  int& counter_;
};

QString General(long double value, const NumberLocale& loc) {
  return QString::fromStdString(FormatGeneral(value, loc));
}

}  // namespace

ValidatedField::ValidatedField(QWidget* parent) : QLineEdit(parent) {
  ShowVal();
}

// --- The interval ------------------------------------------------------------------------

QString ValidatedField::IntervalText() const {
  const NumberLocale loc = UserNumberLocale();
  return QString(minIncluded_ ? "[" : "]") + General(min_, loc) + ".." + General(max_, loc) +
         QString(maxIncluded_ ? "]" : "[");
}

QString ValidatedField::HintPrefix() const {
  const QString hint = toolTip();
  return hint.isEmpty() ? QString() : hint + "\r\r";
}

QString ValidatedField::Text(TextKey key) const {
  // The language of the window the field is in.
  return QString::fromStdString(LanguageApplier::Of(*window()).Texts().Text(key));
}

QString ValidatedField::RangeMessage() const {
  return HintPrefix() + Text(FieldTexts::kRange).arg(IntervalText());
}

QString ValidatedField::OutOfRangeMessage() const {
  const QString parentName = parentWidget() ? parentWidget()->objectName() : QString();
  return HintPrefix() + parentName + " : " + objectName() +
         Text(FieldTexts::kOutOfRange).arg(IntervalText());
}

// --- Showing the value ---------------------------------------------------------------------

QString ValidatedField::DisplayText() const {
  return General(RoundTo(precision_, value_), UserNumberLocale());
}

void ValidatedField::ShowVal() {
  const QString shown = DisplayText();
  if (text() == shown) return;
  const bool allSelected = hasSelectedText() && selectedText() == text();
  setText(shown);
  if (allSelected) selectAll();
}

void ValidatedField::paintEvent(QPaintEvent* event) {
  // The text is a view of Val, rewritten at each paint, except while the user is typing:
  // the field is the focus widget of its window (active or not) and holds unsaved typing.
  const bool typing = isModified() && window()->focusWidget() == this;
  if (!typing) ShowVal();
  QLineEdit::paintEvent(event);
}

// --- Validation ----------------------------------------------------------------------------

bool ValidatedField::Validate() {
  if (!check_) return true;
  const bool below = minIncluded_ ? value_ < min_ : value_ <= min_;
  const bool above = maxIncluded_ ? value_ > max_ : value_ >= max_;
  if (!below && !above) return true;

  BusyScope busy(busy_);
  value_ = default_;
  ShowVal();  // the text follows Val before the message box takes the focus
  MessageBoxes::Critical(this, Text(FieldTexts::kErrorTitle), OutOfRangeMessage());
  ShowVal();
  update();
  selectAll();
  return false;
}

// --- Setters -------------------------------------------------------------------------------

void ValidatedField::setVal(long double value) {
  value_ = value;
  ShowVal();
  if (!loading_) Validate();
}

void ValidatedField::setValDefault(long double value) {
  default_ = value;
  if (loading_) return;
  const bool below = minIncluded_ ? default_ < min_ : default_ <= min_;
  const bool above = maxIncluded_ ? default_ > max_ : default_ >= max_;
  if (below || above) default_ = (max_ + min_) / 2;
  Validate();
}

void ValidatedField::setValCheck(bool value) {
  check_ = value;
  if (!loading_) Validate();
}

void ValidatedField::setValMin(long double value) {
  min_ = value;
  if (loading_) return;
  if (min_ > max_) min_ = max_ - 1;
  const bool below = minIncluded_ ? default_ < min_ : default_ <= min_;
  if (below) default_ = (max_ + min_) / 2;
  Validate();
}

void ValidatedField::setValMax(long double value) {
  max_ = value;
  if (loading_) return;
  if (max_ < min_) max_ = min_ + 1;
  const bool above = maxIncluded_ ? default_ > max_ : default_ >= max_;
  if (above) default_ = (max_ + min_) / 2;
  Validate();
}

void ValidatedField::setValMinIncl(bool value) {
  minIncluded_ = value;
  if (!loading_) Validate();
}

void ValidatedField::setValMaxIncl(bool value) {
  maxIncluded_ = value;
  if (!loading_) Validate();
}

void ValidatedField::setValPrecision(int value) {
  precision_ = value;
  ShowVal();
  if (!loading_) Validate();
}

void ValidatedField::BeginLoading() {
  loading_ = true;
}

void ValidatedField::EndLoading() {
  loading_ = false;
  ShowVal();
}

void ValidatedField::SetAndShow(long double value) {
  setVal(value);
  ShowVal();
  update();
}

// --- Commit --------------------------------------------------------------------------------

void ValidatedField::Commit() {
  BusyScope busy(busy_);
  long double value = 0;
  const std::string typed = TrimBlanks(text().toStdString());
  const bool readable = ConvertTyped(typed, value, UserNumberLocale());
  value_ = readable ? value : default_;
  setText(DisplayText());  // also ends the user's unsaved typing
  Validate();
  if (!readable) selectAll();
  emit OnInput(this);
}

void ValidatedField::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && busy_ == 0) {
    Commit();
  } else if (key == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    MessageBoxes::Information(this, Text(FieldTexts::kInformationTitle), RangeMessage());
  }
  // Standard handling: QLineEdit ignores Return/Enter, so a dialog's default button
  // still sees it.
  QLineEdit::keyPressEvent(event);
}

void ValidatedField::focusOutEvent(QFocusEvent* event) {
  // Leaving the field means the focus moved to another control. Focus taken by a message
  // box, another window, a menu or the edit's own context menu is not leaving it, and the
  // message box of a running commit must not start a second one.
  const Qt::FocusReason reason = event->reason();
  const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                    reason != Qt::MenuBarFocusReason;
  if (left && busy_ == 0) Commit();
  QLineEdit::focusOutEvent(event);
}
