#pragma once

#include <string>

// Separators of the numbers the user types and reads. They are strings rather than
// characters because real locales use multi-byte separators (the no-break space
// U+00A0 is two bytes in UTF-8). The GUI fills this from the user's locale; the
// default is the "C"-style pair the data file also uses for its decimal point.
struct NumberLocale {
  std::string Decimal = ".";
  std::string Thousands = ",";
};
