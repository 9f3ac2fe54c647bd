#pragma once

#include <QObject>
#include <QString>

// The title a window gives the file dialog it opens. The dialog itself lives only while the
// user chooses; this keeps its title between times, where the language files can set it.
class FileDialogTitle : public QObject {
  Q_OBJECT

 public:
  FileDialogTitle(const QString& name, const QString& title, QObject* parent)
      : QObject(parent), title_(title) {
    setObjectName(name);
  }

  const QString& Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }

 private:
  QString title_;
};
