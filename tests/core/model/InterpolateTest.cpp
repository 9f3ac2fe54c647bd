#include "model/Interpolate.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "TestTolerances.h"

namespace {

const std::array<long double, 4> kXs = {0, 10, 20, 40};
const std::array<long double, 4> kYs = {1, 2, 4, 0};

TEST(Interpolate, InsideSegmentsAndAtRows) {
  EXPECT_NEAR(Interpolate(4, kXs, kYs, 5), 1.5L, kExact);
  EXPECT_NEAR(Interpolate(4, kXs, kYs, 10), 2, kExact);
  EXPECT_NEAR(Interpolate(4, kXs, kYs, 30), 2, kExact);
  EXPECT_NEAR(Interpolate(4, kXs, kYs, 40), 0, kExact);
}

TEST(Interpolate, ExtendsEndSegmentsWithoutClamping) {
  EXPECT_NEAR(Interpolate(4, kXs, kYs, -10), 0, kExact);   // first segment, slope 0.1
  EXPECT_NEAR(Interpolate(4, kXs, kYs, 60), -4, kExact);   // last segment, slope -0.2
  EXPECT_NEAR(Interpolate(2, kXs, kYs, 100), 11, kExact);  // a two-row table is one line
}

TEST(Interpolate, DegenerateTablesNeverDivideOrOverrun) {
  EXPECT_EQ(Interpolate(0, kXs, kYs, 3), 0);
  EXPECT_EQ(Interpolate(-5, kXs, kYs, 3), 0);
  EXPECT_EQ(Interpolate(1, kXs, kYs, 3), 1);
  // A count beyond the columns is cut to the columns.
  EXPECT_NEAR(Interpolate(1000, kXs, kYs, 60), -4, kExact);
  const std::array<long double, 3> repeated = {0, 0, 10};
  const std::array<long double, 3> values = {5, 7, 9};
  const long double y = Interpolate(3, repeated, values, -1);
  EXPECT_TRUE(std::isfinite(y));
  EXPECT_EQ(y, 5);
}

}  // namespace
