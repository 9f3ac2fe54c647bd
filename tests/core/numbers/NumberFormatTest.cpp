#include "numbers/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <system_error>

#include <gtest/gtest.h>

#include "numbers/NumberText.h"

namespace {

const NumberLocale kPointLocale{".", ","};
const NumberLocale kCommaLocale{",", "."};
const NumberLocale kArabicLocale{"\u066b", "\u066c"};

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInf = std::numeric_limits<long double>::infinity();

// Bytes that carry the value: the x87 format has 10, the rest of the object is padding.
constexpr std::size_t kValueBytes =
    std::numeric_limits<long double>::digits == 64 ? 10 : sizeof(long double);

bool SameBits(long double a, long double b) {
  return std::memcmp(&a, &b, kValueBytes) == 0;
}

TEST(FormatFloatTest, OptionalDigitsDropTrailingZeros) {
  EXPECT_EQ(FormatFloat("#0.###", 1.23456L), "1.235");
  EXPECT_EQ(FormatFloat("#0.###", 2.0L), "2");
  EXPECT_EQ(FormatFloat("#0.###", 2.5L), "2.5");
  EXPECT_EQ(FormatFloat("######0.##", -1785.8034L), "-1785.8");
  EXPECT_EQ(FormatFloat("#0.##", 2.001L), "2");
}

TEST(FormatFloatTest, IntegerDigitsAreNeverCut) {
  EXPECT_EQ(FormatFloat("##############0", 11513.4L), "11513");
  EXPECT_EQ(FormatFloat("#0", 123456.0L), "123456");
  EXPECT_EQ(FormatFloat("0", 1e20L), "100000000000000000000");
  EXPECT_EQ(FormatFloat("#0.###", -98765.4321L), "-98765.432");
}

TEST(FormatFloatTest, RequiredZerosPadBothParts) {
  EXPECT_EQ(FormatFloat("0.00", 1.5L), "1.50");
  EXPECT_EQ(FormatFloat("00.0", 1.5L), "01.5");
  EXPECT_EQ(FormatFloat("#.0#", 2.0L), "2.0");
  EXPECT_EQ(FormatFloat("#.0#", 2.25L), "2.25");
  EXPECT_EQ(FormatFloat("000", 7.0L), "007");
}

TEST(FormatFloatTest, NoRequiredIntegerDigitMeansNoLeadingZero) {
  EXPECT_EQ(FormatFloat("#.##", 0.5L), ".5");
  EXPECT_EQ(FormatFloat("#.##", -0.25L), "-.25");
  EXPECT_EQ(FormatFloat("#.##", 0.0L), "");
  EXPECT_EQ(FormatFloat("###.###", 0.0L), "");
  EXPECT_EQ(FormatFloat("#.##", 0.001L), "");
  EXPECT_EQ(FormatFloat("#.##", 3.0L), "3");
}

TEST(FormatFloatTest, ZeroResultsCarryNoMinus) {
  EXPECT_EQ(FormatFloat("#0.###", -0.0004L), "0");
  EXPECT_EQ(FormatFloat("#0", -0.0L), "0");
  EXPECT_EQ(FormatFloat("#.##", -0.001L), "");
  EXPECT_EQ(FormatFloat("0.00", -0.004L), "0.00");
}

TEST(FormatFloatTest, RoundsTheExactBinaryValueTiesToEven) {
  // 0.125, 0.375 and 2.5 are exact binary values, so these are true ties.
  EXPECT_EQ(FormatFloat("#0.##", 0.125L), "0.12");
  EXPECT_EQ(FormatFloat("#0.##", 0.375L), "0.38");
  EXPECT_EQ(FormatFloat("#0", 2.5L), "2");
  EXPECT_EQ(FormatFloat("#0", 3.5L), "4");
  EXPECT_EQ(FormatFloat("#0.###", 0.0625L), "0.062");
}

TEST(FormatFloatTest, RoundingCarriesIntoTheIntegerPart) {
  EXPECT_EQ(FormatFloat("#0.##", 9.999L), "10");
  EXPECT_EQ(FormatFloat("#.##", 0.999L), "1");
  EXPECT_EQ(FormatFloat("#0.##", -99.996L), "-100");
}

TEST(FormatFloatTest, DecimalSeparatorComesFromTheLocale) {
  EXPECT_EQ(FormatFloat("#0.###", 1.23456L, kCommaLocale), "1,235");
  EXPECT_EQ(FormatFloat("#.##", 0.5L, kCommaLocale), ",5");
  EXPECT_EQ(FormatFloat("#0.###", 1234.5L, kCommaLocale), "1234,5");
  EXPECT_EQ(FormatFloat("#0.###", 1.5L, kArabicLocale), "1\u066b5");
  EXPECT_EQ(FormatFloat("#0.###", 1.5L, kPointLocale), "1.5");
}

TEST(FormatFloatTest, PatternWithoutPlaceholdersFallsBackToGeneral) {
  EXPECT_EQ(FormatFloat("", 1.5L), FormatGeneral(1.5L));
  EXPECT_EQ(FormatFloat("", 1.5L), "1.5");
}

TEST(FormatFloatTest, NonFiniteGivesEmpty) {
  EXPECT_EQ(FormatFloat("#0.##", kNaN), "");
  EXPECT_EQ(FormatFloat("#0.##", kInf), "");
  EXPECT_EQ(FormatFloat("#0.##", -kInf), "");
}

TEST(FormatFixedTest, ExactDecimalCount) {
  EXPECT_EQ(FormatFixed(3.14159L, 2), "3.14");
  EXPECT_EQ(FormatFixed(-1.5L, 2), "-1.50");
  EXPECT_EQ(FormatFixed(12.0L, 4), "12.0000");
  EXPECT_EQ(FormatFixed(11513.0L, 2), "11513.00");
  EXPECT_EQ(FormatFixed(0.35L, 4), "0.3500");
}

TEST(FormatFixedTest, RoundsTiesToEvenAndDropsTheMinusOfZero) {
  EXPECT_EQ(FormatFixed(2.5L, 0), "2");
  EXPECT_EQ(FormatFixed(3.5L, 0), "4");
  EXPECT_EQ(FormatFixed(0.125L, 2), "0.12");
  EXPECT_EQ(FormatFixed(-0.001L, 2), "0.00");
  EXPECT_EQ(FormatFixed(-0.0L, 2), "0.00");
}

TEST(FormatFixedTest, NegativeDecimalsMeanNone) {
  EXPECT_EQ(FormatFixed(7.6L, -3), "8");
}

TEST(FormatFixedTest, NonFiniteGivesEmpty) {
  EXPECT_EQ(FormatFixed(kNaN, 2), "");
  EXPECT_EQ(FormatFixed(kInf, 2), "");
}

TEST(FormatGeneralTest, IntervalEnds) {
  EXPECT_EQ(FormatGeneral(-90.0L), "-90");
  EXPECT_EQ(FormatGeneral(90.0L), "90");
  EXPECT_EQ(FormatGeneral(0.0L), "0");
  EXPECT_EQ(FormatGeneral(-0.0L), "0");
  EXPECT_EQ(FormatGeneral(10000.0L), "10000");
  EXPECT_EQ(FormatGeneral(0.35L), "0.35");
  EXPECT_EQ(FormatGeneral(1034.0L), "1034");
}

TEST(FormatGeneralTest, FifteenSignificantDigits) {
  EXPECT_EQ(FormatGeneral(1.0L / 3.0L), "0.333333333333333");
  EXPECT_EQ(FormatGeneral(2.0L / 3.0L), "0.666666666666667");
  EXPECT_EQ(FormatGeneral(0.1L), "0.1");
  EXPECT_EQ(FormatGeneral(123456789012345.0L), "123456789012345");
  EXPECT_EQ(FormatGeneral(99999.999999999999L), "100000");
}

TEST(FormatGeneralTest, ExponentFormForVeryLargeAndSmallMagnitudes) {
  EXPECT_EQ(FormatGeneral(1e15L), "1E15");
  EXPECT_EQ(FormatGeneral(1e20L), "1E20");
  EXPECT_EQ(FormatGeneral(1.5e300L), "1.5E300");
  EXPECT_EQ(FormatGeneral(1e-5L), "0.00001");
  EXPECT_EQ(FormatGeneral(1e-6L), "1E-6");
  EXPECT_EQ(FormatGeneral(-2.5e-7L), "-2.5E-7");
}

TEST(FormatGeneralTest, DecimalSeparatorComesFromTheLocale) {
  EXPECT_EQ(FormatGeneral(0.35L, kCommaLocale), "0,35");
  EXPECT_EQ(FormatGeneral(-2.5e-7L, kCommaLocale), "-2,5E-7");
  EXPECT_EQ(FormatGeneral(1034.0L, kCommaLocale), "1034");
}

TEST(FormatGeneralTest, NonFiniteGivesEmpty) {
  EXPECT_EQ(FormatGeneral(kNaN), "");
  EXPECT_EQ(FormatGeneral(-kInf), "");
}

TEST(FormatRoundTripTest, ShortestTextWithPoint) {
  EXPECT_EQ(FormatRoundTrip(0.1L), "0.1");
  EXPECT_EQ(FormatRoundTrip(3.25L), "3.25");
  EXPECT_EQ(FormatRoundTrip(-1785.8034L), "-1785.8034");
  EXPECT_EQ(FormatRoundTrip(11513.0L), "11513");
}

TEST(FormatRoundTripTest, NonFiniteGivesEmpty) {
  EXPECT_EQ(FormatRoundTrip(kNaN), "");
  EXPECT_EQ(FormatRoundTrip(kInf), "");
  EXPECT_EQ(FormatRoundTrip(-kInf), "");
}

TEST(FormatRoundTripTest, ExtremeFiniteValuesReadBackIdentically) {
  const long double values[] = {0.0L,
                                -0.0L,
                                1.0L,
                                0.1L,
                                1.0L / 3.0L,
                                std::numeric_limits<long double>::max(),
                                -std::numeric_limits<long double>::max(),
                                std::numeric_limits<long double>::min(),
                                std::numeric_limits<long double>::epsilon()};
  for (long double value : values) {
    const std::string text = FormatRoundTrip(value);
    long double back = kNaN;
    ASSERT_TRUE(ConvertStrict(text, back)) << text;
    EXPECT_TRUE(SameBits(back, value)) << text;
  }
}

// Random significands and exponents over the whole normal range; subnormals are left out
// because the standard library's reader refuses them as out of range.
TEST(FormatRoundTripTest, RandomValuesReadBackBitIdentical) {
  std::mt19937_64 random(20240607u);
  std::uniform_int_distribution<int> exponent(std::numeric_limits<long double>::min_exponent - 1,
                                              std::numeric_limits<long double>::max_exponent - 1);
  constexpr int kCount = 20000;
  constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;
  for (int i = 0; i < kCount; ++i) {
    const std::uint64_t significand = random() | kTopBit;
    long double value = std::ldexp(static_cast<long double>(significand), exponent(random) - 63);
    if (random() & 1u) value = -value;
    ASSERT_TRUE(std::isnormal(value));

    const std::string text = FormatRoundTrip(value);
    ASSERT_EQ(text.find(','), std::string::npos) << text;

    long double viaStrict = 0.0L;
    ASSERT_TRUE(ConvertStrict(text, viaStrict)) << text;
    EXPECT_TRUE(SameBits(viaStrict, value)) << text;

    long double viaLibrary = 0.0L;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), viaLibrary);
    ASSERT_EQ(result.ec, std::errc{}) << text;
    EXPECT_TRUE(SameBits(viaLibrary, value)) << text;
  }
}

// Small decimals as a user types them, the common content of a data file.
TEST(FormatRoundTripTest, TypedDecimalsComeBackAsTyped) {
  std::mt19937_64 random(7u);
  std::uniform_int_distribution<int> mantissa(-999999, 999999);
  std::uniform_int_distribution<int> decimals(0, 6);
  for (int i = 0; i < 2000; ++i) {
    const long double value =
        static_cast<long double>(mantissa(random)) / std::pow(10.0L, decimals(random));
    const std::string text = FormatRoundTrip(value);
    long double back = 0.0L;
    ASSERT_TRUE(ConvertStrict(text, back)) << text;
    EXPECT_TRUE(SameBits(back, value)) << text;
  }
}

}  // namespace
