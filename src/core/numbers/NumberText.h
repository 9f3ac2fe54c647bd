#pragma once

#include <string>
#include <string_view>

#include "numbers/NumberLocale.h"

// Reading the numbers users type, checking entry fields and the width-based display
// format. Nothing here depends on the C locale: separators come from `loc` only.

// The strict conversion: the whole text must be an optional sign, digits, optionally
// loc.Decimal and digits, and optionally E or e with an optional sign and digits; at
// least one digit before the exponent ("5." and ".5" are numbers, "." is not). No blanks,
// no thousands separators, no "nan", "inf" or hexadecimal. A value outside the normal
// long double range (overflow, or underflow below the smallest normal magnitude) fails.
// On failure `out` is left unchanged.
bool ConvertStrict(std::string_view text, long double& out,
                   const NumberLocale& loc = NumberLocale{});

// The reading of a field that takes a number only when the whole text is one: the strict
// conversion, or else the same with the separators read as the lenient reading below reads
// them: thousands separators that group are skipped, and a "." or "," that does not group,
// before the user's decimal separator, is the decimal point. So where "." groups thousands
// "1.250,5" gives 1250.5, "1030.5" 1030.5 and "0.6" 0.6, while "0.6kg" is refused.
bool ConvertTyped(std::string_view text, long double& out, const NumberLocale& loc);

// The lenient reading used when the strict one refuses a text: leading blanks and tabs,
// an optional sign, integer digits, one decimal point that may be loc.Decimal or any
// character other than an ASCII letter or digit, fraction digits, and an exponent after E,
// e, F or f; whatever follows is ignored. A thousands separator is skipped only where it
// groups: after a digit, followed by exactly three digits and then a non-digit or the end;
// anywhere else it is the decimal point. So "3.25kg" gives 3.25, "1,250.5" 1250.5, "2x5" 2,
// and where "." groups thousands "1.250,5" gives 1250.5 but "0.6" 0.6. The digits read are
// converted in one step, so the result is the correctly rounded value of what was read.
// Texts without digits, and values too large or too small for the type, give 0; never
// infinity or NaN.
long double ParseNumberLoose(std::string_view text, const NumberLocale& loc = NumberLocale{});

// A typed number: the blank-trimmed text by the strict conversion, else by the lenient
// one; a text starting with "-" never gives a positive value. Empty text gives 0. The
// result is always finite.
long double ReadNumber(std::string_view text, const NumberLocale& loc = NumberLocale{});

// The canonical text of an entry field when it is left: the text is read as ReadNumber
// does; a value not strictly between lower and upper is replaced by fallback; the value
// is formatted with at least one integer digit and at most `decimals` decimals without
// trailing zeros. With `trim`, remaining trailing zeros after the decimal separator and
// leading blanks are removed as well.
std::string CheckNumberText(std::string_view text, int width, int decimals, long double lower,
                            long double upper, long double fallback, bool trim,
                            const NumberLocale& loc = NumberLocale{});

// Display text of value with at most `decimals` decimals and no obligatory digit, so a
// value below 1 has no leading zero (".5") and zero gives "". With `trim`, trailing zeros
// and a trailing decimal separator are removed, then leading blanks.
std::string FormatNumber(int width, int decimals, bool trim, long double value,
                         const NumberLocale& loc = NumberLocale{});

// The number syntax of the door file and the command line, with "." as decimal separator:
// sign, digits, optional "." and digits, optional exponent. Says nothing about the value's
// size.
bool HasRealSyntax(std::string_view text);
// For a text of that syntax whose value cannot be held: whether it lies above the range
// (rather than below the smallest normal magnitude), judged by its decimal exponent.
bool IsAboveRange(std::string_view text);
