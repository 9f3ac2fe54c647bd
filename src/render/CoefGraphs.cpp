#include "CoefGraphs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include <QColor>
#include <QPainter>
#include <QString>

#include "GraphPlot.h"
#include "ScaledCanvas.h"
#include "model/CoefTable.h"
#include "numbers/Rounding.h"

namespace {

using GraphPlot::WorldPoint;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);
const QColor kGrey(128, 128, 128);

constexpr long double kAngleMin = -10;
constexpr long double kAngleExtent = 110;

std::vector<long double> ColumnOf(const CoefTable& table, int column) {
  std::vector<long double> values;
  for (int r = 0; r < table.Count; ++r)
    values.push_back(table.At(r, column));
  return values;
}

long double Largest(const std::vector<long double>& values) {
  long double largest = 0;
  for (long double v : values)
    largest = std::max(largest, v);
  return largest;
}

bool Plotted(ScaledCanvas& canvas, const CoefTable& table) {
  canvas.Clear();
  if (table.Count > 1 && table.Count <= table.Capacity()) return true;
  canvas.Finish();
  return false;
}

}  // namespace

namespace CoefGraphs {

void DrawHydro(ScaledCanvas& canvas, const CoefTable& table) {
  if (!Plotted(canvas, table)) return;
  const std::vector<long double> angle = ColumnOf(table, 0);
  const std::array<std::vector<long double>, 3> coefs = {ColumnOf(table, 1), ColumnOf(table, 2),
                                                         ColumnOf(table, 3)};
  std::vector<long double> all;
  for (const auto& column : coefs)
    all.insert(all.end(), column.begin(), column.end());
  long double low = 0;
  long double high = 0;
  RangeMinMax(all, 0, static_cast<int>(all.size()) - 1, low, high);
  canvas.XMin = kAngleMin;
  canvas.XExtent = kAngleExtent;
  // One step below the lowest value and two above the highest, as the editor shows it.
  const long double step = AxisStep(high - low);
  const long double lower = step * std::trunc(low / step) - step;
  const long double upper = step * std::trunc(high / step) + 2 * step;
  canvas.YMin = lower;
  canvas.YExtent = upper - lower;
  canvas.DrawGrid(0, 3, 10, step);
  const std::array<QColor, 3> colours = {kRed, kBlue, kGreen};
  const std::array<const char*, 3> names = {"Cx", "Cy", "Cd"};
  for (std::size_t k = 0; k < coefs.size(); ++k) {
    std::vector<WorldPoint> points;
    for (std::size_t i = 0; i < angle.size(); ++i)
      points.push_back({angle[i], coefs[k][i]});
    GraphPlot::Curve(canvas, points, colours[k]);
    const QString name = QString::fromLatin1(names[k]);
    canvas.TextOut(name, points.back().X + canvas.WorldTextWidth("0") / 2,
                   points.back().Y - canvas.WorldTextHeight(name) / 2);
  }
  canvas.Finish();
}

void DrawKeel(ScaledCanvas& canvas, const CoefTable& table) {
  if (!Plotted(canvas, table)) return;
  const std::vector<long double> depth = ColumnOf(table, 0);
  const std::vector<long double> chord = ColumnOf(table, 1);
  const std::vector<long double> thickness = ColumnOf(table, 2);
  // A table without any positive width or depth borrows the other measure, or 1 m.
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
  canvas.SetEqualScaleRegion(-0.6L * width, 1.2L * width, 0, 1.5L * zMax);
  QPainter* painter = canvas.DrawCanvas();
  const QPen greyPen(kGrey, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter->setPen(greyPen);
  canvas.Line(kGrey, 0, canvas.YMin + 0.1L * canvas.YExtent, 0,
              canvas.YMin + 0.9L * canvas.YExtent);
  const auto outline = [&](const std::vector<long double>& measure, long double side) {
    std::vector<WorldPoint> points;
    for (std::size_t i = 0; i < depth.size(); ++i)
      points.push_back({side * measure[i] / 2, depth[i]});
    return points;
  };
  GraphPlot::Curve(canvas, outline(chord, 1), kRed, [&](const WorldPoint& point) {
    painter->setPen(greyPen);
    canvas.Line(kGrey, 0.55L * width, point.Y, -0.55L * width, point.Y);
  });
  GraphPlot::Curve(canvas, outline(chord, -1), kRed);
  GraphPlot::Curve(canvas, outline(thickness, 1), kBlue);
  GraphPlot::Curve(canvas, outline(thickness, -1), kBlue);
  canvas.Finish();
}

}  // namespace CoefGraphs
