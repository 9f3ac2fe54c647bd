#pragma once

class QLabel;
class QLineEdit;

// Ties one entry field of the projections dialog to one of the door's main parameters: the
// field, the label beside it (its caption is the parameter's symbol, its hint the parameter's
// description) and the parameter's place among the main parameters, which also indexes its
// range. Empty until bound.
struct TVarLink {
  QLineEdit* Edit = nullptr;
  QLabel* Label = nullptr;
  int Index = -1;  // the parameter's place among the door's main parameters

  bool IsSet() const { return Edit != nullptr; }
};
