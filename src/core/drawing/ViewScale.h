#pragma once

#include "model/XYZ.h"

// How the three views of the door are scaled: the box around the positioned door and its
// force arrows, and the length of the arrows. Drawing state, not door data: whoever draws
// keeps one from one drawing to the next (a drawing without forces leaves the arrow scale as
// the last drawing with forces set it).
struct ViewScale {
  XYZ BoxLow, BoxSize;         // the box: lower corner and extents, m
  long double MaxForce = 1;    // the largest absolute force component, N
  long double ForceScale = 1;  // arrow length per newton, m/N
};
