#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "TestTolerances.h"
#include "numbers/NiceTicks.h"

namespace {

struct Case {
  const char* Name;
  long double Low;
  long double High;
  int Intervals;
  long double AxisLow;
  long double AxisHigh;
  long double Step;
};

class NiceTicksCases : public ::testing::TestWithParam<Case> {};

TEST_P(NiceTicksCases, EndsAndStepAreNiceAndEncloseTheData) {
  const Case& c = GetParam();
  const NiceTicks axis = NiceTicks::For(c.Low, c.High, c.Intervals);
  const long double scale = std::fabs(c.Step);
  EXPECT_NEAR(axis.Low, c.AxisLow, kExact * 100 * scale) << c.Name;
  EXPECT_NEAR(axis.High, c.AxisHigh, kExact * 100 * scale) << c.Name;
  EXPECT_NEAR(axis.Step, c.Step, kExact * scale) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, NiceTicksCases,
    ::testing::Values(Case{"unit", 0, 1, 5, 0, 1, 0.2L},
                      // The sweep window's old ticks: 20.876 to 42.7 reads 20 to 45 by fives.
                      Case{"sweep", 20.876L, 42.7L, 5, 20, 45, 5},
                      Case{"negative", -0.947L, -0.12L, 5, -1, 0, 0.2L},
                      Case{"across zero", -0.25L, 1.2L, 5, -0.5L, 1.5L, 0.5L},
                      Case{"tiny", 1e-7L, 3.4e-7L, 5, 1e-7L, 3.5e-7L, 5e-8L},
                      Case{"huge", 0, 7.3e12L, 4, 0, 8e12L, 2e12L},
                      Case{"reversed", 10, 0, 5, 0, 10, 2},
                      Case{"equal ends", 5, 5, 5, 4.4L, 5.6L, 0.2L},
                      Case{"equal at zero", 0, 0, 4, -1, 1, 0.5L},
                      Case{"equal negative", -20, -20, 4, -22, -18, 1},
                      // The keel graph: its data stop at 0.35, so its axis stops at 0.4.
                      Case{"keel depth", 0, 0.35L, 5, 0, 0.4L, 0.1L},
                      Case{"ground angles", -30, 18.48L, 5, -30, 20, 10},
                      Case{"one interval", 3, 7, 1, 0, 10, 5}),
    [](const ::testing::TestParamInfo<Case>& info) {
      std::string name = info.param.Name;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(NiceTicks, StepsAreOneTwoOrFiveTimesAPowerOfTen) {
  for (long double span = 1e-6L; span < 1e9L; span *= 1.37L) {
    const NiceTicks axis = NiceTicks::For(-span / 3, span, 5);
    const long double power = std::pow(10.0L, std::floor(std::log10(axis.Step) + 1e-12L));
    const long double mantissa = axis.Step / power;
    EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9L || std::fabs(mantissa - 2) < 1e-9L ||
                std::fabs(mantissa - 5) < 1e-9L)
        << "span " << static_cast<double>(span) << " step " << static_cast<double>(axis.Step);
    EXPECT_LE(axis.Low, -span / 3);
    EXPECT_GE(axis.High, span);
    const int intervals = static_cast<int>(std::round((axis.High - axis.Low) / axis.Step));
    EXPECT_GE(intervals, 2);
    EXPECT_LE(intervals, 7);
  }
}

TEST(NiceTicks, ValuesRunFromEndToEndAndHitZeroExactly) {
  const NiceTicks axis = NiceTicks::For(-0.3L, 0.7L, 5);
  const std::vector<long double> values = axis.Values();
  ASSERT_FALSE(values.empty());
  EXPECT_NEAR(values.front(), axis.Low, kExact);
  EXPECT_NEAR(values.back(), axis.High, kExact);
  bool zero = false;
  for (long double v : values)
    zero = zero || v == 0.0L;
  EXPECT_TRUE(zero);
}

TEST(NiceTicks, NonFiniteEndsGiveTheUnitAxis) {
  const long double inf = std::numeric_limits<long double>::infinity();
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  for (const auto& [low, high] : {std::pair{nan, 1.0L}, std::pair{0.0L, inf}}) {
    const NiceTicks axis = NiceTicks::For(low, high);
    EXPECT_EQ(axis.Low, 0.0L);
    EXPECT_EQ(axis.High, 1.0L);
    EXPECT_EQ(axis.Step, 1.0L);
  }
}

TEST(NiceTicks, DecimalsShowTheStep) {
  struct Expected {
    long double Step;
    int Decimals;
  };
  for (const Expected& e : {Expected{10, 0}, Expected{1, 0}, Expected{0.5L, 1}, Expected{0.2L, 1},
                            Expected{0.05L, 2}, Expected{0.01L, 2}, Expected{1e-7L, 7}}) {
    NiceTicks axis;
    axis.Step = e.Step;
    EXPECT_EQ(axis.Decimals(), e.Decimals) << static_cast<double>(e.Step);
  }
}

}  // namespace
