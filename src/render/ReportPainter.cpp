#include "ReportPainter.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include "ReportPicture.h"
#include "TextProbe.h"

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kTitlePoints = 14;
constexpr double kHeadingPoints = 12;
constexpr double kDataPoints = 10;
constexpr double kHeadPoints = 8;
// Where the symbol and the value of a value row begin.
constexpr double kSymbolColumn = 125;
constexpr double kValueColumn = 145;

}  // namespace

ReportPainter::ReportPainter(QPainter& painter, const QPagedPaintDevice& device)
    : painter_(painter) {
  dotsPerInch_ = device.logicalDpiX();
  dotsPerMm_ = dotsPerInch_ / kMillimetresPerInch;
  const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
  width_ = area.width();
  height_ = area.height() - kHeadHeight;
}

QRectF ReportPainter::ToDevice(const QRectF& box) const {
  return {box.x() * dotsPerMm_, (box.y() + kHeadHeight) * dotsPerMm_, box.width() * dotsPerMm_,
          box.height() * dotsPerMm_};
}

QRectF ReportPainter::ToPage(const QRectF& device) const {
  return {device.x() / dotsPerMm_, device.y() / dotsPerMm_ - kHeadHeight,
          device.width() / dotsPerMm_, device.height() / dotsPerMm_};
}

QFont ReportPainter::Font(double points, bool bold, bool underline) const {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setUnderline(underline);
  // Letters one by one: a ligature would hide "fi" from a search of the printed file.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

QRectF ReportPainter::Write(const QRectF& box, const QString& text, int flags, const QFont& font) {
  painter_.setFont(font);
  painter_.setPen(Qt::black);
  const QRectF target = ToDevice(box);
  // A text that needs more lines than the box holds takes as many as it needs, from the
  // box's top down.
  constexpr int kVertical = Qt::AlignTop | Qt::AlignVCenter | Qt::AlignBottom;
  const QRectF needed = painter_.boundingRect(target, (flags & ~kVertical) | Qt::AlignTop, text);
  QRectF grown = target;
  if (needed.height() > target.height()) {
    grown.setHeight(needed.height());
    flags = (flags & ~kVertical) | Qt::AlignTop;
  }
  QRectF used;
  painter_.drawText(grown, flags, text, &used);
  if (!text.trimmed().isEmpty())
    texts_.push_back({ToPage(used), font.pointSizeF(), text, Writer::Page});
  return ToPage(grown);
}

void ReportPainter::RunningHead(const QString& door, const QString& date, const QString& page) {
  const double line = kHeadHeight - 3;
  const QFont font = Font(kHeadPoints);
  const double third = width_ / 3;
  const double top = -kHeadHeight;
  // The date and the page's number keep their room; a long door name is cut short.
  const QFontMetricsF metrics(font, painter_.device());
  const QString name = metrics.elidedText(door, Qt::ElideMiddle, (third * 1.4 - 2) * dotsPerMm_);
  Write(QRectF(0, top, third * 1.4 - 2, line), name, Qt::AlignLeft | Qt::AlignVCenter, font);
  Write(QRectF(third * 1.4, top, third * 0.8, line), date, Qt::AlignHCenter | Qt::AlignVCenter,
        font);
  Write(QRectF(third * 2.2 + 2, top, third * 0.8 - 2, line), page,
        Qt::AlignRight | Qt::AlignVCenter, font);
  painter_.save();
  QPen pen(Qt::black);
  pen.setWidthF(0.2 * dotsPerMm_);
  painter_.setPen(pen);
  const double rule = (top + line + 1 + kHeadHeight) * dotsPerMm_;
  painter_.drawLine(QPointF(0, rule), QPointF(width_ * dotsPerMm_, rule));
  painter_.restore();
}

double ReportPainter::Heading(double x, double y, const QString& text) {
  const QRectF used =
      Write(QRectF(x, y, width_ - x, 7), text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
            Font(kHeadingPoints, true, true));
  return std::max(7.0, used.height());
}

double ReportPainter::Title(const QRectF& box, const QString& text) {
  return Write(box, text, Qt::AlignCenter | Qt::TextWordWrap, Font(kTitlePoints, true)).height();
}

double ReportPainter::Text(const QRectF& box, const QString& text, int flags) {
  const int alignment = flags == 0 ? Qt::AlignLeft | Qt::AlignVCenter : flags;
  return Write(box, text, alignment | Qt::TextWordWrap, Font(kDataPoints)).height();
}

double ReportPainter::ValueRow(double y, const QString& description, const QString& symbol,
                               const QString& value) {
  double height = kLineHeight;
  height = std::max(height, Text(QRectF(0, y, kSymbolColumn - 2, kLineHeight), description));
  height = std::max(
      height,
      Text(QRectF(kSymbolColumn, y, kValueColumn - kSymbolColumn - 2, kLineHeight), symbol));
  height =
      std::max(height, Text(QRectF(kValueColumn, y, width_ - kValueColumn, kLineHeight), value));
  return height;
}

double ReportPainter::TableRow(double x, double y, double columnWidth, const QStringList& cells,
                               bool head) {
  const QFont font = Font(kDataPoints, head);
  double height = head ? 2 * kLineHeight : kLineHeight;
  const int alignment =
      Qt::AlignRight | (head ? Qt::AlignBottom | Qt::TextWordWrap : Qt::AlignVCenter);
  for (int i = 0; i < cells.size(); ++i) {
    const QRectF cell(x + i * columnWidth, y, columnWidth - 2,
                      head ? 2 * kLineHeight : kLineHeight);
    height = std::max(height, Write(cell, cells[i], alignment, font).height());
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

void ReportPainter::Key(const QRectF& box, const QColor& colour) {
  painter_.save();
  QPen pen(colour);
  pen.setWidthF(0.6 * dotsPerMm_);
  painter_.setPen(pen);
  const QRectF device = ToDevice(box);
  painter_.drawLine(QPointF(device.left(), device.center().y()),
                    QPointF(device.right(), device.center().y()));
  painter_.restore();
}

void ReportPainter::Picture(const QRectF& box, const ReportPicture& picture, Writer from) {
  const QRectF target = ToDevice(box);
  picture.Paint(painter_, target);
  // What the picture wrote, as far as it shows inside its box.
  const QPaintDevice* device = painter_.device();
  const QSize size = device != nullptr ? QSize(device->width(), device->height()) : QSize();
  const std::vector<TextProbe::Found> found =
      TextProbe::TextsOf(size, dotsPerInch_, painter_.combinedTransform(),
                         [&](QPainter& probe) { picture.Paint(probe, target); });
  for (const TextProbe::Found& text : found) {
    const QRectF shown = text.Box.intersected(target);
    if (shown.isEmpty()) continue;
    texts_.push_back({ToPage(shown), text.Points, text.Text, from});
  }
}
