#pragma once

#include "TableEditor.h"

class QSplitter;
class QWidget;

// "Geometry of keel" (form "KGeom_f"): chord and thickness of the keel against its depth in
// the ground, drawn as the keel's outline in a lower pane below a splitter, with equal scales
// on both axes, and a sketch of the keel beside the grid.
class KeelGeometryEditor : public TableEditor {
  Q_OBJECT

 public:
  KeelGeometryEditor(DoorDocument& document, HelpBrowser& help, QWidget* parent = nullptr);

  void DrawGraph() override;
  // Draws the previously marked row's points again as ordinary ones and marks the selected
  // row. Outside a drawing of the whole graph it redraws the graph, so that the mark is
  // shown at once.
  void MoveMark();

  // The row marked last; kept for the whole run.
  int MarkedRow() const { return markedRow_; }

  static constexpr char kSketchResource[] = ":/pictures/keel_scheme.svg";

 protected:
  CoefTable DoorInputs::*ModelTable() const override;
  void MarkSelectedRow() override { MoveMark(); }
  void TextsChanged() override { DrawSketch(); }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void DrawSketch();

  QSplitter* splitter_ = nullptr;
  QWidget* tablePane_ = nullptr;  // grid, sketch and buttons
  QWidget* graphPane_ = nullptr;
  QLabel* sketchTitle_ = nullptr;
  QLabel* sketch_ = nullptr;
  QLabel* chordLegend_ = nullptr;
  QLabel* thicknessLegend_ = nullptr;
  // "Depth in ground, [m]" in three lines left of the graph.
  QLabel* depthTitle1_ = nullptr;
  QLabel* depthTitle2_ = nullptr;
  QLabel* depthTitle3_ = nullptr;

  int markedRow_ = 0;
  bool painting_ = false;
};
