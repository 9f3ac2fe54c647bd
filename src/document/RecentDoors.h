#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QSettings;

// The door files the user opened or saved last, newest first, kept in the user's settings so
// that they are there the next day. The list holds at most kLimit files, each once.
class RecentDoors : public QObject {
  Q_OBJECT

 public:
  static constexpr int kLimit = 8;

  // Reads and writes the list in the given settings, which must outlive this object.
  explicit RecentDoors(QSettings& settings, QObject* parent = nullptr);

  // Newest first, as absolute paths.
  QStringList Paths() const;
  // Puts the file first; it leaves its old place, and the oldest file leaves a full list.
  void Add(const QString& path);
  // Takes the file out of the list, e.g. when it no longer exists.
  void Remove(const QString& path);

 signals:
  void changed();

 private:
  void Store(const QStringList& paths);

  QSettings& settings_;
};
