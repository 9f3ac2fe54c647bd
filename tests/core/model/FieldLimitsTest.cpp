#include "model/FieldLimits.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "TestTolerances.h"
#include "model/EditableFields.h"

namespace {

struct ClampCase {
  const char* Name;
  const char* Field;
  long double From, To;
  long double ExpectedFrom, ExpectedTo;
  bool Clamped;
};

class FieldLimitsClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(FieldLimitsClamp, KeepsTheIntervalWithinTheField) {
  const ClampCase c = GetParam();
  const FieldLimits limits = LimitsOfField(c.Field).value();
  const FieldLimits::Interval within = limits.Clamp(c.From, c.To);
  EXPECT_NEAR(within.From, c.ExpectedFrom, kExact * 1e6);
  EXPECT_NEAR(within.To, c.ExpectedTo, kExact * 1e6);
  EXPECT_EQ(within.Clamped, c.Clamped);
  EXPECT_TRUE(limits.Admits(within.From));
  EXPECT_TRUE(limits.Admits(within.To));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldLimitsClamp,
    ::testing::Values(
        // The sample doors' range record of R reaches 1e7; the field ends before 1e6 (open).
        ClampCase{"PastAnOpenUpperEnd", "R", 500, 1e7L, 500, 999000, true},
        ClampCase{"BelowAnOpenLowerEnd", "v", -100, 5, -9.98L, 5, true},
        ClampCase{"OnAnOpenEnd", "G", 0, 20000, 100, 20000, true},
        ClampCase{"ReversedEndsEachOnItsOwn", "R", 1e7L, 500, 999000, 500, true},
        ClampCase{"BothEndsBeyondOneSide", "R", 2e6L, 1e7L, 999000, 999000, true},
        ClampCase{"ClosedEndsAreKept", "WaterDensity", -1, 20000, 0, 10000, true},
        ClampCase{"InsideIsUntouched", "G", 100, 200, 100, 200, false}),
    [](const auto& info) { return std::string(info.param.Name); });

// Whatever a range record holds, every field's clamped interval is one its field accepts.
TEST(FieldLimitsClampEveryField, TheWidestIntervalEndsInsideEveryField) {
  const long double huge = std::numeric_limits<long double>::max();
  for (const EditableField& field : kMainParams) {
    SCOPED_TRACE(field.Name);
    const FieldLimits limits = LimitsOfField(field.Name).value();
    const FieldLimits::Interval within = limits.Clamp(-huge, huge);
    EXPECT_TRUE(within.Clamped);
    EXPECT_TRUE(limits.Admits(within.From));
    EXPECT_TRUE(limits.Admits(within.To));
  }
}

}  // namespace
