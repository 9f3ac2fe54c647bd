#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QMimeData;
class QWidget;

// Lets the user drop a door file (.brd) on a window to open it. It watches the window's drag
// and drop events; a drag that carries exactly one local door file is accepted, any other is
// refused, so the desktop shows at once whether the drop would do anything.
class DoorDropHandler : public QObject {
  Q_OBJECT

 public:
  using Opener = std::function<void(const QString& path)>;

  // Makes the window accept drops; the opener is called after the drop has ended.
  DoorDropHandler(QWidget& window, Opener open);

  // The door file a drag carries, if it carries exactly one local .brd file.
  static std::optional<QString> DoorFileOf(const QMimeData* data);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Opener open_;
};
