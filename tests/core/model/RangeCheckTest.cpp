#include "model/RangeCheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/DoorInputs.h"
#include "model/EditableFields.h"

namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

struct RangeCase {
  const char* name;
  long double from, to;
  std::optional<RangeFault> fault;
};

class StoreRangeCase : public ::testing::TestWithParam<RangeCase> {};

TEST_P(StoreRangeCase, StoresOnlyARisingFiniteRange) {
  const RangeCase c = GetParam();
  EXPECT_EQ(CheckRange(c.from, c.to), c.fault);
  DoorInputs door;
  const int index = MainParamIndex("xg");
  const Range before = door.Ranges[index];
  EXPECT_EQ(StoreRange(door, index, c.from, c.to), c.fault);
  if (c.fault) {
    EXPECT_EQ(door.Ranges[index], before);
  } else {
    EXPECT_EQ(door.Ranges[index].From, c.from);
    EXPECT_EQ(door.Ranges[index].To, c.to);
    EXPECT_EQ(door.Ranges[index].Step, before.Step);
  }
}

INSTANTIATE_TEST_SUITE_P(Ranges, StoreRangeCase,
                         ::testing::Values(RangeCase{"Rising", 0.5L, 2, std::nullopt},
                                           RangeCase{"EqualEnds", 5, 5, RangeFault::EqualEnds},
                                           RangeCase{"Reversed", 2, 0.5L, RangeFault::Reversed},
                                           RangeCase{"InfiniteTo", 0, kInf, RangeFault::NotFinite},
                                           RangeCase{"NaNFrom", kNaN, 1, RangeFault::NotFinite}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
