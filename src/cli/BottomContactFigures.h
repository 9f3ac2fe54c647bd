#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>

#include "analysis/LiftOff.h"

class TBoard;

// How firmly the door rests on the ground, as evaluate and solve report it: the ground's
// normal force as a share of the weight in the door's last evaluation, and the towing speed at
// which the door would lift off, found by continuation from the given angles. Both are null in
// midwater; the speed is null where the door keeps to the ground up to twice its speed or does
// not balance on the way.
class BottomContactFigures {
 public:
  static BottomContactFigures Of(const TBoard& door, const AngleTriple& angles);

  // "ground_normal_share", "lift_off_speed_mps".
  void AddTo(nlohmann::ordered_json& j) const;
  // Two lines for the text output, none in midwater.
  void Print(std::ostream& out) const;

 private:
  bool bottom_ = false;
  long double share_ = 0;  // NaN for a door without weight
  LiftOff::Result liftOff_;
  long double twiceSpeed_ = 0;
};
