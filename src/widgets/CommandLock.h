#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <utility>

class QObject;

// Takes commands (buttons, fields, menu items) out of use for a while and says why in their
// tool tips; unlocking gives each back the state and tip it had. A window locks the commands
// that edit the door while a search turns that door, so that no table or position changes
// under a search that started from them.
class CommandLock {
 public:
  explicit CommandLock(QString reason);

  // Locks or unlocks one command, a QWidget or a QAction; anything else is left alone.
  void Set(QObject* command, bool locked);
  bool IsLocked(const QObject* command) const { return saved_.contains(command); }
  const QString& Reason() const { return reason_; }
  // The reason the commands locked from now on give (the language may have changed since).
  void SetReason(QString reason) { reason_ = std::move(reason); }

 private:
  struct Saved {
    QPointer<QObject> Command;
    bool Enabled = true;
    QString ToolTip;  // empty: the command had no tip of its own
  };
  QString reason_;
  QHash<const QObject*, Saved> saved_;
};
