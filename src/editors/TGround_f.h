#pragma once

#include "TableEditor.h"

// "Ground-dynamical coefficients" (form "Ground_f"): the keel-ground resistance coefficient
// against the keel's attack angle, drawn over 0..90 degrees on a bitmap. A fixed dialog.
class TGround_f : public TableEditor {
  Q_OBJECT

 public:
  TGround_f(DoorDocument& document, HelpBrowser& help, QWidget* parent = nullptr);

  void PaintGrp() override;
  // Draws the previously marked row's point again as an ordinary one and marks the selected
  // row, over the bitmap as it stands.
  void PaintPnt();

  // The row marked last; kept for the whole run.
  int MarkedRow() const { return FMarkedRow; }

  QLabel* LabelCx = nullptr;
  QLabel* LabelAxis = nullptr;

 protected:
  CoefTable& ModelTable() const override;
  void MarkSelectedRow() override { PaintPnt(); }

 private:
  int FMarkedRow = 0;
};
