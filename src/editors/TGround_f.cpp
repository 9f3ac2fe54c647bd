#include "TGround_f.h"

#include <algorithm>

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "model/TBoard.h"

namespace {

const QColor kCxColour(255, 0, 0);

constexpr long double kAngleExtent = 90;

constexpr int kClientWidth = 446;
constexpr int kClientHeight = 326;
constexpr int kMargin = 8;
constexpr int kButtonHeight = 27;
constexpr int kButtonWidth = 66;

std::vector<TableEditor::Column> GroundColumns() {
  return {
      {"Angle", "Angle", "Attack angle of keel, [degree]", "0", true, 5, 2, 0, 90, 0},
      {"Cx", "Cx", "Coefficient of Ground-dynamical Resistance Force", "0.1", true, 6, 3, 0, 90, 0},
  };
}

}  // namespace

TGround_f::TGround_f(DoorDocument& document, HelpBrowser& help, QWidget* parent)
    : TableEditor(document, help, parent, "Ground_f", "Ground-dynamical coefficients",
                  GroundColumns()) {
  setFixedSize(kClientWidth, kClientHeight);
  BuildGrid(this);
  BuildButtons(this);
  BuildGraph(this, ScPic::itBitmap);
  OKBtn->setDefault(true);
  LabelCx = AddLabel(this, "LabelCx", "Cx", kCxColour, true);
  LabelAxis = AddLabel(this, "LabelAxis", "Angle,degree");
  LabelAxis->setAlignment(Qt::AlignCenter);

  const int buttonTop = kClientHeight - kMargin - kButtonHeight;
  const int gridTop = kMargin + kAboveGrid;
  PlaceGrid(kMargin, gridTop, buttonTop - kMargin - gridTop);
  Button1->setGeometry(kMargin, buttonTop, kButtonWidth, kButtonHeight);
  Button3->setGeometry(kMargin + kButtonWidth + 6, buttonTop, kButtonWidth, kButtonHeight);
  HelpBtn->setGeometry(kClientWidth - kMargin - kButtonWidth, buttonTop, kButtonWidth,
                       kButtonHeight);
  CancelBtn->setGeometry(kClientWidth - kMargin - 2 * kButtonWidth - 6, buttonTop, kButtonWidth,
                         kButtonHeight);
  OKBtn->setGeometry(kClientWidth - kMargin - 3 * kButtonWidth - 12, buttonTop, kButtonWidth,
                     kButtonHeight);

  const int left = kMargin + GridWidth() + kMargin + 52;
  const QRect graph(QPoint(left, kMargin),
                    QPoint(kClientWidth - kMargin - 30, buttonTop - kMargin - 38));
  ScPic1->setGeometry(graph);
  PlaceCorners(graph);
  LabelAxis->setGeometry(graph.left(), graph.bottom() + 20, graph.width(), 16);
  LabelCx->setGeometry(graph.right() + 6, graph.top(), 28, 18);
  FinishCreation();
}

CoefTable& TGround_f::ModelTable() const {
  return Board.Ground;
}

void TGround_f::PaintGrp() {
  // 1. The bitmap fitted to the control, filled with the canvas brush.
  ScPic1->Clear();
  QPainter* canvas = ScPic1->DrawCanvas();
  canvas->fillRect(QRect(0, 0, ScPic1->width(), ScPic1->height()), canvas->brush());
  const int rows = RowCount();
  if (rows <= 1) {
    ScPic1->Finish();
    return;
  }
  // 2.
  const std::vector<long double> angle = ColumnValues(0);
  const std::vector<long double> cx = ColumnValues(1);
  const long double largest = Largest(cx);
  // 3. From 0 up to a tenth above the largest coefficient. Without any positive one the
  // range reaches down to a tenth below the smallest and a little above 0; all zeros get 0..1.
  ScPic1->XMin = 0;
  ScPic1->XExtent = kAngleExtent;
  if (largest > 0) {
    ScPic1->YMin = 0;
    ScPic1->YExtent = 1.1L * largest;
  } else {
    const long double smallest = *std::min_element(cx.begin(), cx.end());
    if (smallest < 0) {
      ScPic1->YMin = 1.1L * smallest;
      ScPic1->YExtent = -1.2L * smallest;
    } else {
      ScPic1->YMin = 0;
      ScPic1->YExtent = 1;
    }
  }
  // 4.
  std::vector<WorldPoint> points;
  for (std::size_t i = 0; i < angle.size(); ++i)
    points.push_back({angle[i], cx[i]});
  PlotCurve(points, kCxColour);
  // 5.
  LabelYMin->setText(CornerText(ScPic1->YMin));
  LabelYMax->setText(CornerText(ScPic1->YMin + ScPic1->YExtent));
  LabelXMax->setText(CornerText(kAngleExtent));
  // 6.
  PaintPnt();
  ScPic1->Finish();
}

void TGround_f::PaintPnt() {
  const int rows = RowCount();
  if (rows <= 1) return;  // nothing is plotted, so nothing is marked
  // 1. A row deleted since has no point to restore.
  if (FMarkedRow < rows) PlainDot(CellValue(FMarkedRow, 0), CellValue(FMarkedRow, 1), kCxColour);
  // 2.
  const int selected = SelectedRow();
  MarkDot(CellValue(selected, 0), CellValue(selected, 1));
  // 3.
  FMarkedRow = selected;
  ScPic1->Finish();
}
