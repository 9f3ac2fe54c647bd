#include "GroundEditor.h"

#include <algorithm>

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/TBoard.h"
#include "numbers/NiceTicks.h"

namespace {

const QColor kCxColour(255, 0, 0);

constexpr long double kAngleExtent = 90;

constexpr QSize kGraphDesignSize(231, 220);

std::vector<TableEditor::Column> GroundColumns() {
  return {
      {"Angle", "Angle", "Attack angle of keel, [degree]", "0", true, 5, 2, 0, 90, 0},
      {"Cx", "Cx", "Coefficient of Ground-dynamical Resistance Force", "0.1", true, 6, 3, 0, 90, 0},
  };
}

}  // namespace

GroundEditor::GroundEditor(DoorDocument& document, HelpBrowser& help, QWidget* parent)
    : TableEditor(document, help, parent, "Ground_f", "Ground-dynamical coefficients",
                  GroundColumns()) {
  QGridLayout* table = BuildGrid(this);
  BuildButtons(this);
  QGridLayout* graph = BuildGraph(this, ScPic::itBitmap);
  okButton_->setDefault(true);
  cxLegend_ = AddLabel(this, "LabelCx", "Cx", kCxColour, true);
  axisTitle_ = AddLabel(this, "LabelAxis", "Angle,degree");
  axisTitle_->setAlignment(Qt::AlignCenter);
  graph->addWidget(cxLegend_, kGraphTopRow, kLegendColumn, Qt::AlignTop);
  graph->addWidget(axisTitle_, kAxisTitleRow, kGraphColumn);

  QVBoxLayout* root = ArrangeWindow(table, graph);
  // The bitmap keeps its design size; the dialog takes the size its layout asks for.
  graph_->setFixedSize(kGraphDesignSize);
  root->setSizeConstraint(QLayout::SetFixedSize);
  root->activate();
  FinishCreation();
}

CoefTable DoorInputs::*GroundEditor::ModelTable() const {
  return &DoorInputs::Ground;
}

void GroundEditor::DrawGraph() {
  // The bitmap fitted to the control, filled with the canvas brush.
  graph_->Clear();
  QPainter* canvas = graph_->DrawCanvas();
  canvas->fillRect(QRect(0, 0, graph_->width(), graph_->height()), canvas->brush());
  const int rows = RowCount();
  if (rows <= 1) {
    graph_->Finish();
    return;
  }
  const std::vector<long double> angle = ColumnValues(0);
  const std::vector<long double> cx = ColumnValues(1);
  // Angles every ten degrees; the coefficients from 0 (or below it, for negative ones) up to a
  // nice value above the largest, with a grid at every tick.
  const long double largest = Largest(cx);
  const long double smallest = *std::min_element(cx.begin(), cx.end());
  NiceTicks angles;
  angles.Low = 0;
  angles.High = kAngleExtent;
  angles.Step = 10;
  graph_->DrawAxes(angles, NiceTicks::For(std::min(0.0L, smallest), std::max(0.0L, largest), 5));
  std::vector<WorldPoint> points;
  for (std::size_t i = 0; i < angle.size(); ++i)
    points.push_back({angle[i], cx[i]});
  PlotCurve(points, kCxColour);
  // The corner values.
  yMinLabel_->setText(CornerText(graph_->YMin));
  yMaxLabel_->setText(CornerText(graph_->YMin + graph_->YExtent));
  xMaxLabel_->setText(CornerText(kAngleExtent));
  MoveMark();
  graph_->Finish();
}

void GroundEditor::MoveMark() {
  const int rows = RowCount();
  if (rows <= 1) return;  // nothing is plotted, so nothing is marked
  // A row deleted since has no point to restore.
  if (markedRow_ < rows) PlainDot(CellValue(markedRow_, 0), CellValue(markedRow_, 1), kCxColour);
  const int selected = SelectedRow();
  MarkDot(CellValue(selected, 0), CellValue(selected, 1));
  markedRow_ = selected;
  graph_->Finish();
}
