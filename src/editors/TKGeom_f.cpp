#include "TKGeom_f.h"

#include <algorithm>
#include <array>

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSplitter>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "model/TBoard.h"

namespace {

const QColor kChordColour(255, 0, 0);
const QColor kThicknessColour(0, 0, 255);
const QColor kGrey(128, 128, 128);

constexpr int kMargin = 8;
constexpr int kButtonHeight = 27;
constexpr int kButtonWidth = 75;
constexpr int kGraphPaneHeight = 145;

// A keel table starts at the tip, depth 0 and chord 0: the entry checks take their ends in.
std::vector<TableEditor::Column> KeelColumns() {
  return {
      {"Zi", "Zi", "Depth of keel in ground, [m]", "0", true, 6, 3, 0, 10, 0.01, true},
      {"Xi=f(Zi)", "Xi", "Chord of keel for given depth, [m]", "0.1", true, 6, 3, 0, 10, 0.5, true},
      {"Yi=f(Zi)", "Yi", "Thickness of keel for given depth, [m]", "0.01", true, 6, 3, 0, 10, 0.1,
       true},
  };
}

}  // namespace

TKGeom_f::TKGeom_f(DoorDocument& document, HelpBrowser& help, QWidget* parent)
    : TableEditor(document, help, parent, "KGeom_f", "Geometry of keel", KeelColumns()) {
  Splitter1 = new QSplitter(Qt::Vertical, this);
  Splitter1->setObjectName("Splitter1");
  Splitter1->setChildrenCollapsible(false);
  Panel1 = new QWidget(Splitter1);
  Panel1->setObjectName("Panel1");
  Panel2 = new QWidget(Splitter1);
  Panel2->setObjectName("Panel2");
  Splitter1->addWidget(Panel1);
  Splitter1->addWidget(Panel2);
  Splitter1->setStretchFactor(0, 1);
  Splitter1->setStretchFactor(1, 0);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Splitter1);

  BuildGrid(Panel1);
  BuildButtons(Panel1);
  Button1->setDefault(true);
  LabelScheme = AddLabel(Panel1, "LabelScheme", "Keel Scheme");
  LabelScheme->setAlignment(Qt::AlignCenter);
  Image1 = AddLabel(Panel1, "Image1", QString());
  Image1->setAlignment(Qt::AlignCenter);

  BuildGraph(Panel2, ScPic::itMetafile);
  LabelChord = AddLabel(Panel2, "LabelChord", "Chord", kChordColour, true);
  LabelThickness = AddLabel(Panel2, "LabelThickness", "Thickness", kThicknessColour, true);
  LabelDepth1 = AddLabel(Panel2, "LabelDepth1", "Depth in ");
  LabelDepth2 = AddLabel(Panel2, "LabelDepth2", "ground, ");
  LabelDepth3 = AddLabel(Panel2, "LabelDepth3", "[m]");

  resize(473, 425);
  const int handle = Splitter1->handleWidth();
  Splitter1->setSizes({425 - kGraphPaneHeight - handle, kGraphPaneHeight});
  Panel1->resize(473, 425 - kGraphPaneHeight - handle);
  Panel2->resize(473, kGraphPaneHeight);
  LayoutTop();
  LayoutGraphPane();
  Panel1->installEventFilter(this);
  Panel2->installEventFilter(this);
  FinishCreation();
}

bool TKGeom_f::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    // A new pane size places the controls anew; the graph redraws when its size changes.
    if (watched == Panel1) LayoutTop();
    if (watched == Panel2) LayoutGraphPane();
  }
  return TableEditor::eventFilter(watched, event);
}

// The grid grows in height; the buttons keep their distance to the right edge; the sketch
// takes the room between them.
void TKGeom_f::LayoutTop() {
  const int w = Panel1->width();
  const int h = Panel1->height();
  const int gridTop = kMargin + kAboveGrid;
  PlaceGrid(kMargin, gridTop, h - kMargin - gridTop);

  const int buttonLeft = w - kMargin - kButtonWidth;
  const std::array<QPushButton*, 5> buttons = {Button1, Button3, OKBtn, CancelBtn, HelpBtn};
  for (std::size_t i = 0; i < buttons.size(); ++i)
    buttons[i]->setGeometry(buttonLeft, kMargin + static_cast<int>(i) * (kButtonHeight + 6),
                            kButtonWidth, kButtonHeight);

  const int sketchLeft = kMargin + GridWidth() + kMargin;
  const int sketchWidth = std::max(1, buttonLeft - kMargin - sketchLeft);
  LabelScheme->setGeometry(sketchLeft, kMargin, sketchWidth, 18);
  const QRect sketch(sketchLeft, kMargin + 20, sketchWidth, std::max(1, h - 2 * kMargin - 20));
  if (sketch.size() != Image1->size() || Image1->pixmap().isNull()) {
    Image1->setGeometry(sketch);
    DrawSketch();
  } else {
    Image1->move(sketch.topLeft());
  }
}

// The sketch is drawn from the picture resource to the size of its place; while the
// resource is missing the place stays empty.
void TKGeom_f::DrawSketch() {
  QPixmap pixmap(Image1->size());
  pixmap.fill(Qt::transparent);
  if (QFile::exists(kSketchResource)) {
    QSvgRenderer renderer(QString::fromLatin1(kSketchResource));
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QPainter painter(&pixmap);
    renderer.render(&painter);
  }
  Image1->setPixmap(pixmap);
}

// The graph grows with the pane: the depth title and the corner labels at its left, the
// legend at its right and the horizontal corner labels under it.
void TKGeom_f::LayoutGraphPane() {
  const int w = Panel2->width();
  const int h = Panel2->height();
  const int left = kMargin + 64;
  const int right = w - kMargin - 72;
  const int top = 4;
  const int bottom = h - 4 - 20;
  const QRect graph(QPoint(left, top),
                    QPoint(std::max(left + 10, right), std::max(top + 10, bottom)));
  ScPic1->setGeometry(graph);
  PlaceCorners(graph);
  const int titleTop = graph.center().y() - 24;
  LabelDepth1->setGeometry(kMargin, titleTop, 60, 16);
  LabelDepth2->setGeometry(kMargin, titleTop + 16, 60, 16);
  LabelDepth3->setGeometry(kMargin, titleTop + 32, 60, 16);
  LabelChord->setGeometry(graph.right() + 6, graph.top(), 70, 18);
  LabelThickness->setGeometry(graph.right() + 6, graph.top() + 20, 70, 18);
}

CoefTable& TKGeom_f::ModelTable() const {
  return Board.KeelGeom;
}

void TKGeom_f::PaintGrp() {
  // 1.
  ScPic1->Clear();
  const int rows = RowCount();
  if (rows <= 1) {
    ShowEmptyGraph();
    return;
  }
  FPainting = true;
  // 2.
  const std::vector<long double> depth = ColumnValues(0);
  const std::vector<long double> chord = ColumnValues(1);
  const std::vector<long double> thickness = ColumnValues(2);
  // 3. A table without any positive width or depth has no size of its own: the other
  // measure stands in for it, or 1 m when there is neither.
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
  // 4.
  ScPic1->SetEqualScaleRegion(-0.6L * width, 1.2L * width, 0, 1.5L * zMax);
  // 5.
  QPainter* canvas = ScPic1->DrawCanvas();
  canvas->fillRect(QRect(0, 0, ScPic1->width(), ScPic1->height()), canvas->brush());
  // 6.
  const QPen greyPen(kGrey, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  canvas->setPen(greyPen);
  ScPic1->Line(kGrey, 0, ScPic1->YMin + 0.1L * ScPic1->YExtent, 0,
               ScPic1->YMin + 0.9L * ScPic1->YExtent);
  // 7. The four outlines; the chord's right side draws a depth line across at each point.
  auto outline = [&](const std::vector<long double>& measure, long double side) {
    std::vector<WorldPoint> points;
    for (std::size_t i = 0; i < depth.size(); ++i)
      points.push_back({side * measure[i] / 2, depth[i]});
    return points;
  };
  PlotCurve(outline(chord, 1), kChordColour, [&](const WorldPoint& point) {
    canvas->setPen(greyPen);
    ScPic1->Line(kGrey, 0.55L * width, point.Y, -0.55L * width, point.Y);
  });
  PlotCurve(outline(chord, -1), kChordColour);
  PlotCurve(outline(thickness, 1), kThicknessColour);
  PlotCurve(outline(thickness, -1), kThicknessColour);
  // 8.
  LabelYMax->setText(CornerText(ScPic1->YExtent));
  LabelXMax->setText(CornerText(ScPic1->XExtent));
  // 9.
  PaintPnt();
  ScPic1->Finish();
  FPainting = false;
}

void TKGeom_f::PaintPnt() {
  const int rows = RowCount();
  if (rows <= 1) return;  // nothing is plotted, so nothing is marked
  if (!FPainting) {
    // A recorded picture cannot be drawn over: the graph is recorded again with the mark.
    PaintGrp();
    return;
  }
  auto points = [this](int row, auto draw) {
    const long double z = CellValue(row, 0);
    const long double x = CellValue(row, 1) / 2;
    const long double y = CellValue(row, 2) / 2;
    draw(x, z, kChordColour);
    draw(-x, z, kChordColour);
    draw(y, z, kThicknessColour);
    draw(-y, z, kThicknessColour);
  };
  // 1. A row deleted since has no points to restore.
  if (FMarkedRow < rows)
    points(FMarkedRow,
           [this](long double x, long double z, const QColor& colour) { PlainDot(x, z, colour); });
  // 2.
  const int selected = SelectedRow();
  points(selected, [this](long double x, long double z, const QColor&) { MarkDot(x, z); });
  // 3.
  FMarkedRow = selected;
}
