#include "model/BalanceSearch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TestTolerances.h"
#include "model/TBoard.h"

namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr int kEnoughSteps = 1000;

long double MomentSum(const TBoard& board) {
  const XYZ& m = board.Result().TotalMoment;
  return std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z);
}

TEST(BalanceSearch, AStepThatDoesNotConvergeMovesTheAngles) {
  TBoard board;
  BalanceSearch search(board, 0, 0, 0, 0.1L);
  EXPECT_FALSE(search.Step());
  EXPECT_FALSE(search.Converged());
  EXPECT_EQ(search.Iterations(), 1);
  // The door holds the evaluation at the start angles; the search has moved on from them.
  EXPECT_EQ(search.MomentSum(), MomentSum(board));
  EXPECT_NE(search.X(), 0);
  EXPECT_NE(search.Y(), 0);
  EXPECT_NE(search.Z(), 0);
}

TEST(BalanceSearch, StopsBelowTheToleranceAndStaysThere) {
  TBoard board;
  BalanceSearch coarse(board, 0, 0, 0, 1.0L);
  while (!coarse.Step() && coarse.Iterations() < kEnoughSteps) {
  }
  ASSERT_TRUE(coarse.Converged());
  EXPECT_LT(coarse.MomentSum(), 1.0L);
  EXPECT_EQ(coarse.MomentSum(), MomentSum(board));

  // Converged, a further step evaluates the same angles again and does not move.
  const int coarseSteps = coarse.Iterations();
  const long double x = coarse.X(), y = coarse.Y(), z = coarse.Z();
  EXPECT_TRUE(coarse.Step());
  EXPECT_EQ(coarse.Iterations(), coarseSteps + 1);
  EXPECT_EQ(coarse.X(), x);
  EXPECT_EQ(coarse.Y(), y);
  EXPECT_EQ(coarse.Z(), z);

  // A finer tolerance asks for more steps from the same start.
  BalanceSearch fine(board, 0, 0, 0, 0.1L);
  while (!fine.Step() && fine.Iterations() < kEnoughSteps) {
  }
  ASSERT_TRUE(fine.Converged());
  EXPECT_GT(fine.Iterations(), coarseSteps);
  EXPECT_LT(fine.MomentSum(), 0.1L);
}

struct StartCase {
  const char* name;
  long double x, y, z;
  bool outside;
};

class BalanceSearchStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(BalanceSearchStart, ReportsAStartBeyondNinetyDegrees) {
  const StartCase c = GetParam();
  TBoard board;
  const BalanceSearch search(board, c.x, c.y, c.z, 0.1L);
  EXPECT_EQ(search.LeftAngleRange(), c.outside);
}

INSTANTIATE_TEST_SUITE_P(Starts, BalanceSearchStart,
                         ::testing::Values(StartCase{"AtTheLimits", 90, -90, 90, false},
                                           StartCase{"XBeyond", 90.5L, 0, 0, true},
                                           StartCase{"YBeyond", 0, -91, 0, true},
                                           StartCase{"ZBeyond", 0, 0, 180, true},
                                           StartCase{"NotANumber", 0, kNaN, 0, true}),
                         [](const auto& info) { return info.param.name; });

TEST(BalanceSearch, ReportsAStepBeyondNinetyDegrees) {
  TBoard board;
  board.SetSensitivity(0.01L);  // steps of hundreds of degrees
  BalanceSearch search(board, 0, 0, 0, 0.1L);
  EXPECT_FALSE(search.LeftAngleRange());
  search.Step();
  EXPECT_TRUE(search.LeftAngleRange());
}

}  // namespace
