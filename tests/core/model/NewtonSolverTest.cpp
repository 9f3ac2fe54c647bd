#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TestTolerances.h"
#include "model/NewtonSolver.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "support/DoorLoad.h"

namespace {

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;
constexpr long double kBalanceTolerance = 0.1L;  // N*m, as the balance window asks

struct SampleCase {
  const char* door;
  bool bottom;
};

std::string CaseName(const ::testing::TestParamInfo<SampleCase>& info) {
  return std::string(info.param.door) + (info.param.bottom ? "Bottom" : "Midwater");
}

// The sample door in the mode asked, with the angles stored in its file as the start.
struct StartedDoor {
  TBoard door;
  long double x = 0, y = 0, z = 0;
};

StartedDoor Load(const SampleCase& c) {
  StartedDoor s;
  ViewSettings view;
  DoorInputs inputs = LoadedInputs(kSamples + "/" + c.door + ".brd", &view);
  inputs.Bottom = c.bottom;
  s.door.SetInputs(inputs);
  s.x = view.Angles[0];
  s.y = view.Angles[1];
  s.z = view.Angles[2];
  return s;
}

long double MomentSum(const TBoard& door) {
  const XYZ& m = door.Result().TotalMoment;
  return std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z);
}

class NewtonOnSampleDoors : public ::testing::TestWithParam<SampleCase> {};

TEST_P(NewtonOnSampleDoors, LandsOnTheRelaxationsBalance) {
  StartedDoor relaxed = Load(GetParam());
  StartedDoor newton = Load(GetParam());
  const SolveResult r = relaxed.door.Solve(relaxed.x, relaxed.y, relaxed.z, kBalanceTolerance);
  ASSERT_TRUE(r.Converged);

  const NewtonResult n =
      NewtonSolver(newton.door, kBalanceTolerance).Solve(newton.x, newton.y, newton.z);
  ASSERT_TRUE(n.Converged);
  EXPECT_NEAR(newton.x, relaxed.x, kAngleTol);
  EXPECT_NEAR(newton.y, relaxed.y, kAngleTol);
  EXPECT_NEAR(newton.z, relaxed.z, kAngleTol);
  // The result tells the state the door is left in.
  EXPECT_LT(n.MomentSum, kBalanceTolerance);
  EXPECT_EQ(n.MomentSum, MomentSum(newton.door));
  EXPECT_EQ(newton.door.RotX(), newton.x);
  EXPECT_EQ(newton.door.RotZ(), newton.z);
  EXPECT_FALSE(n.StaticallyUnstable);
  EXPECT_FALSE(n.LeftAngleRange);
  // Far fewer evaluations than the relaxation's one per step.
  EXPECT_LE(n.Evaluations * 10, r.Iterations) << n.Evaluations << " against " << r.Iterations;
}

INSTANTIATE_TEST_SUITE_P(
    EveryDoorBothModes, NewtonOnSampleDoors,
    ::testing::Values(SampleCase{"default", true}, SampleCase{"default", false},
                      SampleCase{"oval", true}, SampleCase{"oval", false},
                      SampleCase{"vshape", true}, SampleCase{"vshape", false},
                      SampleCase{"spherical", true}, SampleCase{"spherical", false},
                      SampleCase{"rectangular", true}, SampleCase{"rectangular", false}),
    CaseName);

TEST(NewtonSolver, OutOfIterationsSaysSo) {
  TBoard door;
  long double x = 0, y = 0, z = 0;
  // No door balances to a moment sum this small.
  const NewtonResult n = NewtonSolver(door, 1e-30L).Solve(x, y, z);
  EXPECT_FALSE(n.Converged);
  // The relaxation's path to its own limit, and no step beyond the search's.
  EXPECT_GE(n.Iterations, NewtonSolver::kMaxRelaxationSteps - 1);
  EXPECT_LE(n.Iterations, NewtonSolver::kMaxSteps);
  EXPECT_EQ(n.MomentSum, MomentSum(door));
  EXPECT_GT(n.MomentSum, 0);
}

TEST(NewtonSolver, BalancedStartTakesNoStep) {
  TBoard door;
  long double x = 0, y = 0, z = 0;
  ASSERT_TRUE(door.Solve(x, y, z, kBalanceTolerance).Converged);
  const long double bx = x, by = y, bz = z;
  const NewtonResult n = NewtonSolver(door, kBalanceTolerance).Solve(x, y, z);
  EXPECT_TRUE(n.Converged);
  EXPECT_EQ(n.Iterations, 0);
  EXPECT_EQ(x, bx);
  EXPECT_EQ(y, by);
  EXPECT_EQ(z, bz);
}

}  // namespace
