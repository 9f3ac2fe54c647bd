#include "SweepPlot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include <QHelpEvent>
#include <QToolTip>

#include "UserLocale.h"
#include "lang/MessageTables.h"
#include "numbers/NiceTicks.h"

namespace {

constexpr int kLeftMargin = 56;
constexpr int kRightMargin = 12;
constexpr int kTopMargin = 16;
constexpr int kBottomMargin = 30;
constexpr int kBandGap = 18;
constexpr int kTicks = 4;
constexpr int kLegendHeight = 16;  // a strip over each band for its title and legend
constexpr double kHintReach = 8;   // pixels from a value's column its tool tip answers

struct Curve {
  TextKey Name;
  long double SweepPoint::*Field;
  QColor Colour;
};

struct Band {
  TextKey Title;
  std::vector<Curve> Curves;
};

const std::vector<Band>& Bands() {
  static const std::vector<Band> kBands = {
      {SweepTexts::kAnglesBand,
       {{SweepTexts::kAttack, &SweepPoint::WingAttackDeg, QColor(0, 0, 0)},
        {{"x", "x"}, &SweepPoint::RotX, QColor(200, 40, 40)},
        {{"y", "y"}, &SweepPoint::RotY, QColor(30, 140, 40)},
        {{"z", "z"}, &SweepPoint::RotZ, QColor(30, 70, 200)}}},
      {SweepTexts::kForcesBand,
       {{SweepTexts::kSpread, &SweepPoint::SpreadKN, QColor(30, 70, 200)},
        {SweepTexts::kResistance, &SweepPoint::ResistanceKN, QColor(200, 40, 40)},
        {SweepTexts::kVertical, &SweepPoint::VerticalKN, QColor(30, 140, 40)}}},
      {SweepTexts::kRatioBand,
       {{SweepTexts::kRatio, &SweepPoint::SpreadOverResistance, QColor(120, 40, 160)}}},
  };
  return kBands;
}

// A tick's value with the decimals of its axis's step: "0.5", "1.0", "1.5".
QString Tick(long double value, int decimals) {
  const std::string pattern = decimals > 0 ? "0." + std::string(decimals, '0') : "0";
  return UserNumberText(pattern.c_str(), value);
}

}  // namespace

SweepPlot::SweepPlot(QWidget* parent) : QWidget(parent) {
  setObjectName("SweepPlot");
  setMinimumSize(320, 200);
  setAutoFillBackground(false);
}

void SweepPlot::SetAxis(const QString& variable, long double from, long double to) {
  variable_ = variable;
  from_ = from;
  to_ = to;
  update();
}

void SweepPlot::SetPoints(const std::vector<SweepPoint>& points) {
  points_ = points;
  update();
}

void SweepPlot::SetPointHint(const std::function<QString(const SweepPoint&)>& hint) {
  hint_ = hint;
}

const SweepPoint* SweepPlot::PointAt(int x) const {
  const int plotWidth = std::max(10, width() - kLeftMargin - kRightMargin);
  const long double xLow = std::min(from_, to_);
  long double xSpan = std::fabs(to_ - from_);
  if (!(xSpan > 0)) xSpan = 1;
  const SweepPoint* nearest = nullptr;
  double distance = kHintReach;
  for (const SweepPoint& p : points_) {
    const double at = kLeftMargin + static_cast<double>((p.Value - xLow) / xSpan) * plotWidth;
    if (std::fabs(at - x) <= distance) {
      distance = std::fabs(at - x);
      nearest = &p;
    }
  }
  return nearest;
}

bool SweepPlot::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const SweepPoint* point = PointAt(help->pos().x());
    if (point != nullptr && hint_) {
      QToolTip::showText(help->globalPos(), hint_(*point), this);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

void SweepPlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  Paint(painter, size());
}

void SweepPlot::Paint(QPainter& painter, const QSize& size) const {
  painter.save();
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  QFont font = painter.font();
  font.setPointSize(8);
  painter.setFont(font);
  const QFontMetrics metrics(font);

  const std::vector<Band>& bands = Bands();
  const int count = static_cast<int>(bands.size());
  const int plotWidth = std::max(10, size.width() - kLeftMargin - kRightMargin);
  const int bandHeight =
      std::max(kLegendHeight + 20,
               (size.height() - kTopMargin - kBottomMargin - (count - 1) * kBandGap) / count);
  const long double xLow = std::min(from_, to_);
  long double xSpan = std::fabs(to_ - from_);
  if (!(xSpan > 0)) xSpan = 1;
  const auto xPixel = [&](long double value) {
    return kLeftMargin + static_cast<double>((value - xLow) / xSpan) * plotWidth;
  };

  for (int b = 0; b < count; ++b) {
    const Band& band = bands[static_cast<std::size_t>(b)];
    const QRect area(kLeftMargin, kTopMargin + b * (bandHeight + kBandGap), plotWidth, bandHeight);
    // The band's value range from its finite values; a flat range is widened.
    long double low = std::numeric_limits<long double>::infinity();
    long double high = -low;
    for (const SweepPoint& p : points_)
      for (const Curve& c : band.Curves) {
        const long double v = p.*(c.Field);
        if (!std::isfinite(v)) continue;
        low = std::min(low, v);
        high = std::max(high, v);
      }
    if (!(low <= high)) {
      low = 0;
      high = 1;
    }
    // The band's axis ends and ticks on nice values around its data.
    const NiceTicks axis = NiceTicks::For(low, high, kTicks);
    low = axis.Low;
    high = axis.High;
    const auto yPixel = [&](long double value) {
      return area.bottom() - static_cast<double>((value - low) / (high - low)) * area.height();
    };

    for (const long double v : axis.Values()) {
      const double y = yPixel(v);
      painter.setPen(QColor(225, 225, 225));
      painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
      painter.setPen(QColor(80, 80, 80));
      painter.drawText(QRectF(0, y - 8, kLeftMargin - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                       Tick(v, axis.Decimals()));
    }
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);

    // Legend along the band's top.
    int legendX = area.left() + 6;
    painter.setPen(QColor(40, 40, 40));
    const int legendBase = area.top() - kLegendHeight + metrics.ascent() + 1;
    const QString title = QString::fromStdString(texts_.Text(band.Title));
    painter.drawText(QPoint(legendX, legendBase), title);
    legendX += metrics.horizontalAdvance(title) + 12;
    for (const Curve& c : band.Curves) {
      painter.setPen(QPen(c.Colour, 2));
      const int y = legendBase - metrics.ascent() / 3;
      painter.drawLine(legendX, y, legendX + 14, y);
      const QString name = QString::fromStdString(texts_.Text(c.Name));
      painter.drawText(QPoint(legendX + 18, legendBase), name);
      legendX += 18 + metrics.horizontalAdvance(name) + 12;
    }

    painter.save();
    painter.setClipRect(area.adjusted(-4, -4, 4, 4));
    for (const Curve& c : band.Curves) {
      QPainterPath path;
      bool open = false;
      for (const SweepPoint& p : points_) {
        const long double v = p.*(c.Field);
        if (!std::isfinite(v)) {
          open = false;
          continue;
        }
        const QPointF at(xPixel(p.Value), yPixel(v));
        if (open) {
          path.lineTo(at);
        } else {
          path.moveTo(at);
          open = true;
        }
      }
      painter.setPen(QPen(c.Colour, 1.6));
      painter.setBrush(Qt::NoBrush);
      painter.drawPath(path);
      for (const SweepPoint& p : points_) {
        const long double v = p.*(c.Field);
        if (!std::isfinite(v)) continue;
        const QPointF at(xPixel(p.Value), yPixel(v));
        if (p.Converged) {
          painter.setPen(Qt::NoPen);
          painter.setBrush(c.Colour);
          painter.drawEllipse(at, 2.0, 2.0);
        } else {
          painter.setPen(QPen(QColor(230, 0, 0), 1.5));
          painter.setBrush(Qt::NoBrush);
          painter.drawEllipse(at, 4.5, 4.5);
        }
      }
    }
    painter.restore();
  }

  // The value axis under the last band.
  const int axisY = kTopMargin + count * bandHeight + (count - 1) * kBandGap;
  painter.setPen(QColor(80, 80, 80));
  // Ticks on nice values inside the swept range.
  const NiceTicks values = NiceTicks::For(xLow, xLow + xSpan, kTicks + 1);
  for (const long double v : values.Values()) {
    if (v < xLow - xSpan * 1e-9L || v > xLow + xSpan * (1 + 1e-9L)) continue;
    const double x = xPixel(v);
    painter.drawLine(QPointF(x, axisY), QPointF(x, axisY + 3));
    painter.drawText(QRectF(x - 40, axisY + 3, 80, 14), Qt::AlignHCenter | Qt::AlignTop,
                     Tick(v, values.Decimals()));
  }
  painter.drawText(QRect(kLeftMargin, axisY + 15, plotWidth, 14), Qt::AlignHCenter | Qt::AlignTop,
                   variable_ + QStringLiteral("   ") +
                       QString::fromStdString(texts_.Text(SweepTexts::kNotBalancedMark)));
  painter.restore();
}
