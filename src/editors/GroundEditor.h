#pragma once

#include "TableEditor.h"

// "Ground-dynamical coefficients" (form "Ground_f"): the keel-ground resistance coefficient
// against the keel's attack angle, drawn over 0..90 degrees on a bitmap. A dialog of fixed
// size.
class GroundEditor : public TableEditor {
  Q_OBJECT

 public:
  GroundEditor(DoorDocument& document, HelpBrowser& help, QWidget* parent = nullptr);

  void DrawGraph() override;
  // Draws the previously marked row's point again as an ordinary one and marks the selected
  // row, over the bitmap as it stands.
  void MoveMark();

  // The row marked last; kept for the whole run.
  int MarkedRow() const { return markedRow_; }

 protected:
  CoefTable DoorInputs::*ModelTable() const override;
  void MarkSelectedRow() override { MoveMark(); }

 private:
  QLabel* cxLegend_ = nullptr;
  QLabel* axisTitle_ = nullptr;
  int markedRow_ = 0;
};
