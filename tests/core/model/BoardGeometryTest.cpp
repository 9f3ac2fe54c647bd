#include <gtest/gtest.h>

#include <cmath>

#include "TestTolerances.h"
#include "model/EditableFields.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {

void ExpectPoint(const XYZ& p, long double x, long double y, long double z) {
  EXPECT_NEAR(p.X, x, kGeometryTol);
  EXPECT_NEAR(p.Y, y, kGeometryTol);
  EXPECT_NEAR(p.Z, z, kGeometryTol);
}

TEST(BoardDefaults, DerivedInputs) {
  TBoard board;
  EXPECT_EQ(board.Inputs().H, 5.5L / 3.4L);
  EXPECT_NEAR(board.Inputs().zs, 1.2L, kExact);
  EXPECT_EQ(board.Inputs().bs, 3.4L);
  EXPECT_EQ(board.Sensitivity(), 100);
  EXPECT_TRUE(board.Inputs().Bottom);
  EXPECT_EQ(board.Inputs().Hydro.Count, 7);
  EXPECT_EQ(board.Inputs().StringerHydro.Count, 9);
  EXPECT_EQ(board.Inputs().Ground.Count, 6);
  EXPECT_EQ(board.Inputs().KeelGeom.Count, 6);
  board.Edit([&](DoorInputs& d) { d.b = 2; });
  EXPECT_EQ(board.Inputs().bs, 3.4L);
}

TEST(BoardDefaults, RangeRecords) {
  const TBoard board;
  const Range& g = board.Inputs().Ranges[MainParamIndex("G")];
  EXPECT_EQ(g.From, 0);
  EXPECT_EQ(g.To, 100000);
  EXPECT_EQ(g.Step, 1000);
  const Range& r = board.Inputs().Ranges[MainParamIndex("R")];
  EXPECT_EQ(r.To, 10000000);
  const Range& h = board.Inputs().Ranges[MainParamIndex("H")];
  EXPECT_EQ(h.From, 0.1L);
  const Range& y0 = board.Inputs().Ranges[MainParamIndex("y0")];
  EXPECT_EQ(y0.To, 10);
  EXPECT_EQ(y0.Step, 0.1L);
}

TEST(BoardGeometry, DefaultDoorPoints) {
  const TBoard board;
  ExpectPoint(board.Body().PtGravity, -0.32L, 0.635L, -0.715L);
  ExpectPoint(board.Body().PtUpperBridle, -1.535L, 0.695L, 0.25L);
  ExpectPoint(board.Body().PtLowerBridle, -1.535L, 0.695L, -0.505L);
  ExpectPoint(board.Body().PtKeelOrigin, -0.38L, 0.6L, -1.0L);
  ExpectPoint(board.Body().WingOutline[2], -2.28L, 0.6L, 5.5L / 3.4L - 1);
  ExpectPoint(board.Body().Bracket[1], 0, 0.6L, 0);
  // The stringer reaches from the wing plane towards the warp by Fs / bs.
  ExpectPoint(board.Body().StringerOutline[2], 1.12L - 3.4L, 0.6L - 1 / 3.4L, 0.2L);
}

TEST(BoardGeometry, BridleStubsPointBackAlongTheBridle) {
  TBoard board;
  const long double length = (board.Inputs().b + board.Inputs().H) / 6;
  const XYZ stub = board.Body().UpperBridleLine[0] - board.Body().UpperBridleLine[1];
  const long double ah = 15 * kDegree, av = 5 * kDegree;
  EXPECT_NEAR(stub.X, length * std::cos(ah), kGeometryTol);
  EXPECT_NEAR(stub.Y, length * std::sin(ah), kGeometryTol);
  EXPECT_NEAR(stub.Z, length * std::cos(ah) * std::tan(av), kGeometryTol);
  board.Edit([&](DoorInputs& d) { d.BridleAngleV = 0; });
  EXPECT_EQ(board.Body().LowerBridleLine[1].Z, board.Body().LowerBridleLine[0].Z);
}

TEST(BoardGeometry, ZeroStringerAreaOrChordGivesAFlatStringer) {
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.Fs = 0; });
  EXPECT_EQ(board.Body().StringerOutline[1].Y, board.Inputs().y0);
  EXPECT_EQ(board.Body().StringerOutline[2].Y, board.Inputs().y0);
  board.Edit([&](DoorInputs& d) {
    d.Fs = 1;
    d.bs = 0;
  });
  EXPECT_TRUE(std::isfinite(board.Body().StringerOutline[1].Y));
  EXPECT_EQ(board.Body().StringerOutline[1].Y, board.Inputs().y0);
}

TEST(BoardGeometry, ResetsPositionedPoints) {
  TBoard board;
  board.Evaluate(0.2L, -0.1L, 0.5L);
  EXPECT_NE(board.Result().PosGravity, board.Body().PtGravity);
  board.ComputeGeometry();
  EXPECT_EQ(board.Result().PosGravity, board.Body().PtGravity);
  EXPECT_EQ(board.Result().PosKeelOrigin, board.Body().PtKeelOrigin);
  EXPECT_EQ(board.Result().PosWingOutline, board.Body().WingOutline);
  EXPECT_EQ(board.Result().PosUpperBridleLine, board.Body().UpperBridleLine);
}

}  // namespace
