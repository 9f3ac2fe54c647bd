#pragma once

#include <QString>

#include "numbers/NumberLocale.h"

// The decimal and thousands separators of the user's locale, for reading and showing the
// numbers users type.
NumberLocale UserNumberLocale();

// `value` in the form of a number pattern ("#0.###"), with the user's separators unless
// others are given.
QString UserNumberText(const char* pattern, long double value,
                       const NumberLocale& locale = UserNumberLocale());
