#pragma once

// The position a door was balanced in or is looked at: its rotations about X, Y and Z,
// degrees, as the balance window shows them and a door data file keeps them.
struct BalanceAngles {
  long double X = 0;
  long double Y = 0;
  long double Z = 0;

  bool operator==(const BalanceAngles&) const = default;
};
