#pragma once

#include <array>

#include "model/TForce.h"
#include "model/XYZ.h"

// What the last positioning or evaluation of a door gave: its points turned to the position,
// the six forces with their sum and moments, and the attack angles.
struct Evaluation {
  // The body points turned to the position. PosWingHydro and PosStringerHydro stand where the
  // attack angles move the centres of pressure along the chord. In bottom trawling
  // PosKeelOrigin holds the ground contact point.
  XYZ PosWingHydro, PosStringerHydro, PosGravity, PosUpperBridle, PosLowerBridle, PosKeelOrigin;
  std::array<XYZ, 4> PosWingOutline{}, PosWingAxes{}, PosStringerOutline{};
  std::array<XYZ, 2> PosBracket{}, PosUpperBridleLine{}, PosLowerBridleLine{};

  TForce ForceWing, ForceStringer, ForceGravity, ForceUpperBridle, ForceLowerBridle, ForceGround;
  XYZ TotalForce;   // N
  XYZ TotalMoment;  // N*m about the axes through the warp attachment point
  long double WingAttack = 0, StringerAttack = 0;  // radians
};
