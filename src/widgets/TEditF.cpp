#include "TEditF.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPaintEvent>

#include <string>

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
  explicit BusyScope(int& counter) : FCounter(counter) { ++FCounter; }
  ~BusyScope() { --FCounter; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  int& FCounter;
};

QString General(long double value, const NumberLocale& loc) {
  return QString::fromStdString(FormatGeneral(value, loc));
}

}  // namespace

TEditF::TEditF(QWidget* parent) : QLineEdit(parent) {
  ShowVal();
}

// --- The interval ------------------------------------------------------------------------

QString TEditF::IntervalText() const {
  const NumberLocale loc = UserNumberLocale();
  return QString(FValMinIncl ? "[" : "]") + General(FValMin, loc) + ".." + General(FValMax, loc) +
         QString(FValMaxIncl ? "]" : "[");
}

QString TEditF::HintPrefix() const {
  const QString hint = toolTip();
  return hint.isEmpty() ? QString() : hint + "\r\r";
}

QString TEditF::RangeMessage() const {
  return HintPrefix() + "Range: " + IntervalText();
}

QString TEditF::OutOfRangeMessage() const {
  const QString parentName = parentWidget() ? parentWidget()->objectName() : QString();
  return HintPrefix() + parentName + " : " + objectName() +
         "Value is out of range: " + IntervalText();
}

// --- Showing the value ---------------------------------------------------------------------

QString TEditF::DisplayText() const {
  return General(RoundTo(FValPrecision, FVal), UserNumberLocale());
}

void TEditF::ShowVal() {
  const QString shown = DisplayText();
  if (text() == shown) return;
  const bool allSelected = hasSelectedText() && selectedText() == text();
  setText(shown);
  if (allSelected) selectAll();
}

void TEditF::paintEvent(QPaintEvent* event) {
  // The text is a view of Val, rewritten at each paint, except while the user is typing:
  // the field is the focus widget of its window (active or not) and holds unsaved typing.
  const bool typing = isModified() && window()->focusWidget() == this;
  if (!typing) ShowVal();
  QLineEdit::paintEvent(event);
}

// --- Validation ----------------------------------------------------------------------------

bool TEditF::Validate() {
  if (!FValCheck) return true;
  const bool below = FValMinIncl ? FVal < FValMin : FVal <= FValMin;
  const bool above = FValMaxIncl ? FVal > FValMax : FVal >= FValMax;
  if (!below && !above) return true;

  BusyScope busy(FBusy);
  FVal = FValDefault;
  ShowVal();  // the text follows Val before the message box takes the focus
  MessageBoxes::Critical(this, "Error", OutOfRangeMessage());
  ShowVal();
  update();
  selectAll();
  return false;
}

// --- Setters -------------------------------------------------------------------------------

void TEditF::setVal(long double value) {
  FVal = value;
  ShowVal();
  if (!FLoading) Validate();
}

void TEditF::setValDefault(long double value) {
  FValDefault = value;
  if (FLoading) return;
  const bool below = FValMinIncl ? FValDefault < FValMin : FValDefault <= FValMin;
  const bool above = FValMaxIncl ? FValDefault > FValMax : FValDefault >= FValMax;
  if (below || above) FValDefault = (FValMax + FValMin) / 2;
  Validate();
}

void TEditF::setValCheck(bool value) {
  FValCheck = value;
  if (!FLoading) Validate();
}

void TEditF::setValMin(long double value) {
  FValMin = value;
  if (FLoading) return;
  if (FValMin > FValMax) FValMin = FValMax - 1;
  const bool below = FValMinIncl ? FValDefault < FValMin : FValDefault <= FValMin;
  if (below) FValDefault = (FValMax + FValMin) / 2;
  Validate();
}

void TEditF::setValMax(long double value) {
  FValMax = value;
  if (FLoading) return;
  if (FValMax < FValMin) FValMax = FValMin + 1;
  const bool above = FValMaxIncl ? FValDefault > FValMax : FValDefault >= FValMax;
  if (above) FValDefault = (FValMax + FValMin) / 2;
  Validate();
}

void TEditF::setValMinIncl(bool value) {
  FValMinIncl = value;
  if (!FLoading) Validate();
}

void TEditF::setValMaxIncl(bool value) {
  FValMaxIncl = value;
  if (!FLoading) Validate();
}

void TEditF::setValPrecision(int value) {
  FValPrecision = value;
  ShowVal();
  if (!FLoading) Validate();
}

void TEditF::BeginLoading() {
  FLoading = true;
}

void TEditF::EndLoading() {
  FLoading = false;
  ShowVal();
}

void TEditF::SetAndShow(long double value) {
  setVal(value);
  ShowVal();
  update();
}

// --- Commit --------------------------------------------------------------------------------

void TEditF::Commit() {
  BusyScope busy(FBusy);
  long double value = 0;
  const std::string typed = TrimBlanks(text().toStdString());
  const bool readable = ConvertTyped(typed, value, UserNumberLocale());
  FVal = readable ? value : FValDefault;
  setText(DisplayText());  // also ends the user's unsaved typing
  Validate();
  if (!readable) selectAll();
  emit OnInput(this);
}

void TEditF::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && FBusy == 0) {
    Commit();
  } else if (key == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    MessageBoxes::Information(this, "Information", RangeMessage());
  }
  // Standard handling: QLineEdit ignores Return/Enter, so a dialog's default button
  // still sees it.
  QLineEdit::keyPressEvent(event);
}

void TEditF::focusOutEvent(QFocusEvent* event) {
  // Leaving the field means the focus moved to another control. Focus taken by a message
  // box, another window, a menu or the edit's own context menu is not leaving it, and the
  // message box of a running commit must not start a second one.
  const Qt::FocusReason reason = event->reason();
  const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                    reason != Qt::MenuBarFocusReason;
  if (left && FBusy == 0) Commit();
  QLineEdit::focusOutEvent(event);
}
