#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "TestTolerances.h"
#include "model/BalanceFigures.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {

constexpr long double kIterationSlack = 15;  // "about" N iterations

struct Expected {
  bool bottom;
  int iterations;
  long double x, y, z, attack;
};

class SolveDefaultDoor : public ::testing::TestWithParam<Expected> {};

TEST_P(SolveDefaultDoor, ConvergesToTheBalancePosition) {
  const Expected e = GetParam();
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.Bottom = e.bottom; });
  long double x = 0, y = 0, z = 0;
  const SolveResult result = board.Solve(x, y, z, 0.1L);
  EXPECT_TRUE(result.Converged);
  EXPECT_NEAR(result.Iterations, e.iterations, kIterationSlack);
  EXPECT_NEAR(x, e.x, kAngleTol);
  EXPECT_NEAR(y, e.y, kAngleTol);
  EXPECT_NEAR(z, e.z, kAngleTol);
  EXPECT_NEAR(ComputeBalanceFigures(board).WingAttackDeg, e.attack, 0.1L);
  EXPECT_EQ(board.RotX(), x);
  EXPECT_EQ(board.RotY(), y);
  EXPECT_EQ(board.RotZ(), z);
  // The model holds the evaluation of the returned angles, whose moments are in balance.
  const XYZ& m = board.Result().TotalMoment;
  EXPECT_LT(std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z), 0.1L);
}

INSTANTIATE_TEST_SUITE_P(BothModes, SolveDefaultDoor,
                         ::testing::Values(Expected{true, 290, 7.18L, -4.29L, 37.41L, 37.3L},
                                           Expected{false, 400, -22.88L, 13.31L, 30.15L, 29.3L}),
                         [](const auto& info) {
                           return info.param.bottom ? "Bottom" : "Midwater";
                         });

TEST(Solve, BalancedDoorReturnsAfterOneEvaluation) {
  TBoard board;
  long double x = 0, y = 0, z = 0;
  board.Solve(x, y, z, 0.1L);
  const long double bx = x, by = y, bz = z;
  const SolveResult again = board.Solve(x, y, z, 0.1L);
  EXPECT_TRUE(again.Converged);
  EXPECT_EQ(again.Iterations, 1);
  EXPECT_EQ(x, bx);
  EXPECT_EQ(y, by);
  EXPECT_EQ(z, bz);
}

// The first step, seen through the message callback, which runs after each step.
std::optional<std::array<long double, 3>> FirstStep(TBoard& board) {
  long double x = 0, y = 0, z = 0;
  std::optional<std::array<long double, 3>> step;
  board.Solve(x, y, z, 0.1L, [&] {
    if (!step) step = std::array<long double, 3>{x, y, z};
  });
  return step;
}

TEST(Solve, StepIsTheMomentTimesDegreeOverSensitivity) {
  TBoard board;
  board.Evaluate(0, 0, 0);
  const XYZ m = board.Result().TotalMoment;
  const auto step = FirstStep(board);
  ASSERT_TRUE(step);
  EXPECT_NEAR((*step)[0], kDegree * m.X / 100, kExact * 1e3L);
  EXPECT_NEAR((*step)[1], kDegree * m.Y / 100, kExact * 1e3L);
  EXPECT_NEAR((*step)[2], kDegree * m.Z / 100, kExact * 1e3L);

  TBoard finer;
  finer.SetSensitivity(200);
  const auto half = FirstStep(finer);
  ASSERT_TRUE(half);
  for (int i = 0; i < 3; ++i)
    EXPECT_NEAR((*half)[i], (*step)[i] / 2, kExact * 1e3L);
}

TEST(Solve, ToleranceIsStrict) {
  TBoard board;
  board.Evaluate(0, 0, 0);
  const XYZ& m = board.Result().TotalMoment;
  const long double sum = std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z);
  long double x = 0, y = 0, z = 0;
  int steps = 0;
  board.Solve(x, y, z, sum, [&] { ++steps; });
  EXPECT_GE(steps, 1);  // equal to the tolerance is not below it
  x = y = z = 0;
  const SolveResult above = board.Solve(x, y, z, sum * 1.0001L);
  EXPECT_EQ(above.Iterations, 1);
}

TEST(Solve, StopsAtTheIterationLimitAndSaysSo) {
  TBoard board;
  board.SetSensitivity(1e6L);  // far too fine to get there in 500 steps
  long double x = 0, y = 0, z = 0;
  int callbacks = 0;
  const SolveResult result = board.Solve(x, y, z, 0.1L, [&] { ++callbacks; });
  EXPECT_FALSE(result.Converged);
  EXPECT_EQ(result.Iterations, 500);
  EXPECT_EQ(callbacks, 500);
  EXPECT_EQ(board.RotX(), x);
  EXPECT_NE(x, 0);
}

}  // namespace
