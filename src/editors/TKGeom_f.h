#pragma once

#include "TableEditor.h"

class QSplitter;
class QWidget;

// "Geometry of keel" (form "KGeom_f"): chord and thickness of the keel against its depth in
// the ground, drawn as the keel's outline in a lower pane below a splitter, with equal scales
// on both axes, and a sketch of the keel beside the grid.
class TKGeom_f : public TableEditor {
  Q_OBJECT

 public:
  TKGeom_f(DoorDocument& document, HelpBrowser& help, QWidget* parent = nullptr);

  void PaintGrp() override;
  // Draws the previously marked row's points again as ordinary ones and marks the selected
  // row. Outside a drawing of the whole graph it redraws the graph, so that the mark is
  // shown at once.
  void PaintPnt();

  // The row marked last; kept for the whole run.
  int MarkedRow() const { return FMarkedRow; }

  QSplitter* Splitter1 = nullptr;
  QWidget* Panel1 = nullptr;  // grid, sketch and buttons
  QWidget* Panel2 = nullptr;  // the graph pane
  QLabel* LabelScheme = nullptr;
  QLabel* Image1 = nullptr;  // the keel sketch
  QLabel* LabelChord = nullptr;
  QLabel* LabelThickness = nullptr;
  QLabel* LabelDepth1 = nullptr;
  QLabel* LabelDepth2 = nullptr;
  QLabel* LabelDepth3 = nullptr;

  static constexpr char kSketchResource[] = ":/pictures/keel_scheme.svg";

 protected:
  CoefTable& ModelTable() const override;
  void MarkSelectedRow() override { PaintPnt(); }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LayoutTop();
  void LayoutGraphPane();
  void DrawSketch();

  int FMarkedRow = 0;
  bool FPainting = false;
};
