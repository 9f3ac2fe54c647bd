#include "drawing/DrawingPreparation.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "model/Evaluation.h"

namespace {

// Points nearer to a plane than this lie in it.
constexpr long double kPlaneTolerance = 1e-5L;

long double& Coord(XYZ& p, int axis) {
  return axis == 0 ? p.X : (axis == 1 ? p.Y : p.Z);
}

long double Coord(const XYZ& p, int axis) {
  return axis == 0 ? p.X : (axis == 1 ? p.Y : p.Z);
}

int Side(const XYZ& p, const XYZ& a, const XYZ& b, const XYZ& c) {
  const long double d = p.DistanceToPlane(a, b, c);
  if (std::fabs(d) < kPlaneTolerance) return 0;
  return d > 0 ? 1 : -1;
}

struct ForceAt {
  const XYZ* Point;
  const XYZ* Force;
};

}  // namespace

void ComputeBoundingBox(const Evaluation& door, ViewScale& view) {
  const XYZ origin;
  const std::initializer_list<const XYZ*> points = {
      &door.PosWingOutline[0],     &door.PosWingOutline[1],     &door.PosWingOutline[2],
      &door.PosWingOutline[3],     &door.PosStringerOutline[0], &door.PosStringerOutline[1],
      &door.PosStringerOutline[2], &door.PosStringerOutline[3], &door.PosBracket[0],
      &door.PosBracket[1],         &door.PosUpperBridleLine[0], &door.PosUpperBridleLine[1],
      &door.PosLowerBridleLine[0], &door.PosLowerBridleLine[1], &origin};
  for (int axis = 0; axis < 3; ++axis) {
    long double low = 0;
    long double high = 0;
    for (const XYZ* p : points) {
      low = std::min(low, Coord(*p, axis));
      high = std::max(high, Coord(*p, axis));
    }
    Coord(view.BoxLow, axis) = low;
    Coord(view.BoxSize, axis) = high - low;
  }
}

void ComputeMaxForce(const Evaluation& door, ViewScale& view) {
  long double largest = 0;
  for (const TForce* f : {&door.ForceWing, &door.ForceStringer, &door.ForceGravity,
                          &door.ForceUpperBridle, &door.ForceLowerBridle, &door.ForceGround}) {
    largest =
        std::max({largest, std::fabs(f->Force.X), std::fabs(f->Force.Y), std::fabs(f->Force.Z)});
  }
  view.MaxForce = largest;
}

void ApplyForceArrowScale(const Evaluation& door, ViewScale& view, long double scale) {
  view.ForceScale = scale;
  const XYZ low = view.BoxLow;
  const XYZ high = view.BoxLow + view.BoxSize;
  // Every force counts, whatever the mode and the stringer area.
  const ForceAt arrows[] = {{&door.PosWingHydro, &door.ForceWing.Force},
                            {&door.PosStringerHydro, &door.ForceStringer.Force},
                            {&door.PosGravity, &door.ForceGravity.Force},
                            {&door.PosUpperBridle, &door.ForceUpperBridle.Force},
                            {&door.PosLowerBridle, &door.ForceLowerBridle.Force},
                            {&door.PosKeelOrigin, &door.ForceGround.Force}};
  for (int axis = 0; axis < 3; ++axis) {
    long double newLow = Coord(low, axis);
    long double newHigh = Coord(high, axis);
    for (const ForceAt& arrow : arrows) {
      const long double tip = Coord(*arrow.Point, axis) + scale * Coord(*arrow.Force, axis);
      newLow = std::min(newLow, tip);
      newHigh = std::max(newHigh, tip);
    }
    Coord(view.BoxLow, axis) = newLow;
    Coord(view.BoxSize, axis) = newHigh - newLow;
  }
}

bool ScaleForceArrows(const Evaluation& door, long double chord, ViewScale& view) {
  ComputeMaxForce(door, view);
  const long double scale = chord / view.MaxForce / 3;
  if (!(view.MaxForce > 0) || !std::isfinite(scale)) return false;
  ApplyForceArrowScale(door, view, scale);
  return true;
}

bool Hiden(const XYZ& p, const XYZ& viewPoint, const XYZ& a, const XYZ& b, const XYZ& c) {
  return Side(p, a, b, c) != Side(viewPoint, a, b, c);
}

DrawOrder Order(const Evaluation& door, long double stringerArea, const XYZ& viewPoint,
                bool hidden) {
  DrawOrder level{0, 0, 0, 0, 0};
  if (hidden) return level;

  const auto& wing = door.PosWingOutline;
  const auto& stringer = door.PosStringerOutline;
  // A stringer of no area has no plane worth hiding anything.
  const bool stringerCounts = stringerArea > 0;
  const auto depth = [&](const XYZ& p) {
    int d = 0;
    if (stringerCounts && Hiden(p, viewPoint, stringer[0], stringer[1], stringer[2])) d = 1;
    if (Hiden(p, viewPoint, wing[0], wing[1], wing[2])) d += 2;
    return d;
  };
  level[2] = depth(door.PosBracket[0]);
  level[3] = depth(door.PosUpperBridleLine[0]);
  level[4] = depth(door.PosLowerBridleLine[0]);

  if (Hiden(stringer[1], viewPoint, wing[0], wing[1], wing[2])) {
    level[0] = 0;
    level[1] = 2;
    // Behind the stringer only, and the stringer itself behind the wing: the stub is seen
    // over the stringer, so it goes with the wing. The bracket keeps its place.
    for (int part : {3, 4}) {
      if (level[part] == 1) level[part] = 0;
    }
  } else {
    level[0] = 1;
    level[1] = 0;
  }
  return level;
}
