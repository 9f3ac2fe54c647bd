#include "DoorPictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include "lang/PictureWords.h"
#include "lang/TextCatalogue.h"

namespace DoorPictures {

QSize DecodedSize(QSize declared, int bound) {
  if (declared.isEmpty()) return {};
  if (declared.width() <= bound && declared.height() <= bound) return declared;
  QSize fitted = declared.scaled(bound, bound, Qt::KeepAspectRatio);
  return fitted.expandedTo(QSize(1, 1));
}

QPixmap DrawingAtItsSize(const QString& path) {
  return DrawingAtItsSize(path, TextCatalogue::English());
}

QByteArray DrawingInLanguage(const QString& path, const TextCatalogue& texts) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray drawing = file.readAll();
  return QByteArray::fromStdString(
      PictureWords::Translate(std::string_view(drawing.constData(), drawing.size()), texts));
}

QPixmap DrawingAtItsSize(const QString& path, const TextCatalogue& texts) {
  if (!QFile::exists(path)) return {};
  QSvgRenderer renderer{DrawingInLanguage(path, texts)};
  if (!renderer.isValid()) return {};
  const QSize size = DecodedSize(renderer.defaultSize());
  if (size.isEmpty()) return {};
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
  QImageReader reader(path);
  const QSize declared = reader.size();  // from the header, nothing decoded yet
  if (declared.isValid()) {
    const QSize fitted = DecodedSize(declared);
    if (fitted != declared) reader.setScaledSize(fitted);
  }
  const QImage image = reader.read();
  if (image.isNull()) return {};
  return QPixmap::fromImage(image);
}

}  // namespace DoorPictures
