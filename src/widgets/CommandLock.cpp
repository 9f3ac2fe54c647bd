#include "CommandLock.h"

#include <QAction>
#include <QWidget>
#include <utility>

namespace {

// The tip a command shows of its own. An action without one shows its text, which must not
// be set as a tip when the lock ends: a later change of the text would leave it behind.
QString OwnToolTip(const QObject* command) {
  if (const auto* widget = qobject_cast<const QWidget*>(command)) return widget->toolTip();
  if (const auto* action = qobject_cast<const QAction*>(command)) {
    const QAction plain(action->text());
    return action->toolTip() == plain.toolTip() ? QString() : action->toolTip();
  }
  return {};
}

bool IsEnabled(const QObject* command) {
  if (const auto* widget = qobject_cast<const QWidget*>(command)) return widget->isEnabled();
  if (const auto* action = qobject_cast<const QAction*>(command)) return action->isEnabled();
  return false;
}

void Apply(QObject* command, bool enabled, const QString& toolTip) {
  if (auto* widget = qobject_cast<QWidget*>(command)) {
    widget->setEnabled(enabled);
    widget->setToolTip(toolTip);
  } else if (auto* action = qobject_cast<QAction*>(command)) {
    action->setEnabled(enabled);
    action->setToolTip(toolTip);
  }
}

}  // namespace

CommandLock::CommandLock(QString reason) : reason_(std::move(reason)) {}

void CommandLock::Set(QObject* command, bool locked) {
  if (command == nullptr || (!qobject_cast<QWidget*>(command) && !qobject_cast<QAction*>(command)))
    return;
  if (locked) {
    if (IsLocked(command)) return;
    saved_.insert(command, Saved{command, IsEnabled(command), OwnToolTip(command)});
    const QString own = saved_[command].ToolTip;
    Apply(command, false, own.isEmpty() ? reason_ : own + "\n" + reason_);
    return;
  }
  const auto found = saved_.find(command);
  if (found == saved_.end()) return;
  const Saved saved = *found;
  saved_.erase(found);
  if (saved.Command) Apply(saved.Command, saved.Enabled, saved.ToolTip);
}
