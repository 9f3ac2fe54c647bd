#include "analysis/TargetSolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "TestTolerances.h"
#include "model/EditableFields.h"
#include "model/ParameterSweep.h"
#include "model/TBoard.h"

namespace {

constexpr long double kBalanceTolerance = 0.1L;  // N*m
// No moment sum falls below it: no search balances.
constexpr long double kNoBalance = -1;
constexpr int kFineSweepValues = 201;

EditableField Field(const char* name) {
  const auto field = FindEditableField(name);
  EXPECT_TRUE(field) << name;
  return *field;
}

long double SweptAngle(const SweepPoint& p, TargetQuantity q) {
  if (q == TargetQuantity::Heel) return p.RotX;
  if (q == TargetQuantity::Pitch) return p.RotY;
  return p.WingAttackDeg;
}

// Where the angle of a fine sweep first passes the target, by linear interpolation between the
// two balanced values around it.
std::optional<long double> SweepCrossing(const ParameterSweep& sweep, TargetQuantity q,
                                         long double target) {
  const SweepPoint* before = nullptr;
  for (const SweepPoint& p : sweep.Points()) {
    if (!p.Converged) continue;
    if (before) {
      const long double a = SweptAngle(*before, q) - target, b = SweptAngle(p, q) - target;
      if (a * b <= 0) return before->Value + (p.Value - before->Value) * a / (a - b);
    }
    before = &p;
  }
  return std::nullopt;
}

struct TargetCase {
  const char* name;
  bool bottom;
  const char* setting;
  long double from, to;
  TargetQuantity quantity;
  long double target;
};

class TargetAgainstSweep : public ::testing::TestWithParam<TargetCase> {};

TEST_P(TargetAgainstSweep, FindsTheValueAFineSweepCrossesAt) {
  const TargetCase& c = GetParam();
  TBoard door;
  door.Edit([&](DoorInputs& d) { d.Bottom = c.bottom; });
  TargetSolver solver(door, Field(c.setting), c.from, c.to, c.quantity, c.target, {0, 0, 0},
                      kBalanceTolerance);
  const TargetSolver::Result r = solver.Solve();
  ASSERT_TRUE(r.Found()) << static_cast<int>(r.Why);
  EXPECT_NEAR(r.AchievedDeg, c.target, TargetSolver::kFoundTolerance);
  EXPECT_NEAR(TargetSolver::AngleOf(r.Balance, c.quantity), r.AchievedDeg, kExact);
  EXPECT_LT(r.Balance.MomentSum, kBalanceTolerance);
  EXPECT_GE(r.Balances, 2);
  EXPECT_GE(r.Evaluations, r.Balances);

  ParameterSweep sweep(door, Field(c.setting), c.from, c.to, kFineSweepValues,
                       BalanceMethod::Newton, 0, 0, 0, kBalanceTolerance);
  sweep.Run();
  const std::optional<long double> crossing = SweepCrossing(sweep, c.quantity, c.target);
  ASSERT_TRUE(crossing);
  const long double step = (c.to - c.from) / (kFineSweepValues - 1);
  EXPECT_NEAR(r.Value, *crossing, step / 2) << c.setting;
  // The door given is left alone.
  EXPECT_EQ(door.Inputs().*(Field(c.setting).Field), DoorInputs().*(Field(c.setting).Field));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, TargetAgainstSweep,
    ::testing::Values(
        TargetCase{"UpperBridleHeightForNoHeel", true, "zc0", 1, 5, TargetQuantity::Heel, 0},
        TargetCase{"UpperBridleHeightForNoPitch", true, "zc0", 0.5L, 2, TargetQuantity::Pitch, 0},
        TargetCase{"WarpPointForAttack35", true, "x0", 0.8L, 1.6L, TargetQuantity::Attack, 35},
        TargetCase{"UpperBridleAbscissaForAttack38", true, "xc0", 1.5L, 3.4L,
                   TargetQuantity::Attack, 38},
        TargetCase{"MidwaterBridleAngleForAttack30", false, "BridleAngleH", 10, 20,
                   TargetQuantity::Attack, 30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TargetSolver, AnAngleThatStaysOnOneSideIsNotFoundAndTheNearestValueIsKept) {
  TBoard door;
  // Lowering the lower bridle point leaves the default door heeling inward all the way.
  TargetSolver solver(door, Field("zc1"), 0, 1.2L, TargetQuantity::Heel, 0, {0, 0, 0},
                      kBalanceTolerance);
  const TargetSolver::Result r = solver.Solve();
  EXPECT_FALSE(r.Found());
  EXPECT_EQ(r.Why, TargetSolver::Outcome::NoCrossing);
  EXPECT_EQ(r.Balances, TargetSolver::kScanIntervals + 1);
  ASSERT_TRUE(r.Balance.Converged);
  EXPECT_GT(r.AchievedDeg, TargetSolver::kFoundTolerance);
  // No value of the scan comes nearer than the one kept.
  for (int k = 0; k <= TargetSolver::kScanIntervals; ++k) {
    TBoard probe = door;
    probe.Edit([&](DoorInputs& d) { d.zc1 = 1.2L * k / TargetSolver::kScanIntervals; });
    const BalanceOutcome b = BalanceDoor(probe, {0, 0, 0}, kBalanceTolerance);
    if (b.Converged) {
      EXPECT_GE(std::fabs(b.Angles[0]) + kAngleTol, r.AchievedDeg) << probe.Inputs().zc1;
    }
  }
}

TEST(TargetSolver, NothingThatBalancesIsNotFound) {
  TBoard door;
  TargetSolver solver(door, Field("v"), 1.5L, 2.5L, TargetQuantity::Attack, 35, {0, 0, 0},
                      kNoBalance);
  const TargetSolver::Result r = solver.Solve();
  EXPECT_FALSE(r.Found());
  EXPECT_EQ(r.Why, TargetSolver::Outcome::Unbalanced);
  EXPECT_FALSE(r.Balance.Converged);
}

TEST(TargetSolver, EitherEndMayComeFirst) {
  TBoard door;
  const auto solve = [&](long double from, long double to) {
    return TargetSolver(door, Field("x0"), from, to, TargetQuantity::Attack, 35, {0, 0, 0},
                        kBalanceTolerance)
        .Solve();
  };
  const TargetSolver::Result up = solve(0.8L, 1.6L);
  const TargetSolver::Result down = solve(1.6L, 0.8L);
  ASSERT_TRUE(up.Found());
  ASSERT_TRUE(down.Found());
  EXPECT_NEAR(up.Value, down.Value, 1e-3L);
}

}  // namespace
