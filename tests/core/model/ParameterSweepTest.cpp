#include <gtest/gtest.h>

#include <cmath>

#include "TestTolerances.h"
#include "model/EditableFields.h"
#include "model/NewtonSolver.h"
#include "model/ParameterSweep.h"
#include "model/TBoard.h"

namespace {

constexpr long double kBalanceTolerance = 0.1L;  // N*m

EditableField Field(const char* name) {
  const auto field = FindEditableField(name);
  EXPECT_TRUE(field) << name;
  return *field;
}

struct ContinuationCase {
  const char* name;
  BalanceMethod method;
  bool bottom;
  const char* variable;
  long double from, to;
};

class SweepContinuation : public ::testing::TestWithParam<ContinuationCase> {};

TEST_P(SweepContinuation, EachStepFindsTheBalanceOfAFreshSearch) {
  const ContinuationCase& c = GetParam();
  TBoard door;
  door.Edit([&](DoorInputs& d) { d.Bottom = c.bottom; });
  ParameterSweep sweep(door, Field(c.variable), c.from, c.to, 5, c.method, 0, 0, 0,
                       kBalanceTolerance);
  EXPECT_TRUE(sweep.Run());
  ASSERT_EQ(sweep.Points().size(), 5u);
  for (const SweepPoint& p : sweep.Points()) {
    TBoard fresh = door;
    fresh.Edit([&](DoorInputs& d) { d.*(Field(c.variable).Field) = p.Value; });
    // From zero angles, which the relaxation does not always balance within its 500 steps at
    // the far ends of the row; the Newton search does, and lands where the relaxation would.
    long double x = 0, y = 0, z = 0;
    ASSERT_TRUE(NewtonSolver(fresh, kBalanceTolerance).Solve(x, y, z).Converged);
    EXPECT_TRUE(p.Converged) << p.Value;
    EXPECT_LT(p.MomentSum, kBalanceTolerance);
    EXPECT_NEAR(p.RotX, x, kAngleTol) << c.variable << " = " << p.Value;
    EXPECT_NEAR(p.RotY, y, kAngleTol) << c.variable << " = " << p.Value;
    EXPECT_NEAR(p.RotZ, z, kAngleTol) << c.variable << " = " << p.Value;
  }
}

INSTANTIATE_TEST_SUITE_P(
    MethodsAndFields, SweepContinuation,
    ::testing::Values(
        ContinuationCase{"NewtonSpeedBottom", BalanceMethod::Newton, true, "v", 1.8L, 2.2L},
        ContinuationCase{"RelaxSpeedBottom", BalanceMethod::Relaxation, true, "v", 1.8L, 2.2L},
        ContinuationCase{"NewtonWarpMidwater", BalanceMethod::Newton, false, "R", 24000, 34000},
        ContinuationCase{"NewtonBridleMidwater", BalanceMethod::Newton, false, "BridleAngleH", 10,
                         20}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParameterSweep, RunsFromTheFirstValueToTheLastAndLeavesTheDoorAlone) {
  TBoard door;
  ParameterSweep sweep(door, Field("v"), 1, 3, 9, BalanceMethod::Newton, 0, 0, 0,
                       kBalanceTolerance);
  EXPECT_EQ(sweep.ValueAt(0), 1);
  EXPECT_EQ(sweep.ValueAt(4), 2);
  EXPECT_EQ(sweep.ValueAt(8), 3);
  ASSERT_TRUE(sweep.Run());
  EXPECT_EQ(sweep.Points().back().Value, 3);
  EXPECT_EQ(sweep.Door().Inputs().v, 3);
  EXPECT_EQ(door.Inputs().v, DoorInputs().v);
  // Faster towing spreads harder, against more drag.
  for (std::size_t i = 1; i < sweep.Points().size(); ++i) {
    const SweepPoint& slow = sweep.Points()[i - 1];
    const SweepPoint& fast = sweep.Points()[i];
    EXPECT_GT(fast.SpreadKN, slow.SpreadKN) << fast.Value;
    EXPECT_LT(fast.ResistanceKN, slow.ResistanceKN) << fast.Value;
    EXPECT_NEAR(fast.SpreadOverResistance, fast.SpreadKN / -fast.ResistanceKN, kExact * 10);
  }
}

// A sweep written out as it runs holds only its last point, and each point is the one a sweep
// that keeps them all finds at that step.
TEST(ParameterSweep, KeepingOnlyTheLastPointGivesTheSamePointsOneAtATime) {
  const TBoard door;
  ParameterSweep all(door, Field("v"), 1, 3, 7, BalanceMethod::Newton, 0, 0, 0, kBalanceTolerance);
  ASSERT_TRUE(all.Run());
  ParameterSweep streamed(door, Field("v"), 1, 3, 7, BalanceMethod::Newton, 0, 0, 0,
                          kBalanceTolerance);
  streamed.KeepOnlyLastPoint();
  for (const SweepPoint& expected : all.Points()) {
    ASSERT_FALSE(streamed.Finished());
    streamed.Step();
    const SweepPoint& got = streamed.LastPoint();
    EXPECT_EQ(got.Value, expected.Value);
    EXPECT_EQ(got.RotX, expected.RotX);
    EXPECT_EQ(got.RotZ, expected.RotZ);
    EXPECT_EQ(got.SpreadKN, expected.SpreadKN);
    EXPECT_EQ(got.Converged, expected.Converged);
    EXPECT_TRUE(streamed.Points().empty());
  }
  EXPECT_TRUE(streamed.Finished());
  EXPECT_EQ(streamed.Done(), 7);
}

TEST(ParameterSweep, CancelKeepsThePointsSoFarAndCanGoOn) {
  TBoard door;
  ParameterSweep sweep(door, Field("WaterDensity"), 1000, 1050, 6, BalanceMethod::Newton, 0, 0, 0,
                       kBalanceTolerance);
  int asked = 0;
  EXPECT_FALSE(sweep.Run([&] { return ++asked == 2; }));
  EXPECT_EQ(sweep.Points().size(), 2u);
  EXPECT_FALSE(sweep.Finished());
  while (!sweep.Step()) {
  }
  EXPECT_EQ(sweep.Points().size(), 6u);
  EXPECT_TRUE(sweep.Step());  // nothing left to do
  EXPECT_EQ(sweep.Points().size(), 6u);
}

TEST(ParameterSweep, StepsThatDoNotBalanceAreMarked) {
  TBoard door;
  door.Edit([&](DoorInputs& d) { d.Bottom = false; });
  // A tolerance no door meets: every step stops at its iteration limit.
  ParameterSweep sweep(door, Field("v"), 2, 2.2L, 2, BalanceMethod::Newton, 0, 0, 0, 1e-30L);
  sweep.Run();
  ASSERT_EQ(sweep.Points().size(), 2u);
  for (const SweepPoint& p : sweep.Points()) {
    EXPECT_FALSE(p.Converged);
    EXPECT_GE(p.Iterations, NewtonSolver::kMaxRelaxationSteps - 1);
  }
}

}  // namespace
