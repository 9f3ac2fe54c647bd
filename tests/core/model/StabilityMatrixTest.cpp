#include <gtest/gtest.h>

#include <cmath>

#include "TestTolerances.h"
#include "model/PlaneMath.h"
#include "model/StabilityMatrix.h"
#include "model/TBoard.h"
#include "report/BalanceUpdate.h"

namespace {

// Relative agreement of a central difference over +-0.05 degrees with the exact derivative.
constexpr long double kDifferenceTol = 1e-6L;

// Nothing but the weight acts on a still, unloaded midwater door: the moments about the warp
// point are Mx = -G y, My = -G x, Mz = 0 of the turned centre of gravity (x, y, z). At zero
// angles their derivatives per radian are
//   [[G z, 0, -G x], [0, G z, G y], [0, 0, 0]],
// with eigenvalues G z, G z and 0.
TBoard HangingWeight(long double zg) {
  TBoard door;
  door.Edit([&](DoorInputs& d) {
    d.Bottom = false;
    d.v = 0;
    d.R = 0;
    d.zg = zg;
  });
  return door;
}

TEST(StabilityMatrix, WeightAloneGivesThePendulumDerivatives) {
  TBoard door = HangingWeight(0.285L);
  const XYZ p = door.Body().PtGravity;
  ASSERT_LT(p.Z, 0);  // the centre of gravity hangs below the warp point
  const StabilityMatrix s = StabilityMatrix::At(door, 0, 0, 0);
  const long double perDegree = door.Inputs().G * kDegree / 1000;  // kN*m per degree for one metre
  const long double expected[3][3] = {
      {perDegree * p.Z, 0, -perDegree * p.X}, {0, perDegree * p.Z, perDegree * p.Y}, {0, 0, 0}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      EXPECT_NEAR(s.Derivatives().At(i, j), expected[i][j], kDifferenceTol * perDegree)
          << "row " << i << " column " << j;
    }
  }
  // A neutral turn about Z (eigenvalue 0) is not stable.
  EXPECT_NEAR(s.Eigenvalues()[2].real(), 0, kDifferenceTol * perDegree);
  EXPECT_FALSE(s.Stable());
}

TEST(StabilityMatrix, WeightAboveTheWarpPointTipsOver) {
  TBoard door = HangingWeight(3);
  ASSERT_GT(door.Body().PtGravity.Z, 0);
  const StabilityMatrix s = StabilityMatrix::At(door, 0, 0, 0);
  EXPECT_GT(s.Eigenvalues()[2].real(), 0);
  EXPECT_FALSE(s.Stable());
}

TEST(StabilityMatrix, AgreesInSignWithTheBalanceWindowsDerivatives) {
  // A positive moment turns the door towards a positive angle: at the default door's balance
  // every moment must fall as the door turns further about its own axis, as the balance
  // window's one-degree differences show.
  for (const bool bottom : {true, false}) {
    TBoard door;
    door.Edit([&](DoorInputs& d) { d.Bottom = bottom; });
    long double x = 0, y = 0, z = 0;
    ASSERT_TRUE(door.Solve(x, y, z, 0.1L).Converged);
    const XYZ window = EvaluateWithStability(door, x, y, z);
    const StabilityMatrix s = StabilityMatrix::At(door, x, y, z);
    const long double diagonal[3] = {window.X / 1000, window.Y / 1000, window.Z / 1000};
    for (int i = 0; i < 3; ++i) {
      EXPECT_LT(s.Derivatives().At(i, i), 0) << "axis " << i << (bottom ? " bottom" : " mid");
      EXPECT_LT(diagonal[i], 0) << "axis " << i;
    }
    EXPECT_TRUE(s.Stable()) << (bottom ? "bottom" : "midwater");
  }
}

TEST(StabilityMatrix, LeavesTheDoorAtThePosition) {
  TBoard door;
  door.Evaluate(7 * kDegree, -4 * kDegree, 37 * kDegree);
  const XYZ there = door.Result().TotalMoment;
  StabilityMatrix::At(door, 7, -4, 37);
  EXPECT_EQ(door.Result().TotalMoment.X, there.X);
  EXPECT_EQ(door.Result().TotalMoment.Y, there.Y);
  EXPECT_EQ(door.Result().TotalMoment.Z, there.Z);
}

}  // namespace
