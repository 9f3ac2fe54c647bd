// The balance search says when it turned the door beyond +-90 degrees: over random doors,
// random starts and random step sizes, SolveResult::LeftAngleRange is set exactly when one of
// the angles it held (the start, any step, the end) lay outside [-90, 90].

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "RandomDoor.h"
#include "model/TBoard.h"

namespace {

constexpr int kSearches = 200;

bool Outside(long double x, long double y, long double z) {
  for (const long double angle : {x, y, z}) {
    if (std::isnan(angle) || angle < -90 || angle > 90) return true;
  }
  return false;
}

TEST(SolverProperties, LeavingTheAngleRangeIsAlwaysReported) {
  RandomDoor random(20240903);
  int left = 0;
  int stayed = 0;
  for (int i = 0; i < kSearches; ++i) {
    TBoard door(random.Door());
    // Coarse steps (small sensitivity) from near or past the edge make half of the searches
    // overshoot; fine steps from well inside keep most of the others within the range.
    const bool coarse = i % 2 == 0;
    door.SetSensitivity(coarse ? random.Uniform(0.5L, 20) : random.Uniform(1000, 100000));
    const long double reach = coarse ? 100 : 45;
    long double x = random.Uniform(-reach, reach);
    long double y = random.Uniform(-reach, reach);
    long double z = random.Uniform(-reach, reach);
    const std::array<long double, 3> start{x, y, z};
    bool seenOutside = Outside(x, y, z);
    const SolveResult result =
        door.Solve(x, y, z, 0.1L, [&] { seenOutside = seenOutside || Outside(x, y, z); });
    seenOutside = seenOutside || Outside(x, y, z);

    EXPECT_EQ(result.LeftAngleRange, seenOutside)
        << "search " << i << " from " << start[0] << ", " << start[1] << ", " << start[2]
        << " ended at " << x << ", " << y << ", " << z << " after " << result.Iterations;
    (seenOutside ? left : stayed) += 1;
    if (HasFailure()) break;
  }
  // Both answers were put to the test.
  EXPECT_GT(left, kSearches / 10);
  EXPECT_GT(stayed, kSearches / 10);
}

TEST(SolverProperties, ExactlyNinetyDegreesIsInsideTheRange) {
  TBoard door;
  door.Edit([&](DoorInputs& d) { d.Bottom = false; });
  long double x = 90, y = -90, z = 0;
  // A search that stops at once keeps its start.
  const SolveResult result = door.Solve(x, y, z, 1e30L);
  EXPECT_EQ(result.Iterations, 1);
  EXPECT_FALSE(result.LeftAngleRange);
  long double beyond = 90.000001L, y2 = 0, z2 = 0;
  EXPECT_TRUE(door.Solve(beyond, y2, z2, 1e30L).LeftAngleRange);
}

TEST(SolverProperties, TheDefaultDoorBalancesWithinTheRange) {
  for (const bool bottom : {true, false}) {
    TBoard door;
    door.Edit([&](DoorInputs& d) { d.Bottom = bottom; });
    long double x = 0, y = 0, z = 0;
    const SolveResult result = door.Solve(x, y, z, 0.1L);
    EXPECT_TRUE(result.Converged);
    EXPECT_FALSE(result.LeftAngleRange) << (bottom ? "bottom" : "midwater");
  }
}

}  // namespace
