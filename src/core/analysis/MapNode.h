#pragma once

#include "model/SweepPoint.h"

// One node of an operating map: the two settings' values and the balance found there.
struct MapNode {
  long double XValue = 0;
  long double YValue = 0;
  // The balance as a sweep reports it (its Value is XValue).
  SweepPoint Balance;
  // Every eigenvalue of the stability matrix at the balance has a negative real part.
  bool Stable = false;
  // The node has been balanced (a cancelled map leaves some undone).
  bool Done = false;
};
