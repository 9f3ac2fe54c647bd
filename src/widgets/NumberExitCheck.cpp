#include "NumberExitCheck.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <string>

#include "UserLocale.h"
#include "numbers/NumberText.h"

NumberExitCheck::NumberExitCheck(QLineEdit& field, const Limits& limits)
    : QObject(&field), field_(field), limits_(limits) {
  field.installEventFilter(this);
}

void NumberExitCheck::Apply() {
  const std::string checked =
      CheckNumberText(field_.text().toStdString(), limits_.Width, limits_.Decimals, limits_.Lower,
                      limits_.Upper, limits_.Fallback, true, UserNumberLocale());
  const QString text = QString::fromStdString(checked);
  if (field_.text() != text) field_.setText(text);
}

bool NumberExitCheck::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &field_ && event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::MenuBarFocusReason) {
      Apply();
    }
  }
  return QObject::eventFilter(watched, event);
}
