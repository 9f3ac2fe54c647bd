// Cases the fuzz targets found, kept as plain tests beside their corpus files.

#include <gtest/gtest.h>

#include "numbers/NumberText.h"

namespace {

// Without a digit place in the pattern, FormatNumber shows the general format; trimming used
// to take the exponent's last zero for a trailing fraction zero ("1,5E-20" became "1,5E-2").
TEST(FuzzFound, TrimmingLeavesTheExponentOfTheGeneralFormatAlone) {
  const NumberLocale comma{",", "."};
  for (const long double value : {1.5e-20L, 2.5e-190L, -3e100L}) {
    const std::string shown = FormatNumber(0, 0, true, value, comma);
    EXPECT_EQ(ReadNumber(shown, comma), ReadNumber(FormatNumber(0, 0, false, value, comma), comma))
        << shown;
    EXPECT_NEAR(ReadNumber(shown, comma) / value, 1, 1e-14) << shown;
  }
}

}  // namespace
