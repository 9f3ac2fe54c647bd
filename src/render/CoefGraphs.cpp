#include "CoefGraphs.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QString>

#include "GraphPlot.h"
#include "ScaledCanvas.h"
#include "model/CoefTable.h"
#include "numbers/NiceTicks.h"
#include "numbers/Rounding.h"

namespace {

using GraphPlot::WorldPoint;

const QColor kGrey(128, 128, 128);

std::vector<long double> ColumnOf(const CoefTable& table, int column) {
  std::vector<long double> values;
  for (int r = 0; r < table.Count; ++r)
    values.push_back(table.At(r, column));
  return values;
}

long double Largest(std::span<const long double> values) {
  long double largest = 0;
  for (long double v : values)
    largest = std::max(largest, v);
  return largest;
}

// Clears the canvas; false, with the blank canvas finished, when there is nothing to plot.
bool Plotted(ScaledCanvas& canvas, const CoefTable& table) {
  canvas.Clear();
  if (table.Count > 1 && table.Count <= table.Capacity()) return true;
  canvas.Finish();
  return false;
}

}  // namespace

namespace CoefGraphs {

void HydroCurves(ScaledCanvas& canvas, std::span<const long double> angle,
                 const std::array<std::vector<long double>, 3>& coefs) {
  std::vector<long double> all;
  for (const std::vector<long double>& column : coefs)
    all.insert(all.end(), column.begin(), column.end());
  long double low = 0;
  long double high = 0;
  RangeMinMax(all, 0, static_cast<int>(all.size()) - 1, low, high);
  // Angles every ten degrees; the coefficients on nice values around the data.
  NiceTicks angles;
  angles.Low = kAngleMin;
  angles.High = kAngleMin + kAngleExtent;
  angles.Step = 10;
  // Room at the right for the curves' names.
  canvas.MarginRight =
      canvas.DrawCanvas()->fontMetrics().horizontalAdvance(QStringLiteral("Cx")) + 4;
  canvas.DrawAxes(angles, NiceTicks::For(low, high, 6));
  // Each curve is named at its last point.
  const std::array<QColor, 3> colours = {kCxColour, kCyColour, kCdColour};
  const std::array<const char*, 3> names = {"Cx", "Cy", "Cd"};
  for (std::size_t k = 0; k < coefs.size(); ++k) {
    std::vector<WorldPoint> points;
    for (std::size_t i = 0; i < angle.size(); ++i)
      points.push_back({angle[i], coefs[k][i]});
    GraphPlot::Curve(canvas, points, colours[k]);
    const QString name = QString::fromLatin1(names[k]);
    const WorldPoint& last = points.back();
    // Beside its last point, but inside the plot: never over the tick labels below it.
    const long double height = std::fabs(canvas.WorldTextHeight(name));
    const long double top =
        std::clamp(last.Y + height / 2, canvas.YMin + height, canvas.YMin + canvas.YExtent);
    canvas.TextOut(name, last.X + canvas.WorldTextWidth("0") / 2, top);
  }
}

void KeelCurves(ScaledCanvas& canvas, std::span<const long double> depth,
                std::span<const long double> chord, std::span<const long double> thickness) {
  // A table without any positive width or depth has no size of its own: the other measure
  // stands in for it, or 1 m when there is neither.
  long double width = std::max(Largest(chord), Largest(thickness));
  long double zMax = Largest(depth);
  if (!(width > 0) && !(zMax > 0)) {
    width = 1;
    zMax = 1;
  } else if (!(width > 0)) {
    width = zMax;
  } else if (!(zMax > 0)) {
    zMax = width;
  }
  QPainter* painter = canvas.DrawCanvas();
  painter->fillRect(QRect(QPoint(0, 0), canvas.SurfaceSize()), painter->brush());
  // Half the widths to either side of the middle line, the depths up from the keel's foot,
  // each axis on nice values that just hold the data.
  canvas.DrawAxes(NiceTicks::For(-0.55L * width, 0.55L * width, 6), NiceTicks::For(0, zMax, 5));
  const QPen greyPen(kGrey, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  // The four outlines; the chord's right side draws a depth line across at each point.
  const auto outline = [&](std::span<const long double> measure, long double side) {
    std::vector<WorldPoint> points;
    for (std::size_t i = 0; i < depth.size(); ++i)
      points.push_back({side * measure[i] / 2, depth[i]});
    return points;
  };
  GraphPlot::Curve(canvas, outline(chord, 1), kChordColour, [&](const WorldPoint& point) {
    painter->setPen(greyPen);
    canvas.Line(kGrey, 0.55L * width, point.Y, -0.55L * width, point.Y);
  });
  GraphPlot::Curve(canvas, outline(chord, -1), kChordColour);
  GraphPlot::Curve(canvas, outline(thickness, 1), kThicknessColour);
  GraphPlot::Curve(canvas, outline(thickness, -1), kThicknessColour);
}

void DrawHydro(ScaledCanvas& canvas, const CoefTable& table) {
  if (!Plotted(canvas, table)) return;
  HydroCurves(canvas, ColumnOf(table, 0),
              {ColumnOf(table, 1), ColumnOf(table, 2), ColumnOf(table, 3)});
  canvas.Finish();
}

void DrawKeel(ScaledCanvas& canvas, const CoefTable& table) {
  if (!Plotted(canvas, table)) return;
  KeelCurves(canvas, ColumnOf(table, 0), ColumnOf(table, 1), ColumnOf(table, 2));
  canvas.Finish();
}

}  // namespace CoefGraphs
