#pragma once

#include <string>
#include <string_view>

#include "numbers/NumberLocale.h"

// Number-to-text conversions for displays, report fields and the data file.
//
// Rounding is done on the exact binary value, ties to even: "#0.##" shows 0.125 as 0.12.
// A result whose shown digits are all zero never carries a minus sign.
// Non-finite values (NaN, +-infinity) give an empty string in every routine here, so no
// "nan" or "inf" text can reach a window, a report or a data file.

// Formats value with a display pattern: "0" is a digit that is always shown, "#" a digit
// shown only when significant, the first "." marks the decimal point (written as
// loc.Decimal); other characters are ignored.
// - The integer part is never cut: "##0" shows 12345 as "12345". The "0"s from the first
//   one up to the point set the minimum count of integer digits, so "#.##" shows 0.5 as
//   ".5" and 0 as "".
// - The fraction has at most as many digits as the pattern has placeholders after the
//   point; the digits up to the last "0" there are always shown, the rest only without
//   trailing zeros; the separator is left out when no fraction digit remains.
// A pattern without any placeholder falls back to FormatGeneral.
std::string FormatFloat(std::string_view pattern, long double value,
                        const NumberLocale& loc = NumberLocale{});

// Fixed notation with exactly `decimals` decimals (none for decimals <= 0; at most 16500,
// by which every long double is exact) and "." as the decimal point whatever the locale,
// as the report's number fields need. No padding.
std::string FormatFixed(long double value, int decimals);

// The general real format: at most 15 significant digits, no trailing zeros, plain
// notation when |value| >= 1E-5 and the integer part has at most 15 digits, otherwise
// exponent notation without "+" or leading zeros ("1E20", "-2.5E-7").
std::string FormatGeneral(long double value, const NumberLocale& loc = NumberLocale{});

// The shortest text that reads back to exactly the same long double, with "." as decimal
// point whatever the locale (the data file's form). Values from 1e-6 up to 1e15 are written
// in plain notation ("100000", "0.001"); others with an exponent ("1e+20").
std::string FormatRoundTrip(long double value);
