#pragma once

#include "shell/NumberLocale.h"

// The decimal and thousands separators of the user's locale, for reading and showing the
// numbers users type.
NumberLocale UserNumberLocale();
