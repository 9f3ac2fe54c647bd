#pragma once

#include "model/Range.h"

class QLabel;
class QLineEdit;

// Ties one entry field of the projections dialog to the door: the field, the label beside it
// (its caption is the parameter's symbol, its hint the parameter's description), the
// parameter's range record and the parameter itself. Empty until bound. The door outlives
// every window, so the pointers into it stay good.
struct TVarLink {
  QLineEdit* Edit = nullptr;
  QLabel* Label = nullptr;
  ::Range* Range = nullptr;
  long double* Value = nullptr;
  int Index = -1;  // the parameter's place among the door's main parameters

  bool IsSet() const { return Edit != nullptr; }
};
