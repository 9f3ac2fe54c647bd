#include "PictureEncoding.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSvgGenerator>

#include "io/AtomicFileWriter.h"

std::optional<QByteArray> PictureEncoding::Png(const Painting& paint, const QSize& size) {
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return std::nullopt;
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    paint(painter, size);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return std::nullopt;
  return bytes;
}

std::optional<QByteArray> PictureEncoding::Svg(const Painting& paint, const QSize& size,
                                               const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(title);
  QPainter painter;
  if (!painter.begin(&generator)) return std::nullopt;
  paint(painter, size);
  painter.end();
  return bytes;
}

std::optional<QString> PictureEncoding::Save(const Painting& paint, const QString& path,
                                             const QSize& size, const QString& title,
                                             const AtomicFileWriter& writer) {
  const bool svg = QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
  const std::optional<QByteArray> bytes = svg ? Svg(paint, size, title) : Png(paint, size);
  if (!bytes) return QStringLiteral("the picture could not be encoded");
  if (auto problem = writer.Replace(path.toStdString(), bytes->toStdString()))
    return QString::fromStdString(*problem);
  return std::nullopt;
}
