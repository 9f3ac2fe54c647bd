#include "SettingsFileCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>

namespace {

// What stands at the path when it is not a regular file, for the message; empty otherwise
// (a regular file, or nothing yet).
QString WhatIsThere(const QString& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path.toStdString(), ec);
  switch (status.type()) {
    case fs::file_type::not_found:
    case fs::file_type::regular:
      return {};
    case fs::file_type::directory:
      return QStringLiteral("a folder");
    case fs::file_type::fifo:
      return QStringLiteral("a FIFO (named pipe)");
    case fs::file_type::character:
    case fs::file_type::block:
      return QStringLiteral("a device");
    case fs::file_type::socket:
      return QStringLiteral("a socket");
    default:
      break;
  }
  if (ec) return QString::fromStdString(ec.message());
  return QStringLiteral("not a regular file");
}

}  // namespace

SettingsFileCheck::~SettingsFileCheck() {
  if (standIn_) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
}

QString SettingsFileCheck::SettingsPath() {
  // As QSettings names it on this system: the configuration folder, the organisation, the
  // application.
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir(folder).filePath(QCoreApplication::organizationName() + QLatin1Char('/') +
                               QCoreApplication::applicationName() + QStringLiteral(".conf"));
}

SettingsFileCheck::SettingsFileCheck() {
  const QString path = SettingsPath();
  const QString what = WhatIsThere(path);
  if (what.isEmpty()) return;
  standIn_ = std::make_unique<QTemporaryDir>();
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, standIn_->path());
  problem_ = QStringLiteral(
                 "the settings file %1 is %2, not a regular file: it is left alone "
                 "and the program starts with the default settings, which are not "
                 "kept after it ends")
                 .arg(path, what);
}
