#include "analysis/LiftOff.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/TBoard.h"

namespace {

constexpr long double kBalanceTolerance = 0.1L;  // N*m
constexpr long double kLiftOffForceTol = 1;      // N
constexpr long double kSpeedTol = 0.01L;         // m/s

struct LiftCase {
  const char* name;
  long double weight;  // N
  bool precise;
};

class LiftOffSpeed : public ::testing::TestWithParam<LiftCase> {};

TEST_P(LiftOffSpeed, ABalanceThereHasNoNormalForce) {
  TBoard door;
  door.Edit([&](DoorInputs& d) { d.G = GetParam().weight; });
  door.SetPreciseGround(GetParam().precise);
  const LiftOff::Result r = LiftOff(door, {0, 0, 0}, kBalanceTolerance).Find();
  ASSERT_EQ(r.Why, LiftOff::Outcome::LiftsOff);
  EXPECT_GT(r.SpeedMps, door.Inputs().v);
  EXPECT_LE(r.SpeedMps, 2 * door.Inputs().v);

  // A fresh balance at that speed: the lift carries the whole weight.
  TBoard there = door;
  there.Edit([&](DoorInputs& d) { d.v = r.SpeedMps; });
  const BalanceOutcome b = BalanceDoor(there, r.Balance.Angles, kBalanceTolerance);
  ASSERT_TRUE(b.Converged);
  EXPECT_NEAR(b.UnliftedWeightN, 0, kLiftOffForceTol);
  EXPECT_LE(b.GroundNormalN, kLiftOffForceTol);
  EXPECT_GE(b.GroundNormalN, 0);

  // A little slower the door rests on the ground, a little faster it is off it.
  for (const long double factor : {0.99L, 1.01L}) {
    TBoard near = door;
    near.Edit([&](DoorInputs& d) { d.v = r.SpeedMps * factor; });
    const BalanceOutcome n = BalanceDoor(near, r.Balance.Angles, kBalanceTolerance);
    ASSERT_TRUE(n.Converged) << factor;
    EXPECT_EQ(n.GroundNormalN > kLiftOffForceTol, factor < 1) << factor;
  }
}

INSTANTIATE_TEST_SUITE_P(LightDoors, LiftOffSpeed,
                         ::testing::Values(LiftCase{"FourKilonewtons", 4000, true},
                                           LiftCase{"SixKilonewtons", 6000, false},
                                           LiftCase{"SixKilonewtonsPrecise", 6000, true},
                                           LiftCase{"SevenKilonewtons", 7000, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LiftOff, ADoorThatBalancesNowhereNearItsLiftOffGetsTheTwoSpeedsAround) {
  TBoard door;
  door.Edit([&](DoorInputs& d) {
    d.G = 8000;
  });  // balances on the ground only until some 85 N are left to it
  door.SetPreciseGround(true);
  const LiftOff::Result r = LiftOff(door, {0, 0, 0}, kBalanceTolerance).Find();
  ASSERT_EQ(r.Why, LiftOff::Outcome::Unsettled);
  EXPECT_LT(r.SpeedLowMps, r.SpeedHighMps);
  EXPECT_LT(r.SpeedHighMps - r.SpeedLowMps, 2 * kSpeedTol);
  const auto balanceAt = [&](long double speed, const AngleTriple& start) {
    TBoard there = door;
    there.Edit([&](DoorInputs& d) { d.v = speed; });
    return BalanceDoor(there, start, kBalanceTolerance);
  };
  const BalanceOutcome low = balanceAt(r.SpeedLowMps, r.LowBalance.Angles);
  const BalanceOutcome high = balanceAt(r.SpeedHighMps, r.HighBalance.Angles);
  ASSERT_TRUE(low.Converged);
  ASSERT_TRUE(high.Converged);
  EXPECT_GT(low.UnliftedWeightN, LiftOff::kToldForce);
  EXPECT_LT(high.UnliftedWeightN, -LiftOff::kToldForce);
  const long double middle = (r.SpeedLowMps + r.SpeedHighMps) / 2;
  EXPECT_FALSE(balanceAt(middle, low.Angles).Converged);
  EXPECT_FALSE(balanceAt(middle, high.Angles).Converged);
}

TEST(LiftOff, ADoorAlreadyOffTheGroundIsFollowedDownToItsLiftOff) {
  TBoard door;
  door.Edit([&](DoorInputs& d) { d.G = 6000; });
  door.SetPreciseGround(true);
  const LiftOff::Result rising = LiftOff(door, {0, 0, 0}, kBalanceTolerance).Find();
  ASSERT_EQ(rising.Why, LiftOff::Outcome::LiftsOff);
  TBoard fast = door;
  fast.Edit([&](DoorInputs& d) { d.v = rising.SpeedMps * 1.2L; });
  const LiftOff::Result falling = LiftOff(fast, rising.Balance.Angles, kBalanceTolerance).Find();
  ASSERT_EQ(falling.Why, LiftOff::Outcome::LiftsOff);
  EXPECT_NEAR(falling.SpeedMps, rising.SpeedMps, kSpeedTol);
}

TEST(LiftOff, TheDefaultDoorKeepsToTheGroundUpToTwiceItsSpeed) {
  const TBoard door;
  const LiftOff::Result r = LiftOff(door, {0, 0, 0}, kBalanceTolerance).Find();
  EXPECT_EQ(r.Why, LiftOff::Outcome::StaysDown);
  EXPECT_EQ(r.Balances, LiftOff::kScanIntervals + 1);
}

TEST(LiftOff, MidwaterHasNoGround) {
  TBoard door;
  door.Edit([&](DoorInputs& d) { d.Bottom = false; });
  EXPECT_EQ(LiftOff(door, {0, 0, 0}, kBalanceTolerance).Find().Why, LiftOff::Outcome::Midwater);
  door.Evaluate(0, 0, 0);
  EXPECT_TRUE(std::isnan(LiftOff::NormalShareOf(door)));
}

TEST(LiftOff, NormalShareIsTheGroundsPushOverTheWeight) {
  TBoard door;
  const BalanceOutcome b = BalanceDoor(door, {0, 0, 0}, kBalanceTolerance);
  ASSERT_TRUE(b.Converged);
  const long double share = LiftOff::NormalShareOf(door);
  EXPECT_GT(share, 0);
  EXPECT_LT(share, 1);  // the plates lift some of it
  EXPECT_NEAR(share * door.Inputs().G, door.Result().ForceGround.Force.Z, 1e-9L);
  EXPECT_NEAR(share * door.Inputs().G, b.UnliftedWeightN, 1e-9L);
  door.Edit([&](DoorInputs& d) { d.G = 0; });
  EXPECT_TRUE(std::isnan(LiftOff::NormalShareOf(door)));
}

}  // namespace
