#include "GraphPlot.h"

#include <QPainter>
#include <QPen>

#include "ScaledCanvas.h"

namespace GraphPlot {

void Curve(ScaledCanvas& canvas, std::span<const WorldPoint> points, const QColor& colour,
           const std::function<void(const WorldPoint&)>& afterDot) {
  QPainter* painter = canvas.DrawCanvas();
  const QPen pen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) {
      painter->setPen(pen);
      canvas.MoveTo(points[i - 1].X, points[i - 1].Y);
      canvas.LineTo(points[i].X, points[i].Y);
    }
    PlainDot(canvas, points[i].X, points[i].Y, colour);
    if (i > 0 && afterDot) afterDot(points[i]);
  }
}

void PlainDot(ScaledCanvas& canvas, long double x, long double y, const QColor& colour) {
  canvas.Dot(x, y, 5, colour);
}

void MarkDot(ScaledCanvas& canvas, long double x, long double y) {
  canvas.Dot(x, y, 3, Qt::white);
}

}  // namespace GraphPlot
