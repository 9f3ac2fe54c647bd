#include "HydrodynamicEditor.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "CoefGraphs.h"
#include "model/TBoard.h"
#include "numbers/Rounding.h"

namespace {

using CoefGraphs::kCdColour;
using CoefGraphs::kCxColour;
using CoefGraphs::kCyColour;

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

HydrodynamicEditor::HydrodynamicEditor(DoorDocument& document, HelpBrowser& help, QWidget* parent)
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

CoefTable DoorInputs::*HydrodynamicEditor::ModelTable() const {
  return &DoorInputs::Hydro;
}

void HydrodynamicEditor::DrawGraph() {
  graph_->Clear();
  const int rows = RowCount();
  if (rows <= 1) {
    ShowEmptyGraph();
    return;
  }
  const std::vector<long double> angle = ColumnValues(0);
  const std::array<std::vector<long double>, 3> coefs = {ColumnValues(1), ColumnValues(2),
                                                         ColumnValues(3)};
  CoefGraphs::HydroCurves(*graph_, angle, coefs);
  // The corner values of both axes.
  xMinLabel_->setText(CornerText(CoefGraphs::kAngleMin));
  yMinLabel_->setText(CornerText(graph_->YMin));
  yMaxLabel_->setText(CornerText(graph_->YMin + graph_->YExtent));
  xMaxLabel_->setText(CornerText(CoefGraphs::kAngleMin + CoefGraphs::kAngleExtent));
  // The selected row is marked on all three curves.
  const auto selected = static_cast<std::size_t>(SelectedRow());
  for (const std::vector<long double>& column : coefs)
    MarkDot(angle[selected], column[selected]);
  graph_->Finish();
}
