#pragma once

#include <array>

#include "model/XYZ.h"

// The door's points in its body frame, as the inputs place them: origin at the warp attachment
// point, X forward along the chord (towards the leading edge), Y normal to the wing (the wing
// plane is Y = y0), Z up; metres. Arrays hold the numbered points of the outlines in order:
// WingOutline[0..3] are corners 1..4, and so on.
struct BodyPoints {
  XYZ PtWingHydro, PtStringerHydro, PtGravity, PtUpperBridle, PtLowerBridle, PtKeelOrigin;
  std::array<XYZ, 4> WingOutline{};  // leading bottom, leading top, trailing top, trailing bottom
  std::array<XYZ, 4> WingAxes{};     // vertical line (0-1) and horizontal line (2-3)
  std::array<XYZ, 4> StringerOutline{};
  std::array<XYZ, 2> Bracket{};  // warp point and its foot on the wing plane
  std::array<XYZ, 2> UpperBridleLine{}, LowerBridleLine{};
};
