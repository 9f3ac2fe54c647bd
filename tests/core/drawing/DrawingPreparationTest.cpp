#include "drawing/DrawingPreparation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "TestTolerances.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {

long double Coord(const XYZ& p, int axis) {
  return axis == 0 ? p.X : (axis == 1 ? p.Y : p.Z);
}

// The points the region to draw is made of, origin included.
std::vector<XYZ> BoxPoints(const Evaluation& board) {
  std::vector<XYZ> points(board.PosWingOutline.begin(), board.PosWingOutline.end());
  points.insert(points.end(), board.PosStringerOutline.begin(), board.PosStringerOutline.end());
  for (const auto* pair :
       {&board.PosBracket, &board.PosUpperBridleLine, &board.PosLowerBridleLine}) {
    points.insert(points.end(), pair->begin(), pair->end());
  }
  points.push_back(XYZ{});
  return points;
}

struct Arrow {
  XYZ Point;
  XYZ Force;
};

std::vector<Arrow> Arrows(const Evaluation& board) {
  return {{board.PosWingHydro, board.ForceWing.Force},
          {board.PosStringerHydro, board.ForceStringer.Force},
          {board.PosGravity, board.ForceGravity.Force},
          {board.PosUpperBridle, board.ForceUpperBridle.Force},
          {board.PosLowerBridle, board.ForceLowerBridle.Force},
          {board.PosKeelOrigin, board.ForceGround.Force}};
}

// Every point inside the box, and on each of the six faces at least one of them.
void ExpectTightBox(const ViewScale& view, const std::vector<XYZ>& points) {
  for (int axis = 0; axis < 3; ++axis) {
    const long double low = Coord(view.BoxLow, axis);
    const long double high = low + Coord(view.BoxSize, axis);
    long double seenLow = Coord(points.front(), axis);
    long double seenHigh = seenLow;
    for (const XYZ& p : points) {
      EXPECT_GE(Coord(p, axis), low - kGeometryTol) << "axis " << axis;
      EXPECT_LE(Coord(p, axis), high + kGeometryTol) << "axis " << axis;
      seenLow = std::min(seenLow, Coord(p, axis));
      seenHigh = std::max(seenHigh, Coord(p, axis));
    }
    EXPECT_NEAR(seenLow, low, kGeometryTol) << "axis " << axis;
    EXPECT_NEAR(seenHigh, high, kGeometryTol) << "axis " << axis;
  }
}

// The default door's chord and stringer area.
const long double kChord = DoorInputs().b;
const long double kStringerArea = DoorInputs().Fs;

// What an evaluation of the default door at these angles leaves.
Evaluation EvaluatedDoor(long double x, long double y, long double z, bool bottom = true) {
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.Bottom = bottom; });
  board.Evaluate(x * kDegree, y * kDegree, z * kDegree);
  return board.Result();
}

// ---------------------------------------------------------------------------------------
// Bounding box

TEST(DrawingBox, HoldsTheOutlinesBracketStubsAndOrigin) {
  for (const XYZ& angles : {XYZ{0, 0, 0}, XYZ{12, -7, 35}, XYZ{-40, 25, -60}}) {
    Evaluation board = EvaluatedDoor(angles.X, angles.Y, angles.Z);
    ViewScale view;
    ComputeBoundingBox(board, view);
    ExpectTightBox(view, BoxPoints(board));
  }
}

TEST(DrawingBox, OriginStretchesTheBoxWhenTheDoorLiesAwayFromIt) {
  Evaluation board = EvaluatedDoor(5, 5, 20);
  // Move the whole drawn door to positive coordinates, well clear of the warp point.
  const XYZ shift{10, 20, 30};
  for (auto* outline : {&board.PosWingOutline, &board.PosStringerOutline}) {
    for (XYZ& p : *outline)
      p = p + shift;
  }
  for (auto* pair : {&board.PosBracket, &board.PosUpperBridleLine, &board.PosLowerBridleLine}) {
    for (XYZ& p : *pair)
      p = p + shift;
  }
  ViewScale view;
  ComputeBoundingBox(board, view);
  EXPECT_EQ(view.BoxLow, XYZ{});
  ExpectTightBox(view, BoxPoints(board));
}

TEST(DrawingBox, ApplicationPointsAndWingLinesStayOut) {
  Evaluation board = EvaluatedDoor(0, 0, 30);
  ViewScale view;
  ComputeBoundingBox(board, view);
  const XYZ low = view.BoxLow;
  const XYZ size = view.BoxSize;
  board.PosGravity = {100, 100, 100};
  board.PosWingHydro = {-100, -100, -100};
  board.PosKeelOrigin = {50, -50, 50};
  board.PosWingAxes[0] = {-70, 70, -70};
  ComputeBoundingBox(board, view);
  EXPECT_EQ(view.BoxLow, low);
  EXPECT_EQ(view.BoxSize, size);
}

// ---------------------------------------------------------------------------------------
// Force maximum and arrow scale

TEST(DrawingForces, MaximumIsTheLargestAbsoluteComponent) {
  Evaluation board;
  board.ForceWing.Force = {-120, 30, 5};
  board.ForceStringer.Force = {10, -20, 30};
  board.ForceGravity.Force = {0, 0, -11513};
  board.ForceUpperBridle.Force = {-7350, -1969, -643};
  board.ForceLowerBridle.Force = {-7350, -1969, -643};
  board.ForceGround.Force = {40, 0, 9000};
  ViewScale view;
  ComputeMaxForce(board, view);
  EXPECT_EQ(view.MaxForce, 11513);

  board.ForceGround.Force = {0, -12000.5L, 0};
  ComputeMaxForce(board, view);
  EXPECT_EQ(view.MaxForce, 12000.5L);
}

TEST(DrawingForces, MaximumOfNoForcesIsZero) {
  Evaluation board;
  for (TForce* f : {&board.ForceWing, &board.ForceStringer, &board.ForceGravity,
                    &board.ForceUpperBridle, &board.ForceLowerBridle, &board.ForceGround}) {
    f->Force = {};
  }
  ViewScale view;  // MaxForce starts at 1
  ComputeMaxForce(board, view);
  EXPECT_EQ(view.MaxForce, 0);
}

TEST(DrawingForces, ArrowScaleWidensTheBoxToEveryTip) {
  for (bool bottom : {true, false}) {
    Evaluation board = EvaluatedDoor(8, -3, 33, bottom);
    ViewScale view;
    ComputeBoundingBox(board, view);
    std::vector<XYZ> held = {view.BoxLow, view.BoxLow + view.BoxSize};
    ComputeMaxForce(board, view);
    const long double scale = kChord / view.MaxForce / 3;
    ApplyForceArrowScale(board, view, scale);
    EXPECT_EQ(view.ForceScale, scale);
    for (const Arrow& arrow : Arrows(board))
      held.push_back(arrow.Point + arrow.Force * scale);
    ExpectTightBox(view, held);

    // The largest component is drawn a third of the chord long.
    long double longest = 0;
    for (const Arrow& arrow : Arrows(board)) {
      for (int axis = 0; axis < 3; ++axis)
        longest = std::max(longest, std::fabs(Coord(arrow.Force, axis) * scale));
    }
    EXPECT_NEAR(longest, kChord / 3, kGeometryTol);
  }
}

TEST(DrawingForces, ViewScaleIsAThirdOfTheChordOrNothingWithoutForces) {
  Evaluation board = EvaluatedDoor(8, -3, 33, true);
  ViewScale view;
  ComputeBoundingBox(board, view);
  ASSERT_TRUE(ScaleForceArrows(board, kChord, view));
  EXPECT_EQ(view.ForceScale, kChord / view.MaxForce / 3);

  const long double before = view.ForceScale;
  const XYZ low = view.BoxLow;
  for (TForce* f : {&board.ForceWing, &board.ForceStringer, &board.ForceGravity,
                    &board.ForceUpperBridle, &board.ForceLowerBridle, &board.ForceGround}) {
    f->Force = {};
  }
  EXPECT_FALSE(ScaleForceArrows(board, kChord, view));
  EXPECT_EQ(view.MaxForce, 0);
  EXPECT_EQ(view.ForceScale, before);
  EXPECT_EQ(view.BoxLow.X, low.X);
}

TEST(DrawingForces, EveryArrowCountsWhateverModeAndStringer) {
  Evaluation board = EvaluatedDoor(0, 0, 20, false);
  ViewScale view;
  ComputeBoundingBox(board, view);
  // Forces that the views would not draw still widen the box.
  board.ForceGround.Force = {0, 0, -5000};
  board.ForceStringer.Force = {0, 8000, 0};
  const long double scale = 0.001L;
  ApplyForceArrowScale(board, view, scale);
  EXPECT_LE(view.BoxLow.Z, board.PosKeelOrigin.Z - 5 + kGeometryTol);
  EXPECT_GE(view.BoxLow.Y + view.BoxSize.Y, board.PosStringerHydro.Y + 8 - kGeometryTol);
}

// ---------------------------------------------------------------------------------------
// Hidden test

const XYZ kA{0, 0, 0};
const XYZ kB{1, 0, 0};
const XYZ kC{0, 1, 0};
const XYZ kAbove{0.3L, 0.2L, 5};

TEST(DrawingHiden, PointsOnTheFarSideAreHidden) {
  EXPECT_TRUE(Hiden({2, 3, -1}, kAbove, kA, kB, kC));
  EXPECT_FALSE(Hiden({2, 3, 1}, kAbove, kA, kB, kC));
  // The plane is unbounded: far outside the triangle makes no difference.
  EXPECT_TRUE(Hiden({500, -800, -0.01L}, kAbove, kA, kB, kC));
  // The order of the plane points turns the sign of both sides alike.
  EXPECT_TRUE(Hiden({2, 3, -1}, kAbove, kA, kC, kB));
  EXPECT_FALSE(Hiden({2, 3, 1}, kAbove, kA, kC, kB));
  // Seen from below, the other way round.
  EXPECT_FALSE(Hiden({2, 3, -1}, {0, 0, -5}, kA, kB, kC));
  EXPECT_TRUE(Hiden({2, 3, 1}, {0, 0, -5}, kA, kB, kC));
}

TEST(DrawingHiden, PointsWithinTheToleranceLieInThePlane) {
  // Within 1e-5 m of the plane: in it, and so hidden from a viewpoint on either side.
  EXPECT_TRUE(Hiden({1, 1, 0.9e-5L}, kAbove, kA, kB, kC));
  EXPECT_TRUE(Hiden({1, 1, -0.9e-5L}, {0, 0, -5}, kA, kB, kC));
  EXPECT_TRUE(Hiden({1, 1, 0}, kAbove, kA, kB, kC));
  // Just beyond it the point is on the viewer's side again.
  EXPECT_FALSE(Hiden({1, 1, 1.1e-5L}, kAbove, kA, kB, kC));
  // A viewpoint in the plane sees points in the plane, not those off it.
  EXPECT_FALSE(Hiden({1, 1, 0.5e-5L}, {7, 7, 0}, kA, kB, kC));
  EXPECT_TRUE(Hiden({1, 1, 1}, {7, 7, 0}, kA, kB, kC));
}

// ---------------------------------------------------------------------------------------
// Depth order

enum Part { kWing, kStringer, kBracket, kUpperStub, kLowerStub };

const XYZ kViewFromAbove{0, 0, 1000};

// A door laid out by hand, seen from above: the wing in z = 0, the stringer in the plane x = 5
// either below the wing (behind it) or above it.
Evaluation LaidOutDoor(bool stringerBehindWing) {
  Evaluation board;
  board.PosWingOutline = {XYZ{0, 0, 0}, XYZ{1, 0, 0}, XYZ{1, 1, 0}, XYZ{0, 1, 0}};
  const long double z = stringerBehindWing ? -1 : 1;
  board.PosStringerOutline = {XYZ{5, 0, z}, XYZ{5, 1, z}, XYZ{5, 1, 2 * z}, XYZ{5, 0, 2 * z}};
  // Everything else in front of both plates to start with.
  board.PosBracket = {XYZ{0.5L, 0.5L, 3}, XYZ{0.5L, 0.5L, 0}};
  board.PosUpperBridleLine = {XYZ{1, 1, 3}, XYZ{2, 2, 3}};
  board.PosLowerBridleLine = {XYZ{1, 0, 3}, XYZ{2, 0, 3}};
  return board;
}

// Above the wing, beyond the stringer plane (x > 5): hidden behind the stringer only.
const XYZ kBehindStringerOnly{6, 0.5L, 1};
// Below the wing on the viewer's side of the stringer plane: behind the wing only.
const XYZ kBehindWingOnly{0.5L, 0.5L, -3};
// Below the wing and beyond the stringer plane.
const XYZ kBehindBoth{6, 0.5L, -3};

TEST(DrawingOrder, HiddenFlagKeepsTheFixedOrder) {
  Evaluation board = LaidOutDoor(true);
  board.PosBracket[0] = kBehindBoth;
  board.PosUpperBridleLine[0] = kBehindWingOnly;
  board.PosLowerBridleLine[0] = kBehindStringerOnly;
  EXPECT_EQ(Order(board, kStringerArea, kViewFromAbove, true), (DrawOrder{0, 0, 0, 0, 0}));
  // The same door depth-ordered does differ.
  EXPECT_NE(Order(board, kStringerArea, kViewFromAbove, false), (DrawOrder{0, 0, 0, 0, 0}));
}

TEST(DrawingOrder, StringerBehindTheWingIsPaintedFirst) {
  const DrawOrder behind = Order(LaidOutDoor(true), kStringerArea, kViewFromAbove, false);
  EXPECT_EQ(behind[kWing], 0);
  EXPECT_EQ(behind[kStringer], 2);
  const DrawOrder inFront = Order(LaidOutDoor(false), kStringerArea, kViewFromAbove, false);
  EXPECT_EQ(inFront[kWing], 1);
  EXPECT_EQ(inFront[kStringer], 0);
  // Seen from below, the stringer under the wing is the near one.
  const DrawOrder fromBelow = Order(LaidOutDoor(true), kStringerArea, {0, 0, -1000}, false);
  EXPECT_EQ(fromBelow[kWing], 1);
  EXPECT_EQ(fromBelow[kStringer], 0);
}

TEST(DrawingOrder, LevelsOfBracketAndStubs) {
  Evaluation board = LaidOutDoor(false);
  board.PosBracket[0] = kBehindWingOnly;
  board.PosUpperBridleLine[0] = kBehindStringerOnly;
  board.PosLowerBridleLine[0] = kBehindBoth;
  EXPECT_EQ(Order(board, kStringerArea, kViewFromAbove, false), (DrawOrder{1, 0, 2, 1, 3}));
}

TEST(DrawingOrder, BehindTheStringerOnlyWhileTheStringerIsBehindTheWing) {
  Evaluation board = LaidOutDoor(true);
  board.PosBracket[0] = kBehindStringerOnly;
  board.PosUpperBridleLine[0] = kBehindStringerOnly;
  board.PosLowerBridleLine[0] = kBehindStringerOnly;
  const DrawOrder order = Order(board, kStringerArea, kViewFromAbove, false);
  // The bracket is painted before the wing; the stubs go with the wing, after the stringer.
  EXPECT_EQ(order[kBracket], 1);
  EXPECT_EQ(order[kUpperStub], 0);
  EXPECT_EQ(order[kLowerStub], 0);
  EXPECT_EQ(order[kWing], 0);
  EXPECT_EQ(order[kStringer], 2);
  // Stubs behind both plates keep their level.
  board.PosLowerBridleLine[0] = kBehindBoth;
  EXPECT_EQ(Order(board, kStringerArea, kViewFromAbove, false)[kLowerStub], 3);
}

TEST(DrawingOrder, StringerOfNoAreaHidesNothing) {
  Evaluation board = LaidOutDoor(true);
  const long double noArea = 0;
  board.PosBracket[0] = kBehindStringerOnly;
  board.PosUpperBridleLine[0] = kBehindBoth;
  board.PosLowerBridleLine[0] = kBehindStringerOnly;
  const DrawOrder order = Order(board, noArea, kViewFromAbove, false);
  EXPECT_EQ(order[kBracket], 0);
  EXPECT_EQ(order[kUpperStub], 2);
  EXPECT_EQ(order[kLowerStub], 0);
  // The stringer outline itself is still ordered against the wing.
  EXPECT_EQ(order[kWing], 0);
  EXPECT_EQ(order[kStringer], 2);
}

TEST(DrawingOrder, RealDoorSeenFromTheSide) {
  // The side view looks from -Y; the stringer sits on the warp side of the wing (towards -Y
  // at zero angles), so it is the near plate. Turned half round about Z, the wing faces away.
  const XYZ side{0, -1000, 0};
  Evaluation board = EvaluatedDoor(0, 0, 0, false);
  DrawOrder order = Order(board, kStringerArea, side, false);
  EXPECT_EQ(order[kWing], 1);
  EXPECT_EQ(order[kStringer], 0);
  board = EvaluatedDoor(0, 0, 180, false);
  order = Order(board, kStringerArea, side, false);
  EXPECT_EQ(order[kWing], 0);
  EXPECT_EQ(order[kStringer], 2);
}

}  // namespace
