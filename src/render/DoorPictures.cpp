#include "DoorPictures.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

namespace DoorPictures {

QPixmap DrawingAtItsSize(const QString& path) {
  if (!QFile::exists(path)) return {};
  QSvgRenderer renderer{path};
  const QSize size = renderer.defaultSize();
  if (!renderer.isValid() || size.isEmpty()) return {};
  QPixmap picture(size);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  renderer.render(&painter);
  return picture;
}

QPixmap DrawingAtSize(const QString& path, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(path);
  QPainter painter(&pixmap);
  renderer.render(&painter);
  return pixmap;
}

QString PictureFile(const QString& name) {
  if (name.isEmpty()) return {};
  if (QFileInfo(name).isFile()) return name;
  if (name.contains('/') || name.contains('\\')) return {};
  const QString builtIn = QStringLiteral(":/pictures/") + name;
  return QFileInfo(builtIn).isFile() ? builtIn : QString();
}

QPixmap LoadPicture(const QString& path) {
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) return DrawingAtItsSize(path);
  QPixmap picture;
  picture.load(path);
  return picture;
}

}  // namespace DoorPictures
