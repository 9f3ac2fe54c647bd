#include "numbers/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace {

// What a display pattern asks of the integer and fraction digits.
struct PatternLayout {
  bool hasPlaceholder = false;
  int minIntegerDigits = 0;
  int minFractionDigits = 0;
  int maxFractionDigits = 0;
};

bool IsPlaceholder(char c) {
  return c == '0' || c == '#';
}

PatternLayout ReadPattern(std::string_view pattern) {
  PatternLayout layout;
  bool inFraction = false;
  bool seenIntegerZero = false;
  for (char c : pattern) {
    if (c == '.' && !inFraction) {
      inFraction = true;
      continue;
    }
    if (!IsPlaceholder(c)) continue;
    layout.hasPlaceholder = true;
    if (inFraction) {
      ++layout.maxFractionDigits;
      if (c == '0') layout.minFractionDigits = layout.maxFractionDigits;
    } else {
      seenIntegerZero = seenIntegerZero || c == '0';
      if (seenIntegerZero) ++layout.minIntegerDigits;
    }
  }
  return layout;
}

// Every long double is exact in decimal within this many decimals (the smallest
// subnormal, 2^-16445, has 16445), so longer requests are cut to it.
constexpr int kMaxDecimals = 16500;

// Digits of the value's magnitude in fixed notation, correctly rounded to `decimals`.
// The buffer holds the largest long double written out in full.
std::string FixedMagnitude(long double value, int decimals) {
  if (decimals < 0) decimals = 0;
  if (decimals > kMaxDecimals) decimals = kMaxDecimals;
  const std::size_t size =
      static_cast<std::size_t>(std::numeric_limits<long double>::max_exponent10 + decimals + 8);
  std::string buffer(size, '\0');
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                    std::chars_format::fixed, decimals);
  if (result.ec != std::errc{}) return {};
  buffer.resize(static_cast<std::size_t>(result.ptr - buffer.data()));
  return buffer;
}

bool HasNonZeroDigit(std::string_view digits) {
  return digits.find_first_of("123456789") != std::string_view::npos;
}

void SplitAtPoint(const std::string& fixed, std::string& integer, std::string& fraction) {
  const std::size_t point = fixed.find('.');
  if (point == std::string::npos) {
    integer = fixed;
    fraction.clear();
  } else {
    integer = fixed.substr(0, point);
    fraction = fixed.substr(point + 1);
  }
}

}  // namespace

std::string FormatFloat(std::string_view pattern, long double value, const NumberLocale& loc) {
  if (!std::isfinite(value)) return {};
  const PatternLayout layout = ReadPattern(pattern);
  if (!layout.hasPlaceholder) return FormatGeneral(value, loc);

  const std::string fixed = FixedMagnitude(value, layout.maxFractionDigits);
  std::string integer;
  std::string fraction;
  SplitAtPoint(fixed, integer, fraction);

  const bool negative = std::signbit(value) && HasNonZeroDigit(fixed);

  if (integer == "0") integer.clear();
  const std::size_t minInteger = static_cast<std::size_t>(layout.minIntegerDigits);
  if (integer.size() < minInteger) integer.insert(0, minInteger - integer.size(), '0');

  const std::size_t minFraction = static_cast<std::size_t>(layout.minFractionDigits);
  while (fraction.size() > minFraction && fraction.back() == '0')
    fraction.pop_back();

  std::string text = negative ? "-" : "";
  text += integer;
  if (!fraction.empty()) {
    text += loc.Decimal;
    text += fraction;
  }
  return text;
}

std::string FormatFixed(long double value, int decimals) {
  if (!std::isfinite(value)) return {};
  const std::string fixed = FixedMagnitude(value, decimals);
  if (std::signbit(value) && HasNonZeroDigit(fixed)) return "-" + fixed;
  return fixed;
}

std::string FormatGeneral(long double value, const NumberLocale& loc) {
  if (!std::isfinite(value)) return {};
  if (value == 0.0L) return "0";

  // Rounding to 15 significant digits first settles the exponent (9.9999...E4 -> 1E5).
  constexpr int kSignificant = 15;
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, kSignificant - 1);
  if (result.ec != std::errc{}) return {};
  const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = scientific.find('e');
  if (e == std::string_view::npos) return {};

  std::string digits;
  for (char c : scientific.substr(0, e)) {
    if (c != '.') digits += c;
  }
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();

  std::string_view exponentText = scientific.substr(e + 1);
  if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

  std::string text = std::signbit(value) ? "-" : "";
  constexpr int kSmallestPlainExponent = -5;
  if (exponent >= kSmallestPlainExponent && exponent < kSignificant) {
    if (exponent >= 0) {
      const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= integerDigits) {
        text += digits;
        text.append(integerDigits - digits.size(), '0');
      } else {
        text += digits.substr(0, integerDigits);
        text += loc.Decimal;
        text += digits.substr(integerDigits);
      }
    } else {
      text += '0';
      text += loc.Decimal;
      text.append(static_cast<std::size_t>(-exponent - 1), '0');
      text += digits;
    }
    return text;
  }
  text += digits.substr(0, 1);
  if (digits.size() > 1) {
    text += loc.Decimal;
    text += digits.substr(1);
  }
  text += 'E';
  text += std::to_string(exponent);
  return text;
}

std::string FormatRoundTrip(long double value) {
  if (!std::isfinite(value)) return {};
  char buffer[128];
  // Plain notation over the range a door's values live in reads best by hand ("100000", not
  // "1e+05"); both forms are the shortest that reads back exactly.
  const long double magnitude = std::fabs(value);
  const bool plain = magnitude == 0 || (magnitude >= 1e-6L && magnitude < 1e15L);
  const auto result =
      plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
            : std::to_chars(buffer, buffer + sizeof buffer, value);
  if (result.ec != std::errc{}) return {};
  return std::string(buffer, static_cast<std::size_t>(result.ptr - buffer));
}
