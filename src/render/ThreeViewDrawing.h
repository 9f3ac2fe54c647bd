#pragma once

#include <array>

#include "drawing/DrawnDoor.h"
#include "drawing/ViewFlags.h"
#include "drawing/ViewScale.h"

class ScaledCanvas;

// The door in its last evaluated position as three orthographic views: side (x-z), plan
// (x-y) and front (y-z). Each view paints the wing and stringer as filled outlines, the bracket
// and the bridle stubs as lines, nearer parts over farther ones, then the axes through the
// warp attachment point, optionally the force application points and the force components
// with their labels, and the keel as a row of dots. A label that would run out of its view or
// over another text moves to the nearest free place beside the point it names (LabelPlacer).
class ThreeViewDrawing {
 public:
  using Angles = std::array<long double, 3>;

  // Each draws one view into a surface whose world ranges are already set, the force arrows
  // scale.ForceScale long per newton. With keelRotation the keel dots are turned by angleRad
  // (radians about X, Y, Z), otherwise left unturned.
  static void DrawXZ(const DrawnDoor& board, const ViewScale& scale, ScaledCanvas& surface,
                     const ViewFlags& flags, bool keelRotation, const Angles& angleRad);
  static void DrawXY(const DrawnDoor& board, const ViewScale& scale, ScaledCanvas& surface,
                     const ViewFlags& flags, bool keelRotation, const Angles& angleRad);
  static void DrawYZ(const DrawnDoor& board, const ViewScale& scale, ScaledCanvas& surface,
                     const ViewFlags& flags, bool keelRotation, const Angles& angleRad);

  // The balance window's redraw from the door's current state (no evaluation): region and
  // arrow scale, shared ranges of the three views, drawing, and Finish on every surface.
  // Writes BoxLow, BoxSize and, with forces shown, MaxForce and ForceScale of the scale. When
  // every force is zero the arrows are left out and ForceScale keeps its value.
  static void RedrawBalanceViews(const DrawnDoor& board, ViewScale& scale, const ViewFlags& flags,
                                 const Angles& angleRad, ScaledCanvas& side, ScaledCanvas& plan,
                                 ScaledCanvas& front);

  // The projections dialog's drawing of the door as positioned (no evaluation), the keel
  // unturned: each view gets the box with a tenth of its size as margin on every side, at
  // equal scales of its own. Writes the scale as RedrawBalanceViews does.
  static void RedrawDoorViews(const DrawnDoor& board, ViewScale& scale, const ViewFlags& flags,
                              ScaledCanvas& front, ScaledCanvas& plan, ScaledCanvas& side);
};
