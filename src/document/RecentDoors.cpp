#include "RecentDoors.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const char* const kKey = "RecentDoors/Files";

QString Absolute(const QString& path) {
  return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

RecentDoors::RecentDoors(QSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings) {}

QStringList RecentDoors::Paths() const {
  // A list edited by hand may hold more, or repeats: show it as this class would keep it.
  QStringList paths;
  for (const QString& path : settings_.value(kKey).toStringList()) {
    if (!path.isEmpty() && !paths.contains(path) && paths.size() < kLimit) paths.append(path);
  }
  return paths;
}

void RecentDoors::Add(const QString& path) {
  const QString file = Absolute(path);
  QStringList paths = Paths();
  paths.removeAll(file);
  paths.prepend(file);
  while (paths.size() > kLimit)
    paths.removeLast();
  Store(paths);
}

void RecentDoors::Remove(const QString& path) {
  QStringList paths = Paths();
  if (paths.removeAll(Absolute(path)) == 0) return;
  Store(paths);
}

void RecentDoors::Store(const QStringList& paths) {
  settings_.setValue(kKey, paths);
  // Written at once: a program that ends abnormally later still remembers the door.
  settings_.sync();
  emit changed();
}
