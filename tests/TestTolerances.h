#pragma once

// Named tolerances of the tests.
inline constexpr long double kExact = 1e-15L;        // pure arithmetic on small numbers
inline constexpr long double kGeometryTol = 1e-12L;  // m, rotated and derived points
inline constexpr long double kReferenceTol = 0.1L;   // N or N*m, figures quoted to 0.1
inline constexpr long double kAngleTol = 0.01L;      // degrees, figures quoted to 0.01
