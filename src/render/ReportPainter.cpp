#include "ReportPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include "ReportPicture.h"

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kTitlePoints = 14;
constexpr double kHeadingPoints = 12;
constexpr double kDataPoints = 10;
// Where the symbol and the value of a value row begin.
constexpr double kSymbolColumn = 125;
constexpr double kValueColumn = 145;

}  // namespace

ReportPainter::ReportPainter(QPainter& painter, const QPagedPaintDevice& device)
    : painter_(painter) {
  dotsPerMm_ = device.logicalDpiX() / kMillimetresPerInch;
  const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
  width_ = area.width();
  height_ = area.height();
}

QRectF ReportPainter::ToDevice(const QRectF& box) const {
  return {box.x() * dotsPerMm_, box.y() * dotsPerMm_, box.width() * dotsPerMm_,
          box.height() * dotsPerMm_};
}

QFont ReportPainter::Font(double points, bool bold, bool underline) const {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

double ReportPainter::Heading(double x, double y, const QString& text) {
  painter_.setFont(Font(kHeadingPoints, true, true));
  painter_.setPen(Qt::black);
  const double height = 7;
  painter_.drawText(ToDevice(QRectF(x, y, width_ - x, height)), Qt::AlignLeft | Qt::AlignTop, text);
  return height;
}

double ReportPainter::Title(const QRectF& box, const QString& text) {
  painter_.setFont(Font(kTitlePoints, true));
  painter_.setPen(Qt::black);
  painter_.drawText(ToDevice(box), Qt::AlignCenter, text);
  return box.height();
}

double ReportPainter::Text(const QRectF& box, const QString& text, int flags) {
  painter_.setFont(Font(kDataPoints));
  painter_.setPen(Qt::black);
  const int alignment = flags == 0 ? Qt::AlignLeft | Qt::AlignVCenter : flags;
  painter_.drawText(ToDevice(box), alignment | Qt::TextWordWrap, text);
  return box.height();
}

double ReportPainter::ValueRow(double y, const QString& description, const QString& symbol,
                               const QString& value) {
  Text(QRectF(0, y, kSymbolColumn - 2, kLineHeight), description);
  Text(QRectF(kSymbolColumn, y, kValueColumn - kSymbolColumn, kLineHeight), symbol);
  Text(QRectF(kValueColumn, y, width_ - kValueColumn, kLineHeight), value);
  return kLineHeight;
}

double ReportPainter::TableRow(double x, double y, double columnWidth, const QStringList& cells,
                               bool head) {
  painter_.setFont(Font(kDataPoints, head));
  painter_.setPen(Qt::black);
  const double height = head ? 2 * kLineHeight : kLineHeight;
  const int alignment =
      Qt::AlignRight | (head ? Qt::AlignBottom | Qt::TextWordWrap : Qt::AlignVCenter);
  for (int i = 0; i < cells.size(); ++i) {
    const QRectF cell(x + i * columnWidth, y, columnWidth - 2, height);
    painter_.drawText(ToDevice(cell), alignment, cells[i]);
  }
  return height;
}

void ReportPainter::Frame(const QRectF& box) {
  painter_.save();
  QPen pen(Qt::black);
  pen.setWidthF(0.3 * dotsPerMm_);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(ToDevice(box));
  painter_.restore();
}

void ReportPainter::Picture(const QRectF& box, const ReportPicture& picture) {
  picture.Paint(painter_, ToDevice(box));
}
