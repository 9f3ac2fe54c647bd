#pragma once

#include <vector>

// An axis that a reader can follow: its ends and its tick marks fall on whole multiples of a
// step of 1, 2 or 5 times a power of ten, and the ends enclose the data. The graphs of the
// table editors and of the printed report, the sweep window's plot and the operating map all
// take their axes from here, so one value reads the same way everywhere.
struct NiceTicks {
  long double Low = 0;   // the axis's first value, a multiple of Step, at or below the data
  long double High = 1;  // its last value, a multiple of Step, at or above the data
  long double Step = 1;  // 1, 2 or 5 times a power of ten

  // An axis over the values from `low` to `high` (in either order) with about `intervals`
  // steps between its ends (never fewer than one). Equal ends get an axis of their own around
  // the value; ends that are not finite give the axis from 0 to 1.
  static NiceTicks For(long double low, long double high, int intervals = 5);

  // The tick values from Low to High, both included.
  std::vector<long double> Values() const;
  // The decimals a tick label needs to show the step exactly (0 for whole steps).
  int Decimals() const;
};
