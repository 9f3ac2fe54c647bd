#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "model/CoefTable.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "support/DoorLoad.h"

namespace {

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;
const char* const kSampleNames[] = {"default", "oval", "vshape", "spherical", "rectangular"};

// Limits of a plausible bottom-trawl balance.
constexpr long double kMinAttackDeg = 20;
constexpr long double kMaxAttackDeg = 45;
constexpr long double kMaxHeelTiltDeg = 10;
constexpr long double kSolveTolerance = 0.1L;  // N*m, as the balance window asks

TBoard LoadSample(const std::string& name, ViewSettings* view = nullptr) {
  return TBoard(LoadedInputs(kSamples + "/" + name + ".brd", view));
}

struct Peak {
  long double Cy = 0;
  long double Angle = 0;
};

Peak LiftPeak(const CoefTable& t) {
  Peak peak{t.At(0, kHydroCy), t.At(0, kHydroAngle)};
  for (int i = 1; i < t.Count; ++i) {
    if (t.At(i, kHydroCy) > peak.Cy) peak = {t.At(i, kHydroCy), t.At(i, kHydroAngle)};
  }
  return peak;
}

TEST(SampleDoors, LoadAndPassTheTableCheck) {
  for (const char* name : kSampleNames) {
    SCOPED_TRACE(name);
    const TBoard door = LoadSample(name);
    EXPECT_FALSE(ValidateTable(door.Inputs().Hydro).has_value());
    EXPECT_FALSE(ValidateTable(door.Inputs().Ground).has_value());
    EXPECT_FALSE(ValidateTable(door.Inputs().KeelGeom).has_value());
    EXPECT_TRUE(door.Inputs().Bottom);
    // The wing fits in its chord-by-height rectangle, and the door weighs 0.5 to 3 tonnes.
    EXPECT_LE(door.Inputs().F, door.Inputs().b * door.Inputs().H);
    EXPECT_GT(door.Inputs().G, 5000);
    EXPECT_LT(door.Inputs().G, 30000);
  }
}

TEST(SampleDoors, BalanceInBottomTrawlingWithTheDefaultSettings) {
  for (const char* name : kSampleNames) {
    SCOPED_TRACE(name);
    ViewSettings view;
    TBoard door = LoadSample(name, &view);
    long double x = view.Angles[0], y = view.Angles[1], z = view.Angles[2];
    const SolveResult result = door.Solve(x, y, z, kSolveTolerance);
    EXPECT_TRUE(result.Converged) << result.Iterations;
    const long double moments = std::fabs(door.Result().TotalMoment.X) +
                                std::fabs(door.Result().TotalMoment.Y) +
                                std::fabs(door.Result().TotalMoment.Z);
    EXPECT_LT(moments, kSolveTolerance);
    const long double attack = door.Result().WingAttack / kDegree;
    EXPECT_GT(attack, kMinAttackDeg);
    EXPECT_LT(attack, kMaxAttackDeg);
    EXPECT_LT(std::fabs(x), kMaxHeelTiltDeg);
    EXPECT_LT(std::fabs(y), kMaxHeelTiltDeg);
  }
}

TEST(SampleDoors, CurvedAndVDoorsLiftMoreThanTheFlatOne) {
  const Peak flat = LiftPeak(LoadSample("rectangular").Inputs().Hydro);
  // A flat low-aspect plate peaks at a lift coefficient near 1.1 at 30-45 degrees.
  EXPECT_GE(flat.Cy, 1.0L);
  EXPECT_LE(flat.Cy, 1.2L);
  EXPECT_GE(flat.Angle, 30);
  EXPECT_LE(flat.Angle, 45);
  EXPECT_EQ(LoadSample("rectangular").Inputs().Hydro.At(0, kHydroCy),
            0);  // no camber, no lift head-on

  for (const char* name : {"oval", "vshape", "spherical"}) {
    SCOPED_TRACE(name);
    const TBoard door = LoadSample(name);
    EXPECT_GT(LiftPeak(door.Inputs().Hydro).Cy, flat.Cy);
    EXPECT_GT(door.Inputs().Hydro.At(0, kHydroCy), 0);  // curved plates lift even head-on
  }
  // The most curved door stalls earliest.
  EXPECT_LT(LiftPeak(LoadSample("spherical").Inputs().Hydro).Angle, flat.Angle);
}

}  // namespace
