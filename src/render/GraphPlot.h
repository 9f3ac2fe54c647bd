#pragma once

#include <functional>
#include <span>

#include <QColor>

class ScaledCanvas;

// The curves of the coefficient graphs, drawn on a canvas whose world ranges are set.
namespace GraphPlot {

struct WorldPoint {
  long double X;
  long double Y;
};

// A curve: a polyline of width 2 through the points with a dot of width 5 at every point,
// the first point getting only its dot. `afterDot` runs after the dot of every point but
// the first; the polyline goes on from the point afterwards.
void Curve(ScaledCanvas& canvas, std::span<const WorldPoint> points, const QColor& colour,
           const std::function<void(const WorldPoint&)>& afterDot = {});
// A point of a curve as an ordinary dot, and as a marked one (a white dot over it).
void PlainDot(ScaledCanvas& canvas, long double x, long double y, const QColor& colour);
void MarkDot(ScaledCanvas& canvas, long double x, long double y);

}  // namespace GraphPlot
