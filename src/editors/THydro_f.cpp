#include "THydro_f.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/TBoard.h"
#include "numbers/Rounding.h"

namespace {

const QColor kCxColour(255, 0, 0);
const QColor kCyColour(0, 0, 255);
const QColor kCdColour(0, 128, 0);

constexpr long double kAngleMin = -10;
constexpr long double kAngleExtent = 110;

// The graph's size in the window's default size.
constexpr QSize kGraphDesignSize(236, 240);

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
  QGridLayout* table = BuildGrid(this);
  BuildButtons(this);
  QGridLayout* graph = BuildGraph(this, ScPic::itMetafile);
  addButton_->setDefault(true);
  cxLegend_ = AddLabel(this, "LabelCx", "Cx", kCxColour, true);
  cyLegend_ = AddLabel(this, "LabelCy", "Cy", kCyColour, true);
  cdLegend_ = AddLabel(this, "LabelCd", "Cd", kCdColour, true);
  axisTitle_ = AddLabel(this, "LabelAxis", "Angle,degree");
  axisTitle_->setAlignment(Qt::AlignCenter);
  graph->addLayout(Stacked({cxLegend_, cyLegend_, cdLegend_}), kGraphTopRow, kLegendColumn,
                   Qt::AlignTop);
  graph->addWidget(axisTitle_, kAxisTitleRow, kGraphColumn);

  // The grid grows in height and the graph in both directions; the buttons keep their
  // distance to the bottom edge.
  ArrangeWindow(table, graph);

  graph_->setMinimumSize(kGraphDesignSize);
  resize(543, 354);
  FinishCreation();
}

CoefTable& THydro_f::ModelTable() const {
  return board_.Hydro;
}

void THydro_f::DrawGraph() {
  graph_->Clear();
  const int rows = RowCount();
  if (rows <= 1) {
    ShowEmptyGraph();
    return;
  }
  const std::vector<long double> angle = ColumnValues(0);
  const std::vector<std::vector<long double>> coefs = {ColumnValues(1), ColumnValues(2),
                                                       ColumnValues(3)};
  // One range over the three coefficient columns together.
  std::vector<long double> all;
  for (const std::vector<long double>& column : coefs)
    all.insert(all.end(), column.begin(), column.end());
  long double low = 0;
  long double high = 0;
  RangeMinMax(all, 0, static_cast<int>(all.size()) - 1, low, high);
  graph_->XMin = kAngleMin;
  graph_->XExtent = kAngleExtent;
  // One step below the lowest value and two above the highest: the extent is at least
  // three steps, never 0.
  const long double step = AxisStep(high - low);
  const long double lower = step * std::trunc(low / step) - step;
  const long double upper = step * std::trunc(high / step) + 2 * step;
  graph_->YMin = lower;
  graph_->YExtent = upper - lower;
  graph_->DrawGrid(0, 3, 10, step);
  // Each curve is named at its last point.
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
    graph_->TextOut(name, last.X + graph_->WorldTextWidth("0") / 2,
                    last.Y - graph_->WorldTextHeight(name) / 2);
  }
  // The corner values of both axes.
  xMinLabel_->setText(CornerText(kAngleMin));
  yMinLabel_->setText(CornerText(lower));
  yMaxLabel_->setText(CornerText(graph_->YMin + graph_->YExtent));
  xMaxLabel_->setText(CornerText(kAngleMin + kAngleExtent));
  // The selected row is marked on all three curves.
  const auto selected = static_cast<std::size_t>(SelectedRow());
  for (const std::vector<long double>& column : coefs)
    MarkDot(angle[selected], column[selected]);
  graph_->Finish();
}
