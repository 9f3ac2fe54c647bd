#include "numbers/Rounding.h"

#include <cmath>
#include <iomanip>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr long double kTol = 1e-17L;
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInf = std::numeric_limits<long double>::infinity();

// Passes when |actual - expected| <= tolerance, computed in long double: EXPECT_NEAR
// would round both values to double first.
::testing::AssertionResult IsNear(long double actual, long double expected, long double tolerance) {
  if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << std::setprecision(21) << actual << " is not within " << tolerance << " of " << expected;
}

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5L), 0.0L);
  EXPECT_EQ(RoundHalfEven(1.5L), 2.0L);
  EXPECT_EQ(RoundHalfEven(2.5L), 2.0L);
  EXPECT_EQ(RoundHalfEven(-0.5L), 0.0L);
  EXPECT_EQ(RoundHalfEven(-1.5L), -2.0L);
  EXPECT_EQ(RoundHalfEven(-2.5L), -2.0L);
}

TEST(RoundHalfEvenTest, OtherValuesGoToTheNearest) {
  EXPECT_EQ(RoundHalfEven(2.4999999L), 2.0L);
  EXPECT_EQ(RoundHalfEven(2.5000001L), 3.0L);
  EXPECT_EQ(RoundHalfEven(-7.6L), -8.0L);
  EXPECT_EQ(RoundHalfEven(7.0L), 7.0L);
  EXPECT_EQ(RoundHalfEven(1e30L), 1e30L);
}

TEST(RoundHalfEvenTest, NonFiniteValuesPassThrough) {
  EXPECT_TRUE(std::isnan(RoundHalfEven(kNaN)));
  EXPECT_EQ(RoundHalfEven(kInf), kInf);
  EXPECT_EQ(RoundHalfEven(-kInf), -kInf);
}

TEST(RoundToTest, RoundsToDecimalsHalvesToEven) {
  EXPECT_TRUE(IsNear(RoundTo(2, 0.125L), 0.12L, kTol));
  EXPECT_TRUE(IsNear(RoundTo(2, 0.375L), 0.38L, kTol));
  EXPECT_TRUE(IsNear(RoundTo(3, 1.23456L), 1.235L, kTol));
  EXPECT_TRUE(IsNear(RoundTo(3, 0.0625L), 0.062L, kTol));
  EXPECT_TRUE(IsNear(RoundTo(3, -0.0625L), -0.062L, kTol));
  EXPECT_EQ(RoundTo(0, 2.5L), 2.0L);
  EXPECT_EQ(RoundTo(0, 3.5L), 4.0L);
}

TEST(RoundToTest, NegativeDecimalsRoundToTensAndHundreds) {
  EXPECT_EQ(RoundTo(-2, 1250.0L), 1200.0L);
  EXPECT_EQ(RoundTo(-2, 1350.0L), 1400.0L);
  EXPECT_EQ(RoundTo(-1, 37.0L), 40.0L);
}

TEST(RoundToTest, ExtremeScalesStayFinite) {
  EXPECT_EQ(RoundTo(2, 1e4900L), 1e4900L);
  EXPECT_EQ(RoundTo(-5000, 123.0L), 0.0L);
  EXPECT_TRUE(std::isnan(RoundTo(2, kNaN)));
}

TEST(RangeMinMaxTest, InclusiveRange) {
  const std::vector<long double> values{4.0L, -2.0L, 7.0L, 3.0L, -9.0L};
  long double min = 0.0L;
  long double max = 0.0L;
  RangeMinMax(values, 0, 4, min, max);
  EXPECT_EQ(min, -9.0L);
  EXPECT_EQ(max, 7.0L);
  RangeMinMax(values, 1, 3, min, max);
  EXPECT_EQ(min, -2.0L);
  EXPECT_EQ(max, 7.0L);
}

TEST(RangeMinMaxTest, StartsFromTheFirstElementNotFromZero) {
  const std::vector<long double> values{5.0L, 6.0L, 8.0L};
  long double min = 0.0L;
  long double max = 0.0L;
  RangeMinMax(values, 0, 2, min, max);
  EXPECT_EQ(min, 5.0L);
  EXPECT_EQ(max, 8.0L);
  RangeMinMax(values, 2, 2, min, max);
  EXPECT_EQ(min, 8.0L);
  EXPECT_EQ(max, 8.0L);
}

TEST(RangeMinMaxTest, IndicesAreClampedToTheArray) {
  const std::vector<long double> values{5.0L, -6.0L, 8.0L};
  long double min = 0.0L;
  long double max = 0.0L;
  RangeMinMax(values, -3, 100, min, max);
  EXPECT_EQ(min, -6.0L);
  EXPECT_EQ(max, 8.0L);
}

TEST(RangeMinMaxTest, EmptyRangeGivesZeros) {
  const std::vector<long double> values{5.0L, 6.0L};
  long double min = 1.0L;
  long double max = 1.0L;
  RangeMinMax(values, 1, 0, min, max);
  EXPECT_EQ(min, 0.0L);
  EXPECT_EQ(max, 0.0L);
  min = max = 1.0L;
  RangeMinMax(values, 5, 9, min, max);
  EXPECT_EQ(min, 0.0L);
  EXPECT_EQ(max, 0.0L);
  min = max = 1.0L;
  RangeMinMax({}, 0, 3, min, max);
  EXPECT_EQ(min, 0.0L);
  EXPECT_EQ(max, 0.0L);
}

TEST(AxisStepTest, StepGrowsWithTheSpan) {
  EXPECT_EQ(AxisStep(37.0L), 5.0L);
  EXPECT_EQ(AxisStep(20.0L), 2.5L);
  EXPECT_EQ(AxisStep(80.0L), 10.0L);
  EXPECT_EQ(AxisStep(0.5L), 0.25L);
}

TEST(AxisStepTest, QuarterAndHalfBoundsAreInclusive) {
  EXPECT_EQ(AxisStep(25.0L), 2.5L);
  EXPECT_EQ(AxisStep(25.5L), 5.0L);
  EXPECT_EQ(AxisStep(50.0L), 5.0L);
  EXPECT_EQ(AxisStep(50.5L), 10.0L);
}

TEST(AxisStepTest, ExactPowersOfTenStartANewDecade) {
  EXPECT_EQ(AxisStep(1.0L), 0.25L);
  EXPECT_EQ(AxisStep(10.0L), 2.5L);
  EXPECT_EQ(AxisStep(1000.0L), 250.0L);
  EXPECT_EQ(AxisStep(999.0L), 100.0L);
  EXPECT_EQ(AxisStep(1e18L), 2.5e17L);
}

TEST(AxisStepTest, SpansBelowOneTruncateTheLogarithmTowardsZero) {
  // log10(0.03) = -1.52 gives k = -1, c = 1: 0.03 <= c/4.
  EXPECT_TRUE(IsNear(AxisStep(0.03L), 0.025L, kTol));
  // log10(0.4) = -0.40 gives k = 0, c = 10.
  EXPECT_EQ(AxisStep(0.4L), 0.25L);
}

TEST(AxisStepTest, SignDoesNotMatter) {
  EXPECT_EQ(AxisStep(-37.0L), 5.0L);
  EXPECT_EQ(AxisStep(-0.5L), 0.25L);
}

TEST(AxisStepTest, DegenerateSpansGiveOne) {
  EXPECT_EQ(AxisStep(0.0L), 1.0L);
  EXPECT_EQ(AxisStep(kNaN), 1.0L);
  EXPECT_EQ(AxisStep(kInf), 1.0L);
  EXPECT_EQ(AxisStep(-kInf), 1.0L);
}

TEST(AxisStepTest, HugeSpansStayFinite) {
  const long double step = AxisStep(std::numeric_limits<long double>::max());
  EXPECT_TRUE(std::isfinite(step));
  EXPECT_GT(step, 0.0L);
}

}  // namespace
