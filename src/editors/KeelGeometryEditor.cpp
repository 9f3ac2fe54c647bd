#include "KeelGeometryEditor.h"

#include <algorithm>
#include <array>

#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSplitter>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "CoefGraphs.h"
#include "DoorPictures.h"
#include "model/TBoard.h"

namespace {

using CoefGraphs::kChordColour;
using CoefGraphs::kThicknessColour;

constexpr int kMargin = 8;
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

KeelGeometryEditor::KeelGeometryEditor(DoorDocument& document, HelpBrowser& help, QWidget* parent)
    : TableEditor(document, help, parent, "KGeom_f", "Geometry of keel", KeelColumns()) {
  splitter_ = new QSplitter(Qt::Vertical, this);
  splitter_->setObjectName("Splitter1");
  splitter_->setChildrenCollapsible(false);
  tablePane_ = new QWidget(splitter_);
  tablePane_->setObjectName("Panel1");
  graphPane_ = new QWidget(splitter_);
  graphPane_->setObjectName("Panel2");
  splitter_->addWidget(tablePane_);
  splitter_->addWidget(graphPane_);
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 0);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter_);

  // The grid grows in height; the buttons keep their distance to the right edge; the sketch
  // takes the room between them.
  QGridLayout* table = BuildGrid(tablePane_);
  BuildButtons(tablePane_);
  addButton_->setDefault(true);
  sketchTitle_ = AddLabel(tablePane_, "LabelScheme", "Keel Scheme");
  sketchTitle_->setAlignment(Qt::AlignCenter);
  sketch_ = AddLabel(tablePane_, "Image1", QString());
  sketch_->setAlignment(Qt::AlignCenter);
  // The sketch is drawn to the size of its place, which it must not ask for itself.
  sketch_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  sketch_->installEventFilter(this);
  auto* sketchColumn = new QVBoxLayout;
  sketchColumn->addWidget(sketchTitle_);
  sketchColumn->addWidget(sketch_, 1);
  auto* buttonColumn = new QVBoxLayout;
  for (QPushButton* button : {addButton_, deleteButton_, okButton_, cancelButton_, helpButton_})
    buttonColumn->addWidget(button);
  buttonColumn->addStretch(1);
  auto* top = new QHBoxLayout(tablePane_);
  top->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  top->addLayout(table);
  top->addLayout(sketchColumn, 1);
  top->addLayout(buttonColumn);

  // The graph grows with the pane: the depth title and the corner labels at its left, the
  // legend at its right and the horizontal corner labels under it.
  QGridLayout* graph = BuildGraph(graphPane_, ScPic::itMetafile);
  chordLegend_ = AddLabel(graphPane_, "LabelChord", "Chord", kChordColour, true);
  thicknessLegend_ = AddLabel(graphPane_, "LabelThickness", "Thickness", kThicknessColour, true);
  depthTitle1_ = AddLabel(graphPane_, "LabelDepth1", "Depth in ");
  depthTitle2_ = AddLabel(graphPane_, "LabelDepth2", "ground, ");
  depthTitle3_ = AddLabel(graphPane_, "LabelDepth3", "[m]");
  graph->addLayout(Stacked({depthTitle1_, depthTitle2_, depthTitle3_}), kGraphTopRow, kTitleColumn,
                   2, 1, Qt::AlignVCenter);
  graph->addLayout(Stacked({chordLegend_, thicknessLegend_}), kGraphTopRow, kLegendColumn,
                   Qt::AlignTop);
  graph->setContentsMargins(kMargin, 4, kMargin, 4);
  graphPane_->setLayout(graph);

  resize(473, 425);
  const int handle = splitter_->handleWidth();
  splitter_->setSizes({425 - kGraphPaneHeight - handle, kGraphPaneHeight});
  FinishCreation();
}

bool KeelGeometryEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == sketch_ && event->type() == QEvent::Resize) DrawSketch();
  return TableEditor::eventFilter(watched, event);
}

// The sketch is drawn from the picture resource to the size of its place; while the
// resource is missing the place stays empty.
void KeelGeometryEditor::DrawSketch() {
  QPixmap pixmap(sketch_->size());
  pixmap.fill(Qt::transparent);
  if (QFile::exists(kSketchResource)) {
    // The sketch's words in the language in use.
    QSvgRenderer renderer(
        DoorPictures::DrawingInLanguage(QString::fromLatin1(kSketchResource), Texts()));
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QPainter painter(&pixmap);
    renderer.render(&painter);
  }
  sketch_->setPixmap(pixmap);
}

CoefTable DoorInputs::*KeelGeometryEditor::ModelTable() const {
  return &DoorInputs::KeelGeom;
}

void KeelGeometryEditor::DrawGraph() {
  graph_->Clear();
  const int rows = RowCount();
  if (rows <= 1) {
    ShowEmptyGraph();
    return;
  }
  painting_ = true;
  CoefGraphs::KeelCurves(*graph_, ColumnValues(0), ColumnValues(1), ColumnValues(2));
  // The corner values.
  yMaxLabel_->setText(CornerText(graph_->YExtent));
  xMaxLabel_->setText(CornerText(graph_->XExtent));
  MoveMark();
  graph_->Finish();
  painting_ = false;
}

void KeelGeometryEditor::MoveMark() {
  const int rows = RowCount();
  if (rows <= 1) return;  // nothing is plotted, so nothing is marked
  if (!painting_) {
    // A recorded picture cannot be drawn over: the graph is recorded again with the mark.
    DrawGraph();
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
  // A row deleted since has no points to restore.
  if (markedRow_ < rows)
    points(markedRow_,
           [this](long double x, long double z, const QColor& colour) { PlainDot(x, z, colour); });
  const int selected = SelectedRow();
  points(selected, [this](long double x, long double z, const QColor&) { MarkDot(x, z); });
  markedRow_ = selected;
}
