#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;
class ReportPicture;

// Writing on a printed page in millimetres measured from the top-left corner of the area
// inside the margins: headings bold and underlined, the general title at 14 points, data at
// 10 points, value rows as description, symbol and value from left to right, and tables of
// numbers with a head. Everything is converted to the device's own units, so text and
// pictures keep their resolution.
class ReportPainter {
 public:
  ReportPainter(QPainter& painter, const QPagedPaintDevice& device);

  // The area inside the margins, millimetres.
  double Width() const { return width_; }
  double Height() const { return height_; }
  QRectF ToDevice(const QRectF& millimetres) const;

  // Each returns the height it took, millimetres.
  double Heading(double x, double y, const QString& text);
  double Title(const QRectF& box, const QString& text);
  double Text(const QRectF& box, const QString& text, int flags = 0);
  double ValueRow(double y, const QString& description, const QString& symbol,
                  const QString& value);
  // One row of a table: the cells in columns of the given width from x, right-aligned. A head
  // row is bold and two lines high, its texts wrapped and standing on its foot.
  double TableRow(double x, double y, double columnWidth, const QStringList& cells,
                  bool head = false);
  void Frame(const QRectF& box);
  void Picture(const QRectF& box, const ReportPicture& picture);

  static constexpr double kLineHeight = 5.0;  // a 10-point line with its leading

 private:
  QFont Font(double points, bool bold = false, bool underline = false) const;

  QPainter& painter_;
  double dotsPerMm_ = 1;
  double width_ = 0;
  double height_ = 0;
};
