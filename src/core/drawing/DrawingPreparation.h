#pragma once

#include <array>

#include "drawing/ViewScale.h"
#include "model/XYZ.h"

struct Evaluation;

// The steps that prepare a three-view drawing of the positioned door, and its depth order.
// They read the positioned points and forces of the door's last evaluation (TBoard::Result)
// and write the drawing's scale.

// BoxLow/BoxSize: the box around wing, stringer, bracket, bridle stubs and the origin.
void ComputeBoundingBox(const Evaluation& door, ViewScale& view);
// MaxForce: the largest absolute force component (0 when every force is zero).
void ComputeMaxForce(const Evaluation& door, ViewScale& view);
// ForceScale := scale (m per N); the box grows to hold every force arrow tip.
void ApplyForceArrowScale(const Evaluation& door, ViewScale& view, long double scale);
// MaxForce, then the arrow scale of the views: the largest force component is drawn a third
// of the chord (the door's b) long. False, and no scale applied, when there is no force to
// draw.
bool ScaleForceArrows(const Evaluation& door, long double chord, ViewScale& view);

// Drawing levels of the five parts: 0 wing, 1 stringer, 2 bracket, 3 upper and 4 lower bridle
// stub. A part of a higher level is painted earlier.
using DrawOrder = std::array<int, 5>;

// True when p lies on the other side of the plane through a, b, c than the viewpoint (a point
// within 1e-5 m of the plane counts as hidden from any viewpoint off it).
bool Hiden(const XYZ& p, const XYZ& viewPoint, const XYZ& a, const XYZ& b, const XYZ& c);
// A stringer of no area (the door's Fs) hides nothing.
DrawOrder Order(const Evaluation& door, long double stringerArea, const XYZ& viewPoint,
                bool hidden);
