// The Newton search tells the truth about where it stopped: over random valid doors and random
// starts, whatever it found, the result matches the door it leaves behind.

#include <gtest/gtest.h>

#include <cmath>

#include "RandomDoor.h"
#include "TestTolerances.h"
#include "model/NewtonSolver.h"
#include "model/TBoard.h"

namespace {

constexpr int kSearches = 200;
constexpr long double kBalanceTolerance = 0.1L;  // N*m
constexpr int kAgreementDoors = 200;
constexpr int kMostDoorsTried = 5000;  // about one random door in ten balances from 0 0 0

TEST(NewtonProperties, TheResultDescribesTheDoorLeftBehind) {
  RandomDoor random(20261208);
  int converged = 0;
  int failed = 0;
  for (int i = 0; i < kSearches; ++i) {
    TBoard door(random.Door());
    long double x = random.Uniform(-45, 45);
    long double y = random.Uniform(-45, 45);
    long double z = random.Uniform(-45, 45);
    const NewtonResult n = NewtonSolver(door, kBalanceTolerance).Solve(x, y, z);
    const XYZ& m = door.Result().TotalMoment;
    const long double sum = std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z);
    EXPECT_EQ(n.MomentSum, sum) << "search " << i;
    EXPECT_EQ(n.Converged, sum < kBalanceTolerance) << "search " << i;
    EXPECT_EQ(door.RotX(), x);
    EXPECT_EQ(door.RotY(), y);
    EXPECT_EQ(door.RotZ(), z);
    const bool outside = !(std::fabs(x) <= 90 && std::fabs(y) <= 90 && std::fabs(z) <= 90);
    if (outside) {
      EXPECT_TRUE(n.LeftAngleRange) << "search " << i;
    }
    EXPECT_LE(n.Iterations, NewtonSolver::kMaxSteps);
    (n.Converged ? converged : failed) += 1;
    if (HasFailure()) break;
  }
  // Both outcomes were put to the test.
  EXPECT_GT(converged, kSearches / 10);
  EXPECT_GT(failed, 0);
}

// Wherever the relaxation balances a random door, the Newton search from the same start lands on
// the same balance, in either trawling mode.
TEST(NewtonProperties, LandsWhereTheRelaxationBalances) {
  RandomDoor random(20261208);
  int balanced[2] = {0, 0};  // midwater, bottom
  for (int tried = 0; balanced[0] + balanced[1] < kAgreementDoors && tried < kMostDoorsTried;
       ++tried) {
    TBoard relaxed(random.Door());
    TBoard newton = relaxed;
    long double x = 0, y = 0, z = 0;
    if (!relaxed.Solve(x, y, z, kBalanceTolerance).Converged) continue;
    ++balanced[relaxed.Inputs().Bottom ? 1 : 0];
    long double nx = 0, ny = 0, nz = 0;
    const NewtonResult n = NewtonSolver(newton, kBalanceTolerance).Solve(nx, ny, nz);
    EXPECT_TRUE(n.Converged) << "door " << tried;
    EXPECT_NEAR(nx, x, kAngleTol) << "door " << tried;
    EXPECT_NEAR(ny, y, kAngleTol) << "door " << tried;
    EXPECT_NEAR(nz, z, kAngleTol) << "door " << tried;
  }
  EXPECT_EQ(balanced[0] + balanced[1], kAgreementDoors);
  EXPECT_GT(balanced[0], 0);
  EXPECT_GT(balanced[1], 0);
}

}  // namespace
