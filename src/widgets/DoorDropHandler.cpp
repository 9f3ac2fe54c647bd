#include "DoorDropHandler.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <utility>

DoorDropHandler::DoorDropHandler(QWidget& window, Opener open)
    : QObject(&window), open_(std::move(open)) {
  window.setAcceptDrops(true);
  window.installEventFilter(this);
}

std::optional<QString> DoorDropHandler::DoorFileOf(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return std::nullopt;
  const QList<QUrl> urls = data->urls();
  // Only one door can be open: a drag of several files is refused rather than guessed at.
  if (urls.size() != 1 || !urls.front().isLocalFile()) return std::nullopt;
  const QString path = urls.front().toLocalFile();
  if (!path.endsWith(".brd", Qt::CaseInsensitive)) return std::nullopt;
  return path;
}

bool DoorDropHandler::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (DoorFileOf(drag->mimeData())) {
        drag->acceptProposedAction();
      } else {
        drag->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const std::optional<QString> path = DoorFileOf(drop->mimeData());
      if (!path) {
        drop->ignore();
        return true;
      }
      drop->acceptProposedAction();
      // The drag source waits until the drop returns: the close question and the door's
      // loading come after it, not inside it.
      QTimer::singleShot(0, this, [this, file = *path] { open_(file); });
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}
