#include "OperatingMapPicture.h"

#include <QBuffer>
#include <QColor>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Room around the cells: tick labels left and below, the legend at the right.
constexpr qreal kLeft = 64;
constexpr qreal kBottom = 44;
constexpr qreal kTop = 12;
constexpr qreal kLegendWidth = 150;
constexpr qreal kLegendBar = 18;
constexpr int kLegendSteps = 64;

// A perceptually even scale from dark blue through green to yellow, legible in grey print.
constexpr std::array<std::array<int, 3>, 5> kStops = {
    {{68, 1, 84}, {59, 82, 139}, {33, 145, 140}, {94, 201, 98}, {253, 231, 37}}};

QColor ScaleColour(double t) {
  t = std::clamp(t, 0.0, 1.0) * (kStops.size() - 1);
  const auto i = std::min<std::size_t>(static_cast<std::size_t>(t), kStops.size() - 2);
  const double f = t - static_cast<double>(i);
  const auto mix = [&](int c) {
    return static_cast<int>(std::lround(kStops[i][c] + f * (kStops[i + 1][c] - kStops[i][c])));
  };
  return QColor(mix(0), mix(1), mix(2));
}

const QColor kStableColour(46, 139, 87);
const QColor kUnstableColour(230, 145, 56);
const QColor kUnbalancedColour(170, 170, 170);

QString Number(long double value) {
  return QString::number(static_cast<double>(value), 'g', 4);
}

}  // namespace

OperatingMapPicture::OperatingMapPicture(const MapAxis& x, const MapAxis& y,
                                         const std::vector<MapNode>& nodes)
    : x_(x), y_(y), nodes_(nodes) {}

void OperatingMapPicture::SetAttackBand(long double from, long double to) {
  bandFrom_ = std::min(from, to);
  bandTo_ = std::max(from, to);
}

std::optional<long double> OperatingMapPicture::ValueOf(const MapNode& node, MapQuantity quantity) {
  if (!node.Done || !node.Balance.Converged) return std::nullopt;
  const SweepPoint& p = node.Balance;
  switch (quantity) {
    case MapQuantity::Attack:
      return p.WingAttackDeg;
    case MapQuantity::Heel:
      return p.RotX;
    case MapQuantity::Pitch:
      return p.RotY;
    case MapQuantity::Spread:
      return p.SpreadKN;
    case MapQuantity::SpreadOverResistance:
      return p.SpreadOverResistance;
    case MapQuantity::Stability:
      return node.Stable ? 1 : 0;
  }
  return std::nullopt;
}

bool OperatingMapPicture::InGoodRegion(const MapNode& node) const {
  const std::optional<long double> attack = ValueOf(node, MapQuantity::Attack);
  return attack && node.Stable && *attack >= bandFrom_ && *attack <= bandTo_;
}

const MapNode& OperatingMapPicture::Node(int ix, int iy) const {
  return nodes_[static_cast<std::size_t>(iy * x_.Count() + ix)];
}

QRectF OperatingMapPicture::PlotArea(const QSize& size) const {
  return QRectF(kLeft, kTop, std::max<qreal>(1, size.width() - kLeft - kLegendWidth),
                std::max<qreal>(1, size.height() - kTop - kBottom));
}

QRectF OperatingMapPicture::CellOf(int ix, int iy, const QSize& size) const {
  const QRectF area = PlotArea(size);
  const qreal w = area.width() / x_.Count();
  const qreal h = area.height() / y_.Count();
  // The first Y value at the bottom.
  return QRectF(area.left() + ix * w, area.bottom() - (iy + 1) * h, w, h);
}

std::optional<std::pair<int, int>> OperatingMapPicture::NodeAt(const QPointF& point,
                                                               const QSize& size) const {
  const QRectF area = PlotArea(size);
  if (!area.contains(point) || nodes_.empty()) return std::nullopt;
  const int ix = static_cast<int>((point.x() - area.left()) / area.width() * x_.Count());
  const int iy = static_cast<int>((area.bottom() - point.y()) / area.height() * y_.Count());
  if (ix < 0 || iy < 0 || ix >= x_.Count() || iy >= y_.Count()) return std::nullopt;
  return std::make_pair(ix, iy);
}

std::pair<long double, long double> OperatingMapPicture::Range() const {
  long double low = INFINITY, high = -INFINITY;
  for (const MapNode& node : nodes_) {
    if (const auto v = ValueOf(node, quantity_); v && std::isfinite(static_cast<double>(*v))) {
      low = std::min(low, *v);
      high = std::max(high, *v);
    }
  }
  if (low > high) return {0, 1};
  return {low, high};
}

QColor OperatingMapPicture::ColourOf(const MapNode& node, long double low, long double high) const {
  const std::optional<long double> v = ValueOf(node, quantity_);
  if (!node.Done) return Qt::white;
  if (!v) return kUnbalancedColour;
  if (quantity_ == MapQuantity::Stability) return *v > 0 ? kStableColour : kUnstableColour;
  const double t = high > low ? static_cast<double>((*v - low) / (high - low)) : 0.5;
  return ScaleColour(t);
}

void OperatingMapPicture::Paint(QPainter& painter, const QSize& size) const {
  painter.save();
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  if (nodes_.size() != static_cast<std::size_t>(x_.Count() * y_.Count())) {
    painter.restore();
    return;
  }
  const auto [low, high] = Range();
  for (int iy = 0; iy < y_.Count(); ++iy) {
    for (int ix = 0; ix < x_.Count(); ++ix) {
      const MapNode& node = Node(ix, iy);
      const QRectF cell = CellOf(ix, iy, size);
      // A hair wider, so that no seam shows between neighbouring cells.
      painter.fillRect(cell.adjusted(0, 0, 0.5, 0.5), ColourOf(node, low, high));
      if (node.Done && !node.Balance.Converged) {
        painter.setPen(QPen(Qt::black, 1));
        const QRectF mark = cell.adjusted(cell.width() * 0.25, cell.height() * 0.25,
                                          -cell.width() * 0.25, -cell.height() * 0.25);
        painter.drawLine(mark.topLeft(), mark.bottomRight());
        painter.drawLine(mark.topRight(), mark.bottomLeft());
      }
    }
  }
  PaintOutline(painter, size);
  const QRectF area = PlotArea(size);
  PaintAxes(painter, area);
  PaintLegend(painter, area, low, high);
  painter.restore();
}

void OperatingMapPicture::PaintOutline(QPainter& painter, const QSize& size) const {
  // The edges between a cell of the good region and one outside it (or the map's border).
  const auto good = [this](int ix, int iy) {
    if (ix < 0 || iy < 0 || ix >= x_.Count() || iy >= y_.Count()) return false;
    return InGoodRegion(Node(ix, iy));
  };
  std::vector<QLineF> edges;
  for (int iy = 0; iy < y_.Count(); ++iy) {
    for (int ix = 0; ix < x_.Count(); ++ix) {
      if (!good(ix, iy)) continue;
      const QRectF c = CellOf(ix, iy, size);
      if (!good(ix - 1, iy)) edges.emplace_back(c.topLeft(), c.bottomLeft());
      if (!good(ix + 1, iy)) edges.emplace_back(c.topRight(), c.bottomRight());
      if (!good(ix, iy - 1)) edges.emplace_back(c.bottomLeft(), c.bottomRight());
      if (!good(ix, iy + 1)) edges.emplace_back(c.topLeft(), c.topRight());
    }
  }
  // White under black: the line shows on dark and light colours alike.
  painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::SquareCap));
  painter.drawLines(edges.data(), static_cast<int>(edges.size()));
  painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap));
  painter.drawLines(edges.data(), static_cast<int>(edges.size()));
}

void OperatingMapPicture::PaintAxes(QPainter& painter, const QRectF& area) const {
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area);
  const QFontMetricsF metrics(painter.font());
  const qreal line = metrics.height();
  // The two ends of each axis and its setting's name.
  const auto name = [](const MapAxis& axis) {
    return QString::fromUtf8(axis.Setting.Name.data(),
                             static_cast<qsizetype>(axis.Setting.Name.size()));
  };
  const qreal w = area.width() / x_.Count();
  const qreal h = area.height() / y_.Count();
  painter.drawText(QRectF(area.left(), area.bottom() + 2, w * 4, line),
                   Qt::AlignLeft | Qt::AlignTop, Number(x_.From));
  painter.drawText(QRectF(area.right() - w * 4, area.bottom() + 2, w * 4, line),
                   Qt::AlignRight | Qt::AlignTop, Number(x_.To));
  painter.drawText(QRectF(area.left(), area.bottom() + 2 + line, area.width(), line),
                   Qt::AlignHCenter | Qt::AlignTop, name(x_));
  painter.drawText(QRectF(0, area.bottom() - h / 2 - line / 2, kLeft - 4, line),
                   Qt::AlignRight | Qt::AlignVCenter, Number(y_.From));
  painter.drawText(QRectF(0, area.top() + h / 2 - line / 2, kLeft - 4, line),
                   Qt::AlignRight | Qt::AlignVCenter, Number(y_.To));
  painter.drawText(QRectF(0, area.center().y() - line / 2, kLeft - 4, line),
                   Qt::AlignRight | Qt::AlignVCenter, name(y_));
}

void OperatingMapPicture::PaintLegend(QPainter& painter, const QRectF& area, long double low,
                                      long double high) const {
  const QFontMetricsF metrics(painter.font());
  const qreal line = metrics.height();
  const qreal left = area.right() + 12;
  const qreal textLeft = left + kLegendBar + 6;
  const qreal textWidth = kLegendWidth - 12 - kLegendBar - 6;
  qreal y = area.top();
  painter.setPen(Qt::black);
  painter.drawText(QRectF(left, y, kLegendWidth - 12, line * 2), Qt::AlignLeft | Qt::TextWordWrap,
                   words_.Quantity);
  y += line * 2 + 4;
  const auto swatch = [&](const QColor& colour, const QString& text, bool crossed) {
    const QRectF box(left, y, kLegendBar, line);
    painter.fillRect(box, colour);
    painter.setPen(Qt::black);
    painter.drawRect(box);
    if (crossed) {
      painter.drawLine(box.topLeft(), box.bottomRight());
      painter.drawLine(box.topRight(), box.bottomLeft());
    }
    painter.drawText(QRectF(textLeft, y, textWidth, line * 2), Qt::AlignLeft | Qt::TextWordWrap,
                     text);
    y += line * 2;
  };
  if (quantity_ == MapQuantity::Stability) {
    swatch(kStableColour, words_.Stable, false);
    swatch(kUnstableColour, words_.Unstable, false);
  } else {
    // The colour bar, the highest value at the top.
    const qreal barHeight = std::max<qreal>(line * 4, area.height() * 0.4);
    for (int i = 0; i < kLegendSteps; ++i) {
      const qreal top = y + barHeight * i / kLegendSteps;
      painter.fillRect(QRectF(left, top, kLegendBar, barHeight / kLegendSteps + 0.5),
                       ScaleColour(1.0 - (i + 0.5) / kLegendSteps));
    }
    painter.setPen(Qt::black);
    painter.drawRect(QRectF(left, y, kLegendBar, barHeight));
    painter.drawText(QRectF(textLeft, y, textWidth, line), Qt::AlignLeft | Qt::AlignTop,
                     Number(high));
    painter.drawText(QRectF(textLeft, y + barHeight - line, textWidth, line),
                     Qt::AlignLeft | Qt::AlignBottom, Number(low));
    y += barHeight + 6;
  }
  swatch(kUnbalancedColour, words_.Unbalanced, true);
  // The outline's sample.
  painter.setPen(QPen(Qt::black, 2));
  painter.drawLine(QPointF(left, y + line / 2), QPointF(left + kLegendBar, y + line / 2));
  painter.drawText(QRectF(textLeft, y, textWidth, line * 3), Qt::AlignLeft | Qt::TextWordWrap,
                   words_.GoodRegion);
}

std::optional<QByteArray> OperatingMapPicture::PngBytes(const QSize& size) const {
  return PictureEncoding::Png(AsPainting(), size);
}

std::optional<QByteArray> OperatingMapPicture::SvgBytes(const QSize& size,
                                                        const QString& title) const {
  return PictureEncoding::Svg(AsPainting(), size, title);
}

std::optional<QString> OperatingMapPicture::Save(const QString& path, const QSize& size,
                                                 const QString& title,
                                                 const AtomicFileWriter& writer) const {
  return PictureEncoding::Save(AsPainting(), path, size, title, writer);
}

PictureEncoding::Painting OperatingMapPicture::AsPainting() const {
  return [this](QPainter& painter, const QSize& size) { Paint(painter, size); };
}
