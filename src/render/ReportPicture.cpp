#include "ReportPicture.h"

#include <QPaintDevice>
#include <QPainter>
#include <QSvgRenderer>

#include "DoorPictures.h"

ReportPicture ReportPicture::FromSvg(const QString& path, const TextCatalogue& texts) {
  ReportPicture picture;
  const QByteArray drawing = DoorPictures::DrawingInLanguage(path, texts);
  QSvgRenderer renderer(drawing);
  if (!renderer.isValid() || renderer.defaultSize().isEmpty()) return picture;
  picture.kind_ = Kind::Svg;
  picture.svg_ = drawing;
  picture.size_ = renderer.defaultSize();
  return picture;
}

ReportPicture ReportPicture::FromPixmap(const QPixmap& pixmap) {
  ReportPicture picture;
  if (pixmap.isNull()) return picture;
  picture.kind_ = Kind::Pixmap;
  picture.pixmap_ = pixmap;
  picture.size_ = pixmap.size();
  return picture;
}

ReportPicture ReportPicture::FromRecording(const QPicture& recording, QSize surface) {
  ReportPicture picture;
  if (recording.isNull() || surface.isEmpty()) return picture;
  picture.kind_ = Kind::Recording;
  picture.recording_ = recording;
  picture.size_ = surface;
  return picture;
}

void ReportPicture::Paint(QPainter& painter, const QRectF& target) const {
  if (IsNull() || target.isEmpty()) return;
  painter.save();
  painter.setClipRect(target, Qt::IntersectClip);
  switch (kind_) {
    case Kind::Svg: {
      QSvgRenderer renderer(svg_);
      renderer.render(&painter, target);
      break;
    }
    case Kind::Pixmap:
      painter.drawPixmap(target, pixmap_, QRectF(QPointF(0, 0), size_));
      break;
    case Kind::Recording:
      // The recording's own coordinates are the surface's pixels.
      painter.translate(target.topLeft());
      painter.scale(target.width() / size_.width(), target.height() / size_.height());
      painter.setClipRect(QRectF(QPointF(0, 0), size_), Qt::IntersectClip);
      // Played back, a recording grows by the ratio of the device's resolution to its own.
      if (const QPaintDevice* device = painter.device(); device != nullptr) {
        painter.scale(static_cast<double>(recording_.logicalDpiX()) / device->logicalDpiX(),
                      static_cast<double>(recording_.logicalDpiY()) / device->logicalDpiY());
      }
      painter.drawPicture(0, 0, recording_);
      break;
    case Kind::None:
      break;
  }
  painter.restore();
}
