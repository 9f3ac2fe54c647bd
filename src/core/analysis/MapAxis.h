#pragma once

#include "model/EditableFields.h"

// One axis of an operating map: a setting of the door (a main parameter or an environment
// value) from one value to another in equal steps, both ends included (Steps + 1 values).
struct MapAxis {
  EditableField Setting;
  long double From = 0;
  long double To = 0;
  int Steps = 1;

  int Count() const { return Steps + 1; }
  // The i-th value (0 .. Steps); the last is To itself, not the sum of rounded steps.
  long double ValueAt(int i) const {
    if (i >= Steps) return To;
    return From + (To - From) * static_cast<long double>(i) / Steps;
  }
};
