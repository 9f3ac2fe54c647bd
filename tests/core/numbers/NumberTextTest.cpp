#include "numbers/NumberText.h"

#include <cmath>
#include <iomanip>
#include <limits>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace {

constexpr long double kTol = 1e-17L;
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

// Passes when |actual - expected| <= tolerance, computed in long double: EXPECT_NEAR
// would round both values to double first.
::testing::AssertionResult IsNear(long double actual, long double expected, long double tolerance) {
  if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << std::setprecision(21) << actual << " is not within " << tolerance << " of " << expected;
}

const NumberLocale kPointLocale{".", ","};
const NumberLocale kCommaLocale{",", "."};
// Decimal comma grouped by no-break spaces, as French and Russian settings have it.
const NumberLocale kSpaceLocale{",", "\u00a0"};
// A two-byte decimal separator (U+066B).
const NumberLocale kArabicLocale{"\u066b", "\u066c"};

// --- Strict conversion ----------------------------------------------------------------

TEST(ConvertStrictTest, AcceptsPlainNumbers) {
  const struct {
    const char* text;
    long double value;
  } cases[] = {{"12", 12.0L},      {"-7", -7.0L},   {"+7", 7.0L},     {"3.25", 3.25L},
               {".5", 0.5L},       {"5.", 5.0L},    {"1e3", 1000.0L}, {"1E-3", 1e-3L},
               {"2.5e+2", 250.0L}, {"-0.1", -0.1L}, {"007", 7.0L}};
  for (const auto& c : cases) {
    long double out = kNaN;
    ASSERT_TRUE(ConvertStrict(c.text, out)) << c.text;
    EXPECT_EQ(out, c.value) << c.text;
  }
}

TEST(ConvertStrictTest, RefusesEverythingElseAndLeavesTheOutputAlone) {
  const char* const texts[] = {"",       "-",       "+",       ".",      "e5",        "1e",
                               "1e+",    " 1",      "1 ",      "1,000",  "1.2.3",     "--1",
                               "1..",    "nan",     "NaN",     "inf",    "-Infinity", "0x10",
                               "1e5000", "-1e5000", "1e-5000", "3.25kg", "1,5",       "\u00a01"};
  for (const char* text : texts) {
    long double out = 42.0L;
    EXPECT_FALSE(ConvertStrict(text, out)) << text;
    EXPECT_EQ(out, 42.0L) << text;
  }
}

TEST(ConvertStrictTest, IsCorrectlyRounded) {
  long double out = 0.0L;
  ASSERT_TRUE(ConvertStrict("0.1", out));
  EXPECT_EQ(out, 0.1L);
  ASSERT_TRUE(ConvertStrict("1.189731495357231765e+4932", out));
  EXPECT_EQ(out, std::numeric_limits<long double>::max());
}

TEST(ConvertStrictTest, UsesTheLocaleDecimalSeparator) {
  long double out = 0.0L;
  ASSERT_TRUE(ConvertStrict("3,25", out, kCommaLocale));
  EXPECT_EQ(out, 3.25L);
  EXPECT_FALSE(ConvertStrict("3.25", out, kCommaLocale));
  EXPECT_FALSE(ConvertStrict("1.250,5", out, kCommaLocale));
  ASSERT_TRUE(ConvertStrict("-1,5e2", out, kSpaceLocale));
  EXPECT_EQ(out, -150.0L);
  EXPECT_FALSE(ConvertStrict("1\u00a0250", out, kSpaceLocale));
  ASSERT_TRUE(ConvertStrict("3\u066b25", out, kArabicLocale));
  EXPECT_EQ(out, 3.25L);
}

TEST(ConvertStrictTest, StopsAtTheEndOfItsInput) {
  // Only part of a two-byte separator lies inside the view.
  const std::string buffer = "3\u066b25";
  long double out = 42.0L;
  EXPECT_FALSE(ConvertStrict(std::string_view(buffer.data(), 2), out, kArabicLocale));
  EXPECT_EQ(out, 42.0L);
  const std::string digits = "12345";
  ASSERT_TRUE(ConvertStrict(std::string_view(digits.data(), 2), out));
  EXPECT_EQ(out, 12.0L);
}

// --- Lenient reading -------------------------------------------------------------------

TEST(ParseNumberLooseTest, ReadsWhatItCanAndIgnoresTheRest) {
  EXPECT_TRUE(IsNear(ParseNumberLoose("3.25kg"), 3.25L, kTol));
  EXPECT_TRUE(IsNear(ParseNumberLoose("1,250.5"), 1250.5L, kTol));
  EXPECT_EQ(ParseNumberLoose("2x5"), 2.0L);
  EXPECT_TRUE(IsNear(ParseNumberLoose("  \t-4.5 m"), -4.5L, kTol));
  EXPECT_EQ(ParseNumberLoose("+4"), 4.0L);
  EXPECT_TRUE(IsNear(ParseNumberLoose(".5"), 0.5L, kTol));
}

TEST(ParseNumberLooseTest, TextsWithoutDigitsGiveZero) {
  EXPECT_EQ(ParseNumberLoose(""), 0.0L);
  EXPECT_EQ(ParseNumberLoose("abc"), 0.0L);
  EXPECT_EQ(ParseNumberLoose("-"), 0.0L);
  EXPECT_EQ(ParseNumberLoose("   "), 0.0L);
  EXPECT_EQ(ParseNumberLoose("e5"), 0.0L);
}

TEST(ParseNumberLooseTest, AnyNonAlphanumericCharacterServesAsDecimalPoint) {
  EXPECT_TRUE(IsNear(ParseNumberLoose("3 5"), 3.5L, kTol));
  EXPECT_TRUE(IsNear(ParseNumberLoose("3;5"), 3.5L, kTol));
  // A two-byte character is skipped whole, not byte by byte.
  EXPECT_TRUE(IsNear(ParseNumberLoose("2\u00b75"), 2.5L, kTol));
  // Only one character is skipped.
  EXPECT_EQ(ParseNumberLoose("3..5"), 3.0L);
}

TEST(ParseNumberLooseTest, Exponents) {
  EXPECT_TRUE(IsNear(ParseNumberLoose("1.5e3"), 1500.0L, kTol));
  EXPECT_TRUE(IsNear(ParseNumberLoose("1.5E-2"), 0.015L, kTol));
  EXPECT_TRUE(IsNear(ParseNumberLoose("2f3"), 2000.0L, kTol));
  EXPECT_TRUE(IsNear(ParseNumberLoose("2F+1"), 20.0L, kTol));
  EXPECT_TRUE(IsNear(ParseNumberLoose("2e1,000"), 2e1000L, kTol * 2e1000L));
  EXPECT_EQ(ParseNumberLoose("2e1,0"), 20.0L);  // ",0" groups nothing and ends the exponent
  // The exponent letter needs a character after it.
  EXPECT_EQ(ParseNumberLoose("2e"), 2.0L);
  EXPECT_EQ(ParseNumberLoose("2e+"), 2.0L);
  EXPECT_EQ(ParseNumberLoose("2ex"), 2.0L);
}

TEST(ParseNumberLooseTest, DigitsAreConvertedExactly) {
  EXPECT_EQ(ParseNumberLoose("0.1"), 0.1L);
  EXPECT_EQ(ParseNumberLoose("3.25kg"), 3.25L);
  EXPECT_EQ(ParseNumberLoose("0,1", kSpaceLocale), 0.1L);
}

TEST(ParseNumberLooseTest, CommaDecimalPointGroupedLocale) {
  EXPECT_TRUE(IsNear(ParseNumberLoose("1.250,5", kCommaLocale), 1250.5L, kTol));
  EXPECT_TRUE(IsNear(ParseNumberLoose("3,25kg", kCommaLocale), 3.25L, kTol));
  // There the point groups thousands only before three digits: elsewhere it is the decimal point.
  EXPECT_TRUE(IsNear(ParseNumberLoose("1.5", kCommaLocale), 1.5L, kTol));
}

TEST(ParseNumberLooseTest, MultiByteThousandsSeparator) {
  EXPECT_TRUE(IsNear(ParseNumberLoose("1\u00a0250,5", kSpaceLocale), 1250.5L, kTol));
  EXPECT_TRUE(IsNear(ParseNumberLoose("-12\u00a0345\u00a0678", kSpaceLocale), -12345678.0L, kTol));
  // A point typed under a comma locale still reads as the decimal point.
  EXPECT_TRUE(IsNear(ParseNumberLoose("1.5", kSpaceLocale), 1.5L, kTol));
}

TEST(ParseNumberLooseTest, MultiByteDecimalSeparator) {
  EXPECT_TRUE(IsNear(ParseNumberLoose("1\u066c250\u066b5", kArabicLocale), 1250.5L, kTol));
}

TEST(ParseNumberLooseTest, ValuesOutOfRangeGiveZero) {
  EXPECT_EQ(ParseNumberLoose(std::string(6000, '9')), 0.0L);
  EXPECT_EQ(ParseNumberLoose("1e99999"), 0.0L);
  EXPECT_EQ(ParseNumberLoose("-1e99999"), 0.0L);
  EXPECT_EQ(ParseNumberLoose("1e999999999999999999999999999"), 0.0L);
  EXPECT_EQ(ParseNumberLoose("1e-99999"), 0.0L);
  EXPECT_EQ(ParseNumberLoose("0." + std::string(6000, '9')), 1.0L);
  // Many digits balanced by the exponent stay in range.
  EXPECT_TRUE(
      IsNear(ParseNumberLoose("1" + std::string(5000, '0') + "e-4990"), 1e10L, kTol * 1e10L));
}

TEST(ParseNumberLooseTest, StopsAtTheEndOfItsInput) {
  const std::string number = "12.5";
  EXPECT_EQ(ParseNumberLoose(std::string_view(number.data(), 2)), 12.0L);
  const std::string exponent = "1e5";
  EXPECT_EQ(ParseNumberLoose(std::string_view(exponent.data(), 2)), 1.0L);
  const std::string grouped = "1,5";
  EXPECT_EQ(ParseNumberLoose(std::string_view(grouped.data(), 2)), 1.0L);
  // The view ends inside the two-byte thousands separator.
  const std::string spaced = "1\u00a0250";
  EXPECT_EQ(ParseNumberLoose(std::string_view(spaced.data(), 2), kSpaceLocale), 1.0L);
  EXPECT_EQ(ParseNumberLoose(std::string_view(spaced.data(), 3), kSpaceLocale), 1.0L);
}

// --- Separators where "." or a blank groups thousands -----------------------------------

// German: decimal comma, point between thousands.
const NumberLocale kGerman{",", "."};
// Russian: decimal comma, thousands apart by a no-break space, or by the narrow one that
// newer locale data use.
const NumberLocale kRussian{",", "\u00a0"};
const NumberLocale kRussianNarrow{",", "\u202f"};

struct TypedCase {
  const char* Locale;
  const NumberLocale* Loc;
  const char* Text;
  long double Value;
  bool WholeNumber;  // ConvertTyped takes the text (else only the lenient reading does)
};

void PrintTo(const TypedCase& c, std::ostream* os) {
  *os << c.Locale << " '" << c.Text << "'";
}

class GroupedLocale : public ::testing::TestWithParam<TypedCase> {};

TEST_P(GroupedLocale, ReadNumberAndCheckNumberTextTakeTheTypedValue) {
  const TypedCase& c = GetParam();
  EXPECT_TRUE(IsNear(ReadNumber(c.Text, *c.Loc), c.Value, kTol * std::fabs(c.Value)));
  // A plain field left with the text keeps the value, within a (-1e9, 1e9) check.
  const std::string shown = CheckNumberText(c.Text, 20, 7, -1e9L, 1e9L, 42, true, *c.Loc);
  EXPECT_TRUE(IsNear(ReadNumber(shown, *c.Loc), c.Value, 1e-7L)) << shown;
}

TEST_P(GroupedLocale, ConvertTypedTakesOnlyWholeNumbers) {
  const TypedCase& c = GetParam();
  long double value = -99;
  EXPECT_EQ(ConvertTyped(c.Text, value, *c.Loc), c.WholeNumber);
  if (c.WholeNumber) {
    EXPECT_TRUE(IsNear(value, c.Value, kTol * std::fabs(c.Value)));
  } else {
    EXPECT_EQ(value, -99.0L);  // left alone
  }
}

const TypedCase kTypedCases[] = {
    // A point that is not followed by exactly three digits is the decimal point.
    {"de", &kGerman, "0.6", 0.6L, true},
    {"de", &kGerman, "-0.6", -0.6L, true},
    {"de", &kGerman, "1030.5", 1030.5L, true},
    {"de", &kGerman, "1.5", 1.5L, true},
    {"de", &kGerman, "1.25", 1.25L, true},
    {"de", &kGerman, "1.2345", 1.2345L, true},
    {"de", &kGerman, ".500", 0.5L, true},  // no digit before it: nothing to group
    {"de", &kGerman, "0.6kg", 0.6L, false},
    // A point before exactly three digits groups them.
    {"de", &kGerman, "1.250,5", 1250.5L, true},
    {"de", &kGerman, "1.250", 1250, true},
    {"de", &kGerman, "-1.234.567,25", -1234567.25L, true},
    {"de", &kGerman, "1.250kg", 1250, false},
    // The locale's own notation.
    {"de", &kGerman, "0,6", 0.6L, true},
    {"de", &kGerman, "1030,5", 1030.5L, true},
    {"ru", &kRussian, "0.6", 0.6L, true},
    {"ru", &kRussian, "0,6", 0.6L, true},
    {"ru", &kRussian, "1030.5", 1030.5L, true},
    {"ru", &kRussian, "1\u00a0250,5", 1250.5L, true},
    {"ru", &kRussian, "-12\u00a0345\u00a0678,9", -12345678.9L, true},
    {"ru", &kRussian, "1\u00a0250.5", 1250.5L, true},
    {"ru", &kRussian, "1.250", 1.25L, true},  // "." never groups there
    {"ru narrow", &kRussianNarrow, "1\u202f250,5", 1250.5L, true},
    {"ru narrow", &kRussianNarrow, "0.6", 0.6L, true},
    // Where "," groups thousands, the same rule holds the other way round.
    {"C", &kPointLocale, "1,250.5", 1250.5L, true},
    {"C", &kPointLocale, "1,250", 1250, true},
    {"C", &kPointLocale, "0,6", 0.6L, true},
    {"C", &kPointLocale, "1,2345", 1.2345L, true},
};

INSTANTIATE_TEST_SUITE_P(Cases, GroupedLocale, ::testing::ValuesIn(kTypedCases));

TEST(ConvertTypedTest, RefusesWhatIsNotOneNumber) {
  for (const char* text : {"", "abc", "1,2,3", "1.2.3", "1..5", "1e", "1\u00a025,5", "0.6 m"}) {
    long double value = 7;
    EXPECT_FALSE(ConvertTyped(text, value, kRussian)) << text;
    EXPECT_EQ(value, 7.0L);
  }
  long double value = 0;
  EXPECT_FALSE(ConvertTyped("1.2.3", value, kGerman));
  EXPECT_TRUE(ConvertTyped("1.234.567", value, kGerman));
  EXPECT_EQ(value, 1234567.0L);
}

// --- Reading typed numbers -------------------------------------------------------------

TEST(ReadNumberTest, EmptyAndBlankTexts) {
  EXPECT_EQ(ReadNumber(""), 0.0L);
  EXPECT_EQ(ReadNumber("  \t "), 0.0L);
  EXPECT_EQ(ReadNumber(" -7 "), -7.0L);
  EXPECT_TRUE(IsNear(ReadNumber("\t12.5\t"), 12.5L, kTol));
}

TEST(ReadNumberTest, FallsBackToTheLenientReading) {
  EXPECT_TRUE(IsNear(ReadNumber(" 3.25kg "), 3.25L, kTol));
  EXPECT_TRUE(IsNear(ReadNumber("1,250.5"), 1250.5L, kTol));
  EXPECT_EQ(ReadNumber("abc"), 0.0L);
}

TEST(ReadNumberTest, FollowsTheLocale) {
  EXPECT_TRUE(IsNear(ReadNumber("12.5", kPointLocale), 12.5L, kTol));
  EXPECT_TRUE(IsNear(ReadNumber("12,5", kPointLocale), 12.5L, kTol));
  EXPECT_TRUE(IsNear(ReadNumber("12,5", kCommaLocale), 12.5L, kTol));
  EXPECT_TRUE(IsNear(ReadNumber("12.5", kCommaLocale), 12.5L, kTol));
  EXPECT_TRUE(IsNear(ReadNumber("12.5", kSpaceLocale), 12.5L, kTol));
  EXPECT_TRUE(IsNear(ReadNumber(" -1\u00a0000,25 ", kSpaceLocale), -1000.25L, kTol));
  EXPECT_TRUE(IsNear(ReadNumber("1e-3", kCommaLocale), 1e-3L, kTol));
}

TEST(ReadNumberTest, NeverGivesNonFiniteValues) {
  const char* const texts[] = {"1e5000", "-1e5000", "nan", "inf", "-inf", "1e-5000", "1e"};
  for (const char* text : texts) {
    EXPECT_TRUE(std::isfinite(ReadNumber(text))) << text;
  }
  EXPECT_TRUE(std::isfinite(ReadNumber(std::string(6000, '9'))));
}

// --- Entry field check -----------------------------------------------------------------

TEST(CheckNumberTextTest, IntervalIsOpen) {
  EXPECT_EQ(CheckNumberText("10", 6, 3, -10.0L, 10.0L, 0.6L, false), "0.6");
  EXPECT_EQ(CheckNumberText("-10", 6, 3, -10.0L, 10.0L, 0.6L, false), "0.6");
  EXPECT_EQ(CheckNumberText("9.99", 6, 3, -10.0L, 10.0L, 0.6L, false), "9.99");
  EXPECT_EQ(CheckNumberText("-9.99", 6, 3, -10.0L, 10.0L, 0.6L, false), "-9.99");
  EXPECT_EQ(CheckNumberText("1e400", 6, 3, 0.0L, 10.0L, 1.0L, false), "1");
}

TEST(CheckNumberTextTest, UnreadableTextIsZeroBeforeTheCheck) {
  EXPECT_EQ(CheckNumberText("abc", 6, 3, 0.0L, 10.0L, 1.0L, false), "1");
  EXPECT_EQ(CheckNumberText("abc", 6, 3, -1.0L, 10.0L, 1.0L, false), "0");
  EXPECT_EQ(CheckNumberText("", 6, 3, -1.0L, 10.0L, 1.0L, false), "0");
}

TEST(CheckNumberTextTest, RoundsToTheDecimalsWithoutTrailingZeros) {
  EXPECT_EQ(CheckNumberText("0.1234567891", 20, 7, -10.0L, 10.0L, 0.0L, false), "0.1234568");
  EXPECT_EQ(CheckNumberText("3.14159", 10, 2, 0.0L, 10.0L, 1.0L, false), "3.14");
  EXPECT_EQ(CheckNumberText("9.9999", 10, 3, -10.0L, 10.0L, 0.6L, false), "10");
  EXPECT_EQ(CheckNumberText("2.500", 10, 3, 0.0L, 10.0L, 1.0L, false), "2.5");
  EXPECT_EQ(CheckNumberText("-0.0001", 10, 3, -1.0L, 1.0L, 0.5L, false), "0");
}

TEST(CheckNumberTextTest, KeepsTheLeadingZeroAndTheWholeIntegerPart) {
  EXPECT_EQ(CheckNumberText(".5", 6, 3, 0.0L, 10.0L, 1.0L, false), "0.5");
  EXPECT_EQ(CheckNumberText("1234567", 6, 3, 0.0L, 1e9L, 1.0L, false), "1234567");
  EXPECT_EQ(CheckNumberText("1.5", 2, 3, 0.0L, 10.0L, 1.0L, false), "1.5");
  EXPECT_EQ(CheckNumberText("7.6", 6, 0, 0.0L, 10.0L, 1.0L, false), "8");
}

TEST(CheckNumberTextTest, TrimmedTextIsTheSameCanonicalText) {
  EXPECT_EQ(CheckNumberText("  2.50  ", 10, 3, 0.0L, 10.0L, 1.0L, true), "2.5");
  EXPECT_EQ(CheckNumberText("20", 10, 3, 0.0L, 100.0L, 1.0L, true), "20");
  EXPECT_EQ(CheckNumberText("0,1234567891", 20, 7, -10.0L, 10.0L, 0.0L, true, kCommaLocale),
            "0,1234568");
}

TEST(CheckNumberTextTest, FollowsTheLocale) {
  EXPECT_EQ(CheckNumberText("0,1234567891", 20, 7, -10.0L, 10.0L, 0.0L, false, kCommaLocale),
            "0,1234568");
  EXPECT_EQ(CheckNumberText("10", 6, 3, -10.0L, 10.0L, 0.6L, false, kCommaLocale), "0,6");
  EXPECT_EQ(CheckNumberText("0.5", 6, 3, 0.0L, 10.0L, 1.0L, false, kSpaceLocale), "0,5");
  EXPECT_EQ(CheckNumberText("1\u00a0234,5", 10, 3, 0.0L, 1e4L, 1.0L, false, kSpaceLocale),
            "1234,5");
}

// --- Width-based display ---------------------------------------------------------------

TEST(FormatNumberTest, NoObligatoryDigit) {
  EXPECT_EQ(FormatNumber(10, 3, false, 0.5L), ".5");
  EXPECT_EQ(FormatNumber(10, 3, false, -0.25L), "-.25");
  EXPECT_EQ(FormatNumber(10, 3, false, 0.0L), "");
  EXPECT_EQ(FormatNumber(10, 3, false, 0.0004L), "");
}

TEST(FormatNumberTest, DecimalsAndRounding) {
  EXPECT_EQ(FormatNumber(10, 3, false, 12.3456L), "12.346");
  EXPECT_EQ(FormatNumber(10, 0, false, 12.6L), "13");
  EXPECT_EQ(FormatNumber(2, 3, false, 123.5L), "123.5");
  EXPECT_EQ(FormatNumber(10, 3, true, 2.0L), "2");
  EXPECT_EQ(FormatNumber(10, 3, true, 2.25L), "2.25");
}

TEST(FormatNumberTest, FollowsTheLocale) {
  EXPECT_EQ(FormatNumber(10, 3, false, 1234.5L, kCommaLocale), "1234,5");
  EXPECT_EQ(FormatNumber(10, 3, true, 0.5L, kSpaceLocale), ",5");
  EXPECT_EQ(FormatNumber(10, 3, true, 1.5L, kArabicLocale), "1\u066b5");
}

TEST(FormatNumberTest, NonFiniteGivesEmpty) {
  EXPECT_EQ(FormatNumber(10, 3, true, kNaN), "");
}

}  // namespace
