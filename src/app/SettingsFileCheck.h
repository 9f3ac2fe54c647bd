#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

// The user's settings file (~/.config/DoorTrim/DoorTrim.conf) is read by QSettings with a
// plain open(): a FIFO there would block the program at start for ever, a device or a folder
// would be read as settings. So the place is looked at before any QSettings exists: when
// something that is not a regular file stands there, the settings of this run go to a private
// folder of their own, the program starts with the default settings, and Problem() tells why,
// for the caller to say once (on stderr: a message box would wait for a person).
class SettingsFileCheck {
 public:
  // After the application's names are set (they name the file).
  SettingsFileCheck();
  // The settings go back to their usual place.
  ~SettingsFileCheck();
  SettingsFileCheck(const SettingsFileCheck&) = delete;
  SettingsFileCheck& operator=(const SettingsFileCheck&) = delete;

  // The file QSettings would read; and why it is not used, empty when it is.
  static QString SettingsPath();
  const QString& Problem() const { return problem_; }

 private:
  std::unique_ptr<QTemporaryDir> standIn_;
  QString problem_;
};
