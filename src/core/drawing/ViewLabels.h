#pragma once

#include <vector>

#include "drawing/DrawnDoor.h"
#include "drawing/LabelPlacer.h"

// The axes of one of the three views of the door, as far as its labels depend on them.
struct ViewAxes {
  int H;         // world axis across: 0 x, 1 y, 2 z
  int V;         // world axis up
  char HLetter;  // axis letters, also the last letter of a force component's label
  char VLetter;
  bool Plan;  // gravity has no component in this view; the bridle forces get L-shaped marks
};

inline constexpr ViewAxes kSideAxes{0, 2, 'x', 'z', false};
inline constexpr ViewAxes kPlanAxes{0, 1, 'x', 'y', true};
inline constexpr ViewAxes kFrontAxes{1, 2, 'y', 'z', false};

// Below this stringer area the point S is not shown.
inline constexpr long double kStringerAreaShown = 0.0001L;  // m^2
// Force components this small get no label: they would only put stray text near the point.
inline constexpr long double kLabelThreshold = 10;  // N

// The letters of the force application points that are shown, in drawing order: W, S (with a
// stringer), K (bottom trawling), G, C0, C1; each names its point. `a` is the width of the
// letter "A" and `t` its height along the vertical axis (negative when it runs up), in world
// units: a letter goes a third of them right of and above its point.
std::vector<LabelRequest> PointLabels(const DrawnDoor& board, const ViewAxes& view, long double a,
                                      long double t);

// The labels of the force components drawn in the view, in drawing order: wing, stringer,
// ground (bottom trawling), gravity, upper and lower bridle; each names its arrow tip. Only
// components larger than kLabelThreshold are labelled. The arrows are forceScale long per
// newton (m/N); `a` and `t` as above.
std::vector<LabelRequest> ForceLabels(const DrawnDoor& board, long double forceScale,
                                      const ViewAxes& view, long double a, long double t);
