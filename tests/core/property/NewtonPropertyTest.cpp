// The Newton search tells the truth about where it stopped: over random valid doors and random
// starts, whatever it found, the result matches the door it leaves behind.

#include <gtest/gtest.h>

#include <cmath>

#include "RandomDoor.h"
#include "model/NewtonSolver.h"
#include "model/TBoard.h"

namespace {

constexpr int kSearches = 200;
constexpr long double kBalanceTolerance = 0.1L;  // N*m

TEST(NewtonProperties, TheResultDescribesTheDoorLeftBehind) {
  RandomDoor random(20261208);
  int converged = 0;
  int failed = 0;
  for (int i = 0; i < kSearches; ++i) {
    TBoard door = random.Door();
    long double x = random.Uniform(-45, 45);
    long double y = random.Uniform(-45, 45);
    long double z = random.Uniform(-45, 45);
    const NewtonResult n = NewtonSolver(door, kBalanceTolerance).Solve(x, y, z);
    const XYZ& m = door.TotalMoment;
    const long double sum = std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z);
    EXPECT_EQ(n.MomentSum, sum) << "search " << i;
    EXPECT_EQ(n.Converged, sum < kBalanceTolerance) << "search " << i;
    EXPECT_EQ(door.RotX, x);
    EXPECT_EQ(door.RotY, y);
    EXPECT_EQ(door.RotZ, z);
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

}  // namespace
