#include "model/KeelGround.h"

#include <gtest/gtest.h>

#include <cmath>

#include "TestTolerances.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {

constexpr long double kDepthTol = 0.0005L;  // m
constexpr long double kAreaTol = 0.00005L;  // m^2

void ExpectPoint(const XYZ& p, long double x, long double y, long double z) {
  EXPECT_NEAR(p.X, x, kGeometryTol);
  EXPECT_NEAR(p.Y, y, kGeometryTol);
  EXPECT_NEAR(p.Z, z, kGeometryTol);
}

void SetKeel(TBoard& board, std::initializer_list<std::array<long double, 3>> rows) {
  DoorInputs d = board.Inputs();
  d.KeelGeom.Count = 0;
  for (const auto& r : rows) {
    const int i = d.KeelGeom.Count++;
    d.KeelGeom.At(i, kKeelZi) = r[0];
    d.KeelGeom.At(i, kKeelXi) = r[1];
    d.KeelGeom.At(i, kKeelYi) = r[2];
  }
  board.SetInputs(d);
}

TEST(KeelGround, DefaultDoorAtZeroAngles) {
  TBoard board;
  board.Position(0, 0, 0);
  const KeelGround keel(board, 0, 0, 0);
  EXPECT_NEAR(keel.GroundNormalForce(), 11513, kExact * 1e4L);
  const long double depth = keel.PenetrationDepth();
  EXPECT_NEAR(depth, 0.050L, kDepthTol);
  // The depth balances the load on the section, within the search's tolerance: on the first
  // keel segment chord and thickness grow linearly from the tip.
  const long double section = (1.464L * depth / 0.073L) * (0.11L * depth / 0.073L);
  EXPECT_NEAR(11513 * 0.33e-6L / section, depth, 0.001L);
  EXPECT_NEAR(keel.KeelSideArea(depth), 0.0251L, kAreaTol);
  EXPECT_NEAR(keel.GroundResistance(), -285.5L, kReferenceTol);
  ExpectPoint(keel.ContactPoint(), -0.38L, 0.6L, -1.0L);
}

TEST(KeelGround, NoLoadBarelyTouches) {
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.G = 0; });
  board.Position(0, 0, 0);
  const KeelGround keel(board, 0, 0, 0);
  EXPECT_EQ(keel.GroundNormalForce(), 0);
  EXPECT_LT(keel.PenetrationDepth(), 0.002L);
  EXPECT_GT(keel.GroundResistance(), -1.0L);
}

TEST(KeelGround, HeavyDoorSinksTheWholeKeel) {
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.G = 1e9L; });
  board.Position(0, 0, 0);
  const KeelGround keel(board, 0, 0, 0);
  EXPECT_EQ(keel.PenetrationDepth(),
            board.Inputs().KeelGeom.At(board.Inputs().KeelGeom.Count - 1, kKeelZi));
}

TEST(KeelGround, LiftReducesTheNormalForce) {
  TBoard board;
  board.Evaluate(0.3L, 0, 0.5L);
  const KeelGround keel(board, 0.3L, 0, 0.5L);
  const long double expected =
      board.Inputs().G - board.Result().ForceWing.Force.Z - board.Result().ForceStringer.Force.Z;
  EXPECT_NEAR(keel.GroundNormalForce(), std::max<long double>(0, expected), 1e-9L);
  EXPECT_NEAR(board.Result().ForceGround.Force.Z, keel.GroundNormalForce(), 1e-9L);
}

TEST(KeelGround, NegativeTurnExtrapolatesTheGroundTable) {
  TBoard board;
  const long double gamma = -5 * kDegree;
  board.Position(0, 0, gamma);
  const KeelGround keel(board, 0, 0, gamma);
  const long double cx = 3.0L - 0.5L * (5.86L - 3.0L);
  const long double area = keel.KeelSideArea(keel.PenetrationDepth());
  EXPECT_NEAR(keel.GroundResistance(),
              -cx * board.Inputs().GroundDensity * board.Inputs().v * board.Inputs().v * area / 2,
              1e-9L);
}

TEST(KeelGround, SideAreaAtOrAboveTheTipIsZero) {
  TBoard board;
  const KeelGround keel(board, 0, 0, 0);
  EXPECT_EQ(keel.KeelSideArea(0), 0);
  EXPECT_EQ(keel.KeelSideArea(-0.1L), 0);
  EXPECT_NEAR(keel.KeelSideArea(0.146L), 0.146L * 2.0L / 2, kExact);
}

TEST(KeelGround, OutlineRunsDownTheForeEdgeAndUpTheAft) {
  TBoard board;
  const KeelGround keel(board, 0, 0, 0);
  const auto outline = keel.Outline();
  ASSERT_EQ(outline.size(), 11u);
  const long double cx = board.Inputs().x0 - board.Inputs().xk;
  ExpectPoint(outline[0], cx + 2.806L / 2, 0.6L, -1 + 0.366L);
  ExpectPoint(outline[5], cx, 0.6L, -1);
  ExpectPoint(outline[10], cx - 2.806L / 2, 0.6L, -1 + 0.366L);
}

TEST(KeelGround, LowestPointAtTheOutlineEndUsesItsInwardNeighbours) {
  TBoard board;
  // Pitched far nose-down about Y, the top of the fore edge is the lowest keel point.
  const long double beta = -80 * kDegree;
  board.Position(0, beta, 0);
  const KeelGround keel(board, 0, beta, 0);
  const auto outline = keel.Outline();
  const XYZ p1 = outline[0].Rotated(0, beta, 0);
  const XYZ p2 = outline[1].Rotated(0, beta, 0);
  const XYZ p3 = outline[2].Rotated(0, beta, 0);
  for (const XYZ& o : outline)
    EXPECT_GE(o.Rotated(0, beta, 0).Z, p1.Z);
  const auto fit = ParabolaThrough(p1.X, p1.Z, p2.X, p2.Z, p3.X, p3.Z);
  ASSERT_TRUE(fit && fit->HasVertex());
  const XYZ c = keel.ContactPoint();
  EXPECT_NEAR(c.X, fit->VertexU(), kGeometryTol);
  EXPECT_NEAR(c.Z, fit->At(c.X), kGeometryTol);
}

TEST(KeelGround, VerticalKeelEdgeFallsBackWithoutDividingByZero) {
  TBoard board;
  SetKeel(board, {{{0, 1, 0.1L}}, {{0.1L, 1, 0.1L}}, {{0.2L, 1, 0.1L}}});
  board.Position(0, 0, 0);
  const KeelGround keel(board, 0, 0, 0);
  // The tip row's aft corner and the row above it share X: no z(x) parabola exists, and
  // all points share Y too, so the keel rests on its lowest corner.
  ExpectPoint(keel.ContactPoint(), board.Inputs().x0 - board.Inputs().xk - 0.5L, board.Inputs().y0,
              board.Inputs().zk - board.Inputs().z0);
  board.Evaluate(0, 0, 0);
  EXPECT_TRUE(std::isfinite(board.Result().TotalMoment.Length()));
}

TEST(KeelGround, KeelWithoutCrossSectionSinksCompletely) {
  TBoard board;
  SetKeel(board, {{{0, 0, 0}}, {{0.2L, 0, 0}}, {{0.3L, 0, 0}}});
  board.Position(0, 0, 0);
  const KeelGround keel(board, 0, 0, 0);
  EXPECT_EQ(keel.PenetrationDepth(), 0.3L);
  EXPECT_EQ(keel.GroundResistance(), 0);
  board.Evaluate(0.1L, 0.1L, 0.1L);
  EXPECT_TRUE(std::isfinite(board.Result().TotalMoment.Length()));
}

TEST(KeelGround, KeelTableTooShortGivesNoGroundResistance) {
  TBoard board;
  SetKeel(board, {{{0, 1, 0.1L}}});
  board.Position(0, 0, 0);
  const KeelGround keel(board, 0, 0, 0);
  EXPECT_EQ(keel.PenetrationDepth(), 0);
  EXPECT_EQ(keel.KeelSideArea(0.5L), 0);
  EXPECT_TRUE(std::isfinite(keel.ContactPoint().Length()));
  board.Edit([&](DoorInputs& d) { d.KeelGeom.Count = 0; });
  board.Evaluate(0.2L, 0, 0.3L);
  EXPECT_TRUE(std::isfinite(board.Result().TotalMoment.Length()));
}

}  // namespace
