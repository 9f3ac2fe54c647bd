// Fuzzes the routines that read and show the numbers users type: ConvertStrict, ConvertTyped,
// ParseNumberLoose, ReadNumber, CheckNumberText and FormatNumber. Besides not crashing:
// - a number read from any text is finite, and a text starting with "-" never reads positive;
// - no text shown is "nan" or "inf", only digits, "-", blanks and the decimal separator;
// - CheckNumberText always shows at least one digit;
// - FormatNumber's text reads back to its value within half a unit of its last decimal.
// The text lives in a heap block of exactly its size, so reading past it is reported by ASan.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "numbers/NumberText.h"
#include "numbers/TextRoutines.h"

namespace {

// The separators users have: C, most of Europe, French (no-break space, two bytes in UTF-8)
// and a locale without a thousands separator.
const std::array<NumberLocale, 4> kLocales = {{
    {".", ","},
    {",", "."},
    {",", "\xC2\xA0"},
    {".", ""},
}};

constexpr std::array<long double, 10> kBounds = {-LDBL_MAX, -1e300L, -1e4L, -10,    0,
                                                 0.5L,      10,      1e4L,  1e300L, LDBL_MAX};
constexpr std::array<long double, 7> kFallbacks = {0,           0.6L,      -7.5L,   1e20L,
                                                   123456.789L, -LDBL_MIN, LDBL_MAX};

std::string Shown(const std::string& text) {
  return "'" + text + "'";
}

// `general`: the general format's exponent ("1.5E-20") is allowed as well.
void RequireShowable(const std::string& text, const NumberLocale& loc, const char* routine,
                     bool general = false) {
  Require(!ShowsNonNumber(text), "a shown number is never nan or inf", routine + Shown(text));
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if ((c >= '0' && c <= '9') || c == '-' || c == ' ' || (general && c == 'E')) {
      ++i;
    } else if (text.compare(i, loc.Decimal.size(), loc.Decimal) == 0) {
      i += loc.Decimal.size();
    } else {
      Require(false, "a shown number holds only digits, '-', blanks and the separator",
              routine + Shown(text));
    }
  }
}

// Any byte pattern, made a value the hardware can produce: x87 has encodings (unnormals,
// pseudo-denormals) that no arithmetic yields; one multiplication turns them into NaN or
// their normal form.
long double ValueFromBytes(FuzzedDataProvider& in) {
  std::array<unsigned char, sizeof(long double)> bytes{};
  const std::size_t n = LDBL_MANT_DIG == 64 ? 10 : sizeof(long double);
  for (std::size_t i = 0; i < n; ++i)
    bytes[i] = in.ConsumeIntegral<unsigned char>();
  long double value = 0;
  std::memcpy(&value, bytes.data(), sizeof value);
  volatile long double one = 1;
  return value * one;
}

void CheckFormatNumber(int width, int decimals, bool trim, long double value,
                       const NumberLocale& loc) {
  // Without a single digit place (width too small, no decimals) the pattern falls back to the
  // general format: 15 significant digits, exponent when needed.
  const bool general = decimals <= 0 && width - decimals - 1 <= 0;
  const std::string shown = FormatNumber(width, decimals, trim, value, loc);
  RequireShowable(shown, loc, "FormatNumber: ", general);
  if (!std::isfinite(value)) {
    Require(shown.empty(), "a non-finite value shows as nothing", Shown(shown));
    return;
  }
  const long double back = ReadNumber(shown, loc);
  long double tolerance = 0;
  if (general) {
    constexpr long double kFifteenDigits = 5e-15L;
    tolerance = std::fabs(value) * kFifteenDigits;
  } else {
    const int shownDecimals = decimals < 0 ? 0 : decimals;
    const long double halfUnit = 0.5L * std::pow(10.0L, -shownDecimals);
    tolerance = halfUnit * (1 + 4 * LDBL_EPSILON) + std::fabs(value) * LDBL_EPSILON;
  }
  // Numbers below the normal range read as 0.
  tolerance += LDBL_MIN;
  Require(std::fabs(back - value) <= tolerance,
          "FormatNumber's text reads back within half a unit of its last shown digit",
          Shown(shown) + " for width " + std::to_string(width) + ", decimals " +
              std::to_string(decimals));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  // The settings come from the end of the input, the text is what is left at its start.
  const NumberLocale& loc =
      kLocales[in.ConsumeIntegralInRange<std::size_t>(0, kLocales.size() - 1)];
  const int width = in.ConsumeIntegralInRange(-4, 60);
  const int decimals = in.ConsumeIntegralInRange(-4, 24);
  const bool trim = in.ConsumeBool();
  const long double lower = kBounds[in.ConsumeIntegralInRange<std::size_t>(0, kBounds.size() - 1)];
  const long double upper = kBounds[in.ConsumeIntegralInRange<std::size_t>(0, kBounds.size() - 1)];
  const long double fallback =
      kFallbacks[in.ConsumeIntegralInRange<std::size_t>(0, kFallbacks.size() - 1)];
  const long double raw = ValueFromBytes(in);

  const std::string rest = in.ConsumeRemainingBytesAsString();
  const std::size_t length = rest.size();
  const std::unique_ptr<char[]> block(new char[length]);
  std::memcpy(block.get(), rest.data(), length);
  const std::string_view text(block.get(), length);

  constexpr long double kUntouched = -12345.6789L;
  long double strict = kUntouched;
  if (ConvertStrict(text, strict, loc)) {
    Require(std::isfinite(strict) && (strict == 0 || std::isnormal(strict)),
            "ConvertStrict gives finite, normal numbers", Shown(rest));
  } else {
    Require(strict == kUntouched, "a refused text leaves ConvertStrict's result alone",
            Shown(rest));
  }

  long double whole = kUntouched;
  if (ConvertTyped(text, whole, loc)) {
    Require(std::isfinite(whole) && (whole == 0 || std::isnormal(whole)),
            "ConvertTyped gives finite, normal numbers", Shown(rest));
    Require(whole == strict || strict == kUntouched,
            "ConvertTyped agrees with ConvertStrict where that takes the text", Shown(rest));
    if (text.starts_with('-')) {
      Require(whole <= 0, "a text starting with '-' never reads positive", Shown(rest));
    }
  } else {
    Require(whole == kUntouched, "a refused text leaves ConvertTyped's result alone", Shown(rest));
    Require(strict == kUntouched, "ConvertTyped takes whatever ConvertStrict takes", Shown(rest));
  }

  Require(std::isfinite(ParseNumberLoose(text, loc)), "ParseNumberLoose is finite", Shown(rest));

  const long double typed = ReadNumber(text, loc);
  Require(std::isfinite(typed), "ReadNumber is finite", Shown(rest));
  if (TrimBlanks(text).starts_with('-')) {
    Require(typed <= 0, "a text starting with '-' never reads positive", Shown(rest));
  }

  const std::string checked =
      CheckNumberText(text, width, decimals, lower, upper, fallback, trim, loc);
  RequireShowable(checked, loc, "CheckNumberText: ");
  Require(checked.find_first_of("0123456789") != std::string::npos,
          "CheckNumberText shows at least one digit", Shown(checked));
  Require(std::isfinite(ReadNumber(checked, loc)), "CheckNumberText's text reads back",
          Shown(checked));

  CheckFormatNumber(width, decimals, trim, typed, loc);
  CheckFormatNumber(width, decimals, trim, raw, loc);
  return 0;
}
