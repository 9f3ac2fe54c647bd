#include "numbers/NumberText.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <system_error>

#include "numbers/NumberFormat.h"
#include "numbers/TextRoutines.h"

namespace {

bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsAsciiLetterOrDigit(char c) {
  return IsAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsUtf8Continuation(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x80 && byte <= 0xBF;
}

bool HasAt(std::string_view text, std::size_t pos, std::string_view part) {
  return !part.empty() && text.substr(pos).starts_with(part);
}

// Converts a normalised "digits.digitse-digits" text; false when the value lies outside
// the normal range of the type.
bool ConvertNormalised(const std::string& normalised, long double& value) {
  const char* const end = normalised.data() + normalised.size();
  const auto result = std::from_chars(normalised.data(), end, value, std::chars_format::general);
  return result.ec == std::errc{} && result.ptr == end;
}

// Whether the thousands separator at text[pos], right after a digit, really groups: exactly
// three digits follow it, then a non-digit or the end. Where "." groups thousands, "0.6" and
// "1030.5" are decimal numbers typed with a point, not 6 and 10305.
bool GroupsThousandsAt(std::string_view text, std::size_t pos, const NumberLocale& loc) {
  if (!HasAt(text, pos, loc.Thousands)) return false;
  const std::size_t first = pos + loc.Thousands.size();
  for (std::size_t i = first; i < first + 3; ++i) {
    if (i >= text.size() || !IsAsciiDigit(text[i])) return false;
  }
  return first + 3 == text.size() || !IsAsciiDigit(text[first + 3]);
}

// Reads digits from text[pos...] into `digits`, skipping the thousands separators that group.
// It stops at any other character, so a separator that does not group is left for the caller
// to take as the decimal point.
void ReadDigits(std::string_view text, std::size_t& pos, const NumberLocale& loc,
                std::string& digits) {
  bool afterDigit = false;
  while (pos < text.size()) {
    if (IsAsciiDigit(text[pos])) {
      digits += text[pos];
      ++pos;
      afterDigit = true;
    } else if (afterDigit && GroupsThousandsAt(text, pos, loc)) {
      pos += loc.Thousands.size();
    } else {
      break;
    }
  }
}

}  // namespace

bool ConvertStrict(std::string_view text, long double& out, const NumberLocale& loc) {
  std::size_t pos = 0;
  const std::size_t length = text.size();
  bool negative = false;
  if (pos < length && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }

  std::string normalised;
  std::size_t mantissaDigits = 0;
  while (pos < length && IsAsciiDigit(text[pos])) {
    normalised += text[pos++];
    ++mantissaDigits;
  }
  if (HasAt(text, pos, loc.Decimal)) {
    pos += loc.Decimal.size();
    normalised += '.';
    while (pos < length && IsAsciiDigit(text[pos])) {
      normalised += text[pos++];
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return false;

  if (pos < length && (text[pos] == 'E' || text[pos] == 'e')) {
    ++pos;
    normalised += 'e';
    if (pos < length && (text[pos] == '+' || text[pos] == '-')) {
      if (text[pos] == '-') normalised += '-';
      ++pos;
    }
    std::size_t exponentDigits = 0;
    while (pos < length && IsAsciiDigit(text[pos])) {
      normalised += text[pos++];
      ++exponentDigits;
    }
    if (exponentDigits == 0) return false;
  }
  if (pos != length) return false;

  long double value = 0.0L;
  if (!ConvertNormalised(normalised, value)) return false;
  out = negative ? -value : value;
  return true;
}

bool ConvertTyped(std::string_view text, long double& out, const NumberLocale& loc) {
  if (ConvertStrict(text, out, loc)) return true;
  // Rewritten into the "." notation: the user's decimal separator, or before it a "." or ","
  // that does not group, becomes "."; thousands separators that group are dropped.
  std::string normalised;
  bool decimalSeen = false;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const bool afterDigit = pos > 0 && IsAsciiDigit(text[pos - 1]);
    if (!decimalSeen && HasAt(text, pos, loc.Decimal)) {
      normalised += '.';
      pos += loc.Decimal.size();
      decimalSeen = true;
    } else if (!decimalSeen && afterDigit && GroupsThousandsAt(text, pos, loc)) {
      pos += loc.Thousands.size();
    } else if (!decimalSeen && (text[pos] == '.' || text[pos] == ',')) {
      normalised += '.';
      ++pos;
      decimalSeen = true;
    } else {
      normalised += text[pos++];
    }
  }
  return ConvertStrict(normalised, out, NumberLocale{".", ""});
}

long double ParseNumberLoose(std::string_view text, const NumberLocale& loc) {
  const std::size_t length = text.size();
  std::size_t pos = 0;
  while (pos < length && (text[pos] == ' ' || text[pos] == '\t'))
    ++pos;

  bool negative = false;
  if (pos < length && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }

  std::string integerDigits;
  ReadDigits(text, pos, loc, integerDigits);

  // The decimal point: the locale's separator, or any one character that cannot be part
  // of a number, so a "." typed under a "," locale still works, as does a thousands
  // separator that does not group. A non-ASCII character is skipped whole, not byte by byte.
  if (pos < length) {
    if (HasAt(text, pos, loc.Decimal)) {
      pos += loc.Decimal.size();
    } else if (!IsAsciiLetterOrDigit(text[pos])) {
      ++pos;
      while (pos < length && IsUtf8Continuation(text[pos]))
        ++pos;
    }
  }

  std::string fractionDigits;
  ReadDigits(text, pos, loc, fractionDigits);

  // Saturating well beyond any usable exponent keeps the counter from overflowing while
  // still pushing the value out of range.
  constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;
  std::int64_t exponent = 0;
  bool negativeExponent = false;
  if (pos + 1 < length &&
      (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'F' || text[pos] == 'f')) {
    ++pos;
    if (text[pos] == '+' || text[pos] == '-') {
      negativeExponent = text[pos] == '-';
      ++pos;
    }
    std::string exponentDigits;
    ReadDigits(text, pos, loc, exponentDigits);
    for (char digit : exponentDigits) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (digit - '0');
    }
  }

  if (integerDigits.empty() && fractionDigits.empty()) return 0.0L;
  std::string normalised = integerDigits.empty() ? "0" : integerDigits;
  if (!fractionDigits.empty()) normalised += '.' + fractionDigits;
  normalised += negativeExponent ? "e-" : "e";
  normalised += std::to_string(exponent);

  long double value = 0.0L;
  if (!ConvertNormalised(normalised, value)) return 0.0L;  // out of range
  if (value == 0.0L) return 0.0L;
  return negative ? -value : value;
}

long double ReadNumber(std::string_view text, const NumberLocale& loc) {
  if (text.empty()) return 0.0L;
  const std::string trimmed = TrimBlanks(text);
  long double value = 0.0L;
  if (!ConvertStrict(trimmed, value, loc)) value = ParseNumberLoose(trimmed, loc);
  if (trimmed.starts_with('-') && value > 0.0L) value = -value;
  return value;
}

std::string CheckNumberText(std::string_view text, int width, int decimals, long double lower,
                            long double upper, long double fallback, bool trim,
                            const NumberLocale& loc) {
  long double value = ReadNumber(text, loc);
  if (value <= lower || value >= upper) value = fallback;

  const std::string pattern =
      RepeatChar('#', width - decimals - 2) + "0." + RepeatChar('#', decimals);
  std::string shown = FormatFloat(pattern, value, loc);

  if (trim) {
    const auto hasSeparator = [&] {
      return !loc.Decimal.empty() && shown.find(loc.Decimal) != std::string::npos;
    };
    while (hasSeparator() && shown.back() == '0')
      shown.pop_back();
    shown.erase(0, shown.find_first_not_of(' '));
  }
  return shown;
}

std::string FormatNumber(int width, int decimals, bool trim, long double value,
                         const NumberLocale& loc) {
  const std::string pattern =
      RepeatChar('#', width - decimals - 1) + "." + RepeatChar('#', decimals);
  std::string shown = FormatFloat(pattern, value, loc);

  // A pattern without digit places gives the general format, whose exponent ("1E-20") has no
  // trailing fraction zeros to drop.
  if (trim && !loc.Decimal.empty() && shown.find('E') == std::string::npos) {
    while (shown.find(loc.Decimal) != std::string::npos) {
      if (shown.back() == '0') {
        shown.pop_back();
      } else if (shown.ends_with(loc.Decimal)) {
        shown.resize(shown.size() - loc.Decimal.size());
      } else {
        break;
      }
    }
  }
  if (trim) shown.erase(0, shown.find_first_not_of(' '));
  return shown;
}

namespace {

bool IsDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

// Sign, digits, optional "." and digits, optional exponent: the number syntax of the file.
bool HasRealSyntax(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < t.size() && IsDecimalDigit(t[i])) {
    ++i;
    ++digits;
  }
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDecimalDigit(t[i])) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < t.size() && IsDecimalDigit(t[i])) {
      ++i;
      ++exponentDigits;
    }
    if (exponentDigits == 0) return false;
  }
  return i == t.size();
}

// Whether a well-formed real that cannot be held lies above the range (rather than below the
// smallest normal magnitude): its decimal exponent is positive.
bool IsAboveRange(std::string_view t) {
  std::size_t i = (t[0] == '+' || t[0] == '-') ? 1 : 0;
  long long integerDigits = 0;
  long long firstSignificant = -1;  // position of the first non-zero digit among all digits
  long long position = 0;
  bool inFraction = false;
  long long exponent = 0;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '.') {
      inFraction = true;
    } else if (IsDecimalDigit(c)) {
      if (c != '0' && firstSignificant < 0) firstSignificant = position;
      ++position;
      if (!inFraction) ++integerDigits;
    } else {  // the exponent
      bool negative = false;
      ++i;
      if (t[i] == '+' || t[i] == '-') negative = t[i++] == '-';
      for (; i < t.size(); ++i) {
        if (exponent < 1000000) exponent = exponent * 10 + (t[i] - '0');
      }
      if (negative) exponent = -exponent;
      break;
    }
  }
  return exponent + integerDigits - firstSignificant - 1 > 0;
}
