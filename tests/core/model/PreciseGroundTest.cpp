#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TestTolerances.h"
#include "model/BalanceMethod.h"
#include "model/EditableFields.h"
#include "model/Interpolate.h"
#include "model/KeelGround.h"
#include "model/NewtonSolver.h"
#include "model/ParameterSweep.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "support/DoorLoad.h"

namespace {

constexpr long double kBalanceTolerance = 0.1L;  // N*m
// Precise ground contact moves a balance by some hundredths of a degree at most.
constexpr long double kGroundShiftTol = 0.05L;  // degrees

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;

// The residual of the keel's sinking depth as the door file's documentation gives it: the
// volume the normal force presses aside over the cross-section at depth z, less z; shallower
// than 0.1 mm it counts as too shallow.
long double Residual(const TBoard& door, long double normal, long double z) {
  const CoefTable& k = door.Inputs().KeelGeom;
  const long double deepest = k.At(k.Count - 1, kKeelZi);
  if (z < 0.0001L) return deepest;
  const long double section = Interpolate(k, kKeelXi, z) * Interpolate(k, kKeelYi, z);
  if (!(section > 0)) return deepest;
  return normal * door.Inputs().GroundCoef * 1e-6L / section - z;
}

// The search the program has always made: halve the keel's depth range until the residual is
// within 1 mm, at most 10000 times (0 if that never happens); a residual of one sign over the
// whole range sinks the whole keel.
long double ToleranceDepth(const TBoard& door, long double normal) {
  long double lo = 0, hi = door.Inputs().KeelGeom.At(door.Inputs().KeelGeom.Count - 1, kKeelZi);
  const long double fLo = Residual(door, normal, lo), fHi = Residual(door, normal, hi);
  if (fLo * fHi > 0) return hi;
  const bool decreasing = fHi < fLo;
  for (int i = 0; i < 10000; ++i) {
    const long double mid = (lo + hi) / 2;
    const long double fm = Residual(door, normal, mid);
    if (std::fabs(fm) <= 0.001L) return mid;
    if (decreasing ? fm > 0 : fm < 0) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return 0;
}

struct SampleDoor {
  TBoard door;
  ViewSettings view;
};

SampleDoor Load(const std::string& name) {
  SampleDoor s;
  s.door.SetInputs(LoadedInputs(kSamples + "/" + name + ".brd", &s.view));
  return s;
}

const char* const kSampleNames[] = {"default", "oval", "vshape", "spherical", "rectangular"};

TEST(PreciseGround, OffKeepsTheDepthOfTheOneMillimetreSearch) {
  for (const char* name : kSampleNames) {
    const TBoard door = Load(name).door;
    ASSERT_FALSE(door.PreciseGround());
    for (const long double normal : {0.0L, 50.0L, 1000.0L, 11513.0L, 60000.0L, 1e9L}) {
      const KeelGround keel(door, 0, Rotation(0, 0, 0), normal);
      // Bit for bit: off, reports keep the figures they always had.
      EXPECT_EQ(keel.PenetrationDepth(), ToleranceDepth(door, normal)) << name << " " << normal;
    }
  }
}

TEST(PreciseGround, OnFindsTheDepthToTheLastBit) {
  for (const char* name : kSampleNames) {
    TBoard door = Load(name).door;
    door.SetPreciseGround(true);
    for (const long double normal : {50.0L, 1000.0L, 11513.0L, 60000.0L}) {
      const long double depth = KeelGround(door, 0, Rotation(0, 0, 0), normal).PenetrationDepth();
      const long double deepest =
          door.Inputs().KeelGeom.At(door.Inputs().KeelGeom.Count - 1, kKeelZi);
      if (depth == deepest) continue;  // the whole keel sinks: nothing to balance
      // The residual changes sign across the neighbouring reals of the depth.
      const long double below = Residual(door, normal, std::nextafter(depth, 0.0L));
      const long double above = Residual(door, normal, std::nextafter(depth, deepest));
      EXPECT_LE(below * above, 0) << name << " " << normal;
      // The one-millimetre search lands within its tolerance of it.
      door.SetPreciseGround(false);
      const long double tolerant =
          KeelGround(door, 0, Rotation(0, 0, 0), normal).PenetrationDepth();
      door.SetPreciseGround(true);
      EXPECT_NEAR(Residual(door, normal, tolerant), 0, 0.001L) << name << " " << normal;
    }
  }
}

TEST(PreciseGround, OnMovesEachSampleBalanceByHundredthsOfADegreeAtMost) {
  for (const char* name : kSampleNames) {
    SampleDoor off = Load(name);
    SampleDoor on = Load(name);
    on.door.SetPreciseGround(true);
    auto [ox, oy, oz] = off.view.Angles;
    auto [px, py, pz] = on.view.Angles;
    ASSERT_TRUE(NewtonSolver(off.door, kBalanceTolerance).Solve(ox, oy, oz).Converged) << name;
    ASSERT_TRUE(NewtonSolver(on.door, kBalanceTolerance).Solve(px, py, pz).Converged) << name;
    EXPECT_NEAR(px, ox, kGroundShiftTol) << name;
    EXPECT_NEAR(py, oy, kGroundShiftTol) << name;
    EXPECT_NEAR(pz, oz, kGroundShiftTol) << name;
  }
}

// The V-shaped door's speed sweep from 1 to 3 m/s in 22 values stalls at four speeds in the
// middle of smooth curves, where the ground force moves in steps of the 1 mm depth; with the
// depth found to full precision both searches balance there.
struct StepCase {
  const char* name;
  BalanceMethod method;
};

class VShapeSpeedSweep : public ::testing::TestWithParam<StepCase> {};

TEST_P(VShapeSpeedSweep, PreciseGroundBalancesWhereTheGroundForceSteps) {
  const EditableField speed = *FindEditableField("v");
  for (const bool precise : {false, true}) {
    SampleDoor s = Load("vshape");
    s.door.SetPreciseGround(precise);
    ParameterSweep sweep(s.door, speed, 1, 3, 22, GetParam().method, s.view.Angles[0],
                         s.view.Angles[1], s.view.Angles[2], kBalanceTolerance);
    sweep.Run();
    int checked = 0;
    for (const SweepPoint& p : sweep.Points()) {
      // 1.67, 2.14, 2.62 and 3.0 m/s.
      const bool stepSpeed = std::fabs(p.Value - 1.6667L) < 0.001L ||
                             std::fabs(p.Value - 2.1429L) < 0.001L ||
                             std::fabs(p.Value - 2.6190L) < 0.001L || p.Value == 3;
      if (!stepSpeed) continue;
      ++checked;
      EXPECT_EQ(p.Converged, precise) << "v = " << p.Value << (precise ? " precise" : " 1 mm");
      if (precise) {
        EXPECT_LT(p.MomentSum, kBalanceTolerance) << p.Value;
      }
    }
    EXPECT_EQ(checked, 4);
  }
}

INSTANTIATE_TEST_SUITE_P(BothSearches, VShapeSpeedSweep,
                         ::testing::Values(StepCase{"Relaxation", BalanceMethod::Relaxation},
                                           StepCase{"Newton", BalanceMethod::Newton}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PreciseGround, IsASettingOfTheProgramNotOfTheDoorFile) {
  // The door's inputs, which a file holds, have no such switch: taking another door's keeps it.
  TBoard door;
  door.SetPreciseGround(true);
  door.SetInputs(LoadedInputs(kSamples + "/oval.brd"));
  EXPECT_TRUE(door.PreciseGround());
  const TBoard copy = door;
  EXPECT_TRUE(copy.PreciseGround());
}

}  // namespace
