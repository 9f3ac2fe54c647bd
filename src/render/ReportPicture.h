#pragma once

#include <QByteArray>
#include <QPicture>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

class QPainter;
class TextCatalogue;

// A picture a printed page shows: an SVG drawing (printed as vectors), a recorded drawing of
// a drawing surface (vectors as well) or a bitmap. Its natural size decides its shape.
class ReportPicture {
 public:
  // The property of a picture control that names the file its picture is drawn from, so that
  // a report prints the drawing itself rather than the control's bitmap of it.
  static constexpr char kSourceProperty[] = "pictureSource";

  ReportPicture() = default;
  // A drawing with its words in the language of `texts`.
  static ReportPicture FromSvg(const QString& path, const TextCatalogue& texts);
  static ReportPicture FromPixmap(const QPixmap& pixmap);
  // A surface's recording and the size of the surface it was recorded on.
  static ReportPicture FromRecording(const QPicture& recording, QSize surface);

  bool IsNull() const { return size_.isEmpty(); }
  QSizeF Size() const { return size_; }
  // Stretched into `target`; the caller keeps the shape.
  void Paint(QPainter& painter, const QRectF& target) const;

 private:
  enum class Kind { None, Svg, Pixmap, Recording };
  Kind kind_ = Kind::None;
  QByteArray svg_;  // the drawing, its words already in the report's language
  QPixmap pixmap_;
  QPicture recording_;
  QSizeF size_;
};
