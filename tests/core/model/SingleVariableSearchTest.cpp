#include "model/SingleVariableSearch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestTolerances.h"
#include "io/DoorFileWriter.h"
#include "model/EditableFields.h"
#include "model/FieldLimits.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "support/TempFolder.h"

namespace {

using Method = SingleVariableSearch::Method;

// A criterion of one real that remembers every value it was asked about.
struct Recorded {
  std::vector<long double> Values;
  SingleVariableSearch::CriterionAt Of(long double (*f)(long double)) {
    return [this, f](long double v) {
      Values.push_back(v);
      return f(v);
    };
  }
};

// Jumps from -1 to +1 at 0.3 (or at 0), never passing through zero.
long double StepAtPoint3(long double v) {
  return v < 0.3L ? -1 : 1;
}
long double StepAtZero(long double v) {
  return v < 0 ? -1 : 1;
}

TEST(MomentCriterion, TakesTheComponentsWithTheirSigns) {
  const XYZ m{1, 2, -4};
  EXPECT_EQ(CriterionValue(m, MomentCriterion::Sum), -1);
  EXPECT_EQ(CriterionValue(m, MomentCriterion::X), 1);
  EXPECT_EQ(CriterionValue(m, MomentCriterion::Y), 2);
  EXPECT_EQ(CriterionValue(m, MomentCriterion::Z), -4);
}

TEST(SingleVariableSearch, SameSignScansTwentyPointsAndKeepsTheFirstOfEqualMinima) {
  Recorded calls;
  // Equal minima of 1.5 at 7 and 8 (step 1 from 0 to 20); the smallest value of all, at the
  // end To, is no candidate.
  SingleVariableSearch search(
      calls.Of([](long double v) { return v == 20 ? 0.5L : std::fabs(v - 7.5L) + 1; }), 0, 20);
  EXPECT_FALSE(search.Step());
  EXPECT_EQ(search.SearchMethod(), Method::Undecided);
  search.Run();
  EXPECT_EQ(search.SearchMethod(), Method::Scan);
  EXPECT_EQ(search.Value(), 7);
  EXPECT_EQ(search.Criterion(), 1.5L);
  EXPECT_EQ(search.Evaluations(), 22);
  std::vector<long double> expected = {0, 20};
  for (int i = 0; i < 20; ++i)
    expected.push_back(i);
  expected.push_back(7);  // the closing evaluation leaves the variable at the value found
  EXPECT_EQ(calls.Values, expected);
  // Finished, a further step evaluates nothing.
  EXPECT_TRUE(search.Step());
  EXPECT_EQ(calls.Values.size(), expected.size());
}

struct JumpCase {
  const char* name;
  long double (*criterion)(long double);
  long double from, to, jump;
  bool hitsHalvingLimit;
};

class SingleVariableJump : public ::testing::TestWithParam<JumpCase> {};

TEST_P(SingleVariableJump, EndsBoundedNextToTheJump) {
  const JumpCase c = GetParam();
  Recorded calls;
  SingleVariableSearch search(calls.Of(c.criterion), c.from, c.to);
  search.Run();
  EXPECT_EQ(search.SearchMethod(), Method::Bisection);
  EXPECT_FALSE(search.ReachedTolerance());
  EXPECT_LE(search.Evaluations(), 2 + SingleVariableSearch::kMaxHalvings);
  EXPECT_EQ(search.Evaluations() == 2 + SingleVariableSearch::kMaxHalvings, c.hitsHalvingLimit);
  EXPECT_EQ(std::fabs(search.Criterion()), 1);
  EXPECT_NEAR(search.Value(), c.jump, kExact);
  // The door, or whatever the criterion evaluates, is left at the value found.
  EXPECT_EQ(calls.Values.back(), search.Value());
}

INSTANTIATE_TEST_SUITE_P(
    Jumps, SingleVariableJump,
    ::testing::Values(
        // Near 0.3 the interval stops shrinking once it is a few units of the last place wide.
        JumpCase{"IntervalStopsShrinking", StepAtPoint3, 0, 1, 0.3L, false},
        // Towards zero the halving could go on into the subnormal numbers.
        JumpCase{"HalvingLimit", StepAtZero, -1, 1, 0, true}),
    [](const auto& info) { return info.param.name; });

// The door at a tilted position in bottom trawling: the wing's lift carries part of the
// weight and the keel the rest.
constexpr long double kTiltX = 7.18L, kTiltY = -4.29L, kTiltZ = 37.41L;

TBoard FreshDoor() {
  TBoard door;
  door.Edit([&](DoorInputs& d) { d.Bottom = true; });
  return door;
}

XYZ MomentAt(long double DoorInputs::*field, long double value) {
  TBoard door = FreshDoor();
  door.Edit([field, value](DoorInputs& d) { d.*field = value; });
  door.Evaluate(kTiltX * kDegree, kTiltY * kDegree, kTiltZ * kDegree);
  return door.Result().TotalMoment;
}

TEST(SingleVariableSearchOnDoor, ScanSetsTheFieldWithItsGeometry) {
  TBoard door = FreshDoor();
  const int index = MainParamIndex("v");
  ASSERT_GE(index, 0);
  // The moment about Y is positive at 0.5 and at 5 m/s, near zero in between.
  const long double from = 0.5L, to = 5;
  SingleVariableSearch search(door, index, MomentCriterion::Y, from, to, kTiltX, kTiltY, kTiltZ);
  search.Run();
  ASSERT_EQ(search.SearchMethod(), Method::Scan);
  EXPECT_EQ(door.Inputs().v, search.Value());
  EXPECT_EQ(door.Result().TotalMoment.Y, search.Criterion());
  // The value kept lies inside and no point of the scan does better.
  EXPECT_GT(search.Value(), from);
  EXPECT_LT(search.Value(), to);
  bool kept = false;
  for (int i = 0; i < SingleVariableSearch::kScanPoints; ++i) {
    const long double v = from + i * ((to - from) / SingleVariableSearch::kScanPoints);
    EXPECT_GE(std::fabs(MomentAt(&DoorInputs::v, v).Y), std::fabs(search.Criterion())) << v;
    if (v == search.Value()) kept = true;
  }
  EXPECT_TRUE(kept);
}

TEST(SingleVariableSearchOnDoor, WeightBisectsToAZeroMomentAboutX) {
  TBoard door = FreshDoor();
  SingleVariableSearch search(door, MainParamIndex("G"), MomentCriterion::X, 0, 20000, kTiltX,
                              kTiltY, kTiltZ);
  search.Run();
  EXPECT_EQ(search.SearchMethod(), Method::Bisection);
  EXPECT_TRUE(search.ReachedTolerance());
  EXPECT_EQ(door.Inputs().G, search.Value());
  EXPECT_EQ(door.Result().TotalMoment.X, search.Criterion());
  EXPECT_LT(std::fabs(MomentAt(&DoorInputs::G, search.Value()).X),
            SingleVariableSearch::kZeroTolerance);
}

TEST(SingleVariableSearchOnDoor, KeelInTheGroundMakesTheMomentJumpAndTheSearchStillEnds) {
  // With the keel in the ground the weight changes the moment about Z only through the depth
  // the keel sinks to, which moves in steps: the moment jumps across zero.
  TBoard door = FreshDoor();
  SingleVariableSearch search(door, MainParamIndex("G"), MomentCriterion::Z, 11000, 12000, kTiltX,
                              kTiltY, kTiltZ);
  search.Run();
  EXPECT_EQ(search.SearchMethod(), Method::Bisection);
  EXPECT_FALSE(search.ReachedTolerance());
  EXPECT_LE(search.Evaluations(), 2 + SingleVariableSearch::kMaxHalvings);
  EXPECT_EQ(door.Inputs().G, search.Value());
  EXPECT_EQ(door.Result().TotalMoment.Z, search.Criterion());
  EXPECT_LT(std::fabs(search.Criterion()), std::fabs(MomentAt(&DoorInputs::G, 11000).Z));
  EXPECT_LT(std::fabs(search.Criterion()), std::fabs(MomentAt(&DoorInputs::G, 12000).Z));
  // Just past the value found the moment has the other sign and is no smaller.
  const long double beyond = MomentAt(&DoorInputs::G, std::nextafter(search.Value(), 12000.0L)).Z;
  EXPECT_LT(beyond * search.Criterion(), 0);
}

// A range record may reach past the field (the sample doors' R goes to 1e7): the value found,
// which the door takes, stays within the field's range, so the door can still be saved.
struct BeyondTheField {
  const char* Field;
  MomentCriterion Criterion;
  long double From, To;
};

class SingleVariableSearchBeyondTheField : public ::testing::TestWithParam<BeyondTheField> {};

TEST_P(SingleVariableSearchBeyondTheField, FindsAValueTheDoorCanHoldAndSave) {
  const BeyondTheField c = GetParam();
  const FieldLimits limits = LimitsOfField(c.Field).value();
  TBoard door = FreshDoor();
  const int index = MainParamIndex(c.Field);
  SingleVariableSearch search(door, index, c.Criterion, c.From, c.To, kTiltX, kTiltY, kTiltZ);
  search.Run();
  EXPECT_TRUE(limits.Admits(search.From())) << static_cast<double>(search.From());
  EXPECT_TRUE(limits.Admits(search.To())) << static_cast<double>(search.To());
  EXPECT_TRUE(limits.Admits(search.Value())) << static_cast<double>(search.Value());
  EXPECT_EQ(door.Inputs().*kMainParams[index].Field, search.Value());
  const TempFolder folder;
  const DoorFileResult saved =
      DoorFileWriter().Save(folder.File("searched.brd"), door.Inputs(), ViewSettings{});
  EXPECT_TRUE(saved.Ok) << saved.Message;
}

INSTANTIATE_TEST_SUITE_P(Cases, SingleVariableSearchBeyondTheField,
                         ::testing::Values(BeyondTheField{"R", MomentCriterion::Sum, 2e6L, 1e7L},
                                           BeyondTheField{"R", MomentCriterion::X, 1, 1e7L},
                                           BeyondTheField{"v", MomentCriterion::X, -100, 100}),
                         [](const auto& info) {
                           return std::string(info.param.Field) + "_" + std::to_string(info.index);
                         });

}  // namespace
