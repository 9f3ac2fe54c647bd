#pragma once

#include "TableEditor.h"

// "Hydrodynamic coefficients" (form "Hydro_f"): the wing's Cx, Cy and Cd against the attack
// angle, with their curves over -10..100 degrees.
class HydrodynamicEditor : public TableEditor {
  Q_OBJECT

 public:
  HydrodynamicEditor(DoorDocument& document, HelpBrowser& help, QWidget* parent = nullptr);

  // Also asked for by the printed report, to print the picture.
  void DrawGraph() override;

 protected:
  CoefTable DoorInputs::*ModelTable() const override;
  // The whole graph is redrawn: it marks the selected row.
  void MarkSelectedRow() override { DrawGraph(); }

 private:
  QLabel* cxLegend_ = nullptr;
  QLabel* cyLegend_ = nullptr;
  QLabel* cdLegend_ = nullptr;
  QLabel* axisTitle_ = nullptr;
};
