#include "THydro_f.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

#include "model/TBoard.h"
#include "numbers/Rounding.h"

namespace {

const QColor kCxColour(255, 0, 0);
const QColor kCyColour(0, 0, 255);
const QColor kCdColour(0, 128, 0);

constexpr long double kAngleMin = -10;
constexpr long double kAngleExtent = 110;

constexpr int kButtonHeight = 27;
constexpr int kButtonWidth = 75;
constexpr int kMargin = 8;

// A wing table holds rows at 0 and 90 degrees and a zero spread coefficient, so the checks of
// the entry fields take the ends of their intervals in.
std::vector<TableEditor::Column> HydroColumns() {
  return {
      {"Angle", "Angle", "Attack angle of wing, [degree]", "0", true, 5, 2, 0, 90, 0, true},
      {"Cx", "Cx", "Coefficient of Hydrodynamical Resistance Force", "0.1", true, 5, 3, 0, 5, 0.5,
       true},
      {"Cy", "Cy", "Coefficient of Hydrodynamical Spread Force", "0.01", true, 5, 3, 0, 5, 0.5,
       true},
      {"Cd", "Cd", "Coefficient of Hydrodynamical Force Application Point", "0.5", true, 5, 3, 0, 1,
       0.5, true},
  };
}

}  // namespace

THydro_f::THydro_f(DoorDocument& document, HelpBrowser& help, QWidget* parent)
    : TableEditor(document, help, parent, "Hydro_f", "Hydrodynamic coefficients", HydroColumns()) {
  BuildGrid(this);
  BuildButtons(this);
  BuildGraph(this, ScPic::itMetafile);
  Button1->setDefault(true);
  LabelCx = AddLabel(this, "LabelCx", "Cx", kCxColour, true);
  LabelCy = AddLabel(this, "LabelCy", "Cy", kCyColour, true);
  LabelCd = AddLabel(this, "LabelCd", "Cd", kCdColour, true);
  LabelAxis = AddLabel(this, "LabelAxis", "Angle,degree");
  LabelAxis->setAlignment(Qt::AlignCenter);
  resize(543, 354);
  Layout();
  FinishCreation();
}

void THydro_f::resizeEvent(QResizeEvent* event) {
  TableEditor::resizeEvent(event);
  Layout();
}

// The grid grows in height and the graph in both directions; the buttons keep their distance
// to the bottom edge.
void THydro_f::Layout() {
  const int w = width();
  const int h = height();
  const int buttonTop = h - kMargin - kButtonHeight;
  const int gridTop = kMargin + kAboveGrid;
  PlaceGrid(kMargin, gridTop, buttonTop - kMargin - gridTop);

  Button1->setGeometry(kMargin, buttonTop, kButtonWidth, kButtonHeight);
  Button3->setGeometry(kMargin + kButtonWidth + 6, buttonTop, kButtonWidth, kButtonHeight);
  HelpBtn->setGeometry(w - kMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
  CancelBtn->setGeometry(w - kMargin - 2 * kButtonWidth - 6, buttonTop, kButtonWidth,
                         kButtonHeight);
  OKBtn->setGeometry(w - kMargin - 3 * kButtonWidth - 12, buttonTop, kButtonWidth, kButtonHeight);

  // Room for the corner labels at the left and under the graph, the legend at its right.
  const int left = kMargin + GridWidth() + kMargin + 52;
  const int right = w - kMargin - 30;
  const int bottom = buttonTop - kMargin - 38;
  const QRect graph(QPoint(left, kMargin),
                    QPoint(std::max(left + 10, right), std::max(kMargin + 10, bottom)));
  ScPic1->setGeometry(graph);
  PlaceCorners(graph);
  LabelAxis->setGeometry(graph.left(), graph.bottom() + 20, graph.width(), 16);
  const std::array<QLabel*, 3> legend = {LabelCx, LabelCy, LabelCd};
  for (std::size_t i = 0; i < legend.size(); ++i)
    legend[i]->setGeometry(graph.right() + 6, graph.top() + static_cast<int>(i) * 20, 28, 18);
}

CoefTable& THydro_f::ModelTable() const {
  return Board.Hydro;
}

void THydro_f::PaintGrp() {
  // 1.
  ScPic1->Clear();
  const int rows = RowCount();
  if (rows <= 1) {
    ShowEmptyGraph();
    return;
  }
  // 2.
  const std::vector<long double> angle = ColumnValues(0);
  const std::vector<std::vector<long double>> coefs = {ColumnValues(1), ColumnValues(2),
                                                       ColumnValues(3)};
  // 3. One range over the three coefficient columns together.
  std::vector<long double> all;
  for (const std::vector<long double>& column : coefs)
    all.insert(all.end(), column.begin(), column.end());
  long double low = 0;
  long double high = 0;
  RangeMinMax(all, 0, static_cast<int>(all.size()) - 1, low, high);
  // 4.
  ScPic1->XMin = kAngleMin;
  ScPic1->XExtent = kAngleExtent;
  // 5. One step below the lowest value and two above the highest: the extent is at least
  // three steps, never 0.
  const long double step = AxisStep(high - low);
  const long double lower = step * std::trunc(low / step) - step;
  const long double upper = step * std::trunc(high / step) + 2 * step;
  ScPic1->YMin = lower;
  ScPic1->YExtent = upper - lower;
  // 6.
  ScPic1->DrawGrid(0, 3, 10, step);
  // 7.
  const std::array<QColor, 3> colours = {kCxColour, kCyColour, kCdColour};
  const std::array<const char*, 3> names = {"Cx", "Cy", "Cd"};
  for (std::size_t k = 0; k < coefs.size(); ++k) {
    std::vector<WorldPoint> points;
    for (int r = 0; r < rows; ++r) {
      const auto i = static_cast<std::size_t>(r);
      points.push_back({angle[i], coefs[k][i]});
    }
    PlotCurve(points, colours[k]);
    const QString name = QString::fromLatin1(names[k]);
    const WorldPoint& last = points.back();
    ScPic1->TextOut(name, last.X + ScPic1->WorldTextWidth("0") / 2,
                    last.Y - ScPic1->WorldTextHeight(name) / 2);
  }
  // 8.
  LabelXMin->setText(CornerText(kAngleMin));
  LabelYMin->setText(CornerText(lower));
  LabelYMax->setText(CornerText(ScPic1->YMin + ScPic1->YExtent));
  LabelXMax->setText(CornerText(kAngleMin + kAngleExtent));
  // 9.
  const auto selected = static_cast<std::size_t>(SelectedRow());
  for (const std::vector<long double>& column : coefs)
    MarkDot(angle[selected], column[selected]);
  // 10.
  ScPic1->Finish();
}
