#include "numbers/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace {

// 10^n. Up to 10^27 the powers are exact in the 64-bit significand, and a product loop
// keeps them exact, which the axis rule needs at exact powers of ten.
long double PowerOfTen(int n) {
  constexpr int kExactLimit = 27;
  if (n >= 0 && n <= kExactLimit) {
    long double p = 1.0L;
    for (int i = 0; i < n; ++i)
      p *= 10.0L;
    return p;
  }
  return std::pow(10.0L, static_cast<long double>(n));
}

}  // namespace

long double RoundHalfEven(long double x) {
  if (!std::isfinite(x)) return x;
  const long double below = std::floor(x);
  const long double fraction = x - below;  // exact: the fraction of a float is representable
  if (fraction < 0.5L) return below;
  if (fraction > 0.5L) return below + 1.0L;
  return std::fmod(below, 2.0L) == 0.0L ? below : below + 1.0L;
}

long double RoundTo(int decimals, long double x) {
  if (!std::isfinite(x)) return x;
  // Dividing by an exact 10^|n| for negative n is more accurate than multiplying by the
  // inexact 10^n.
  const long double power = PowerOfTen(decimals >= 0 ? decimals : -decimals);
  if (decimals >= 0) {
    const long double scaled = x * power;
    if (!std::isfinite(scaled)) return x;
    return RoundHalfEven(scaled) / power;
  }
  if (!std::isfinite(power)) return 0.0L;
  return RoundHalfEven(x / power) * power;
}

void RangeMinMax(std::span<const long double> values, int first, int last, long double& min,
                 long double& max) {
  min = 0.0L;
  max = 0.0L;
  if (values.empty()) return;
  const long long top = static_cast<long long>(values.size()) - 1;
  const long long from = std::max<long long>(first, 0);
  const long long to = std::min<long long>(last, top);
  if (from > to) return;
  min = values[static_cast<std::size_t>(from)];
  max = min;
  for (long long i = from + 1; i <= to; ++i) {
    const long double v = values[static_cast<std::size_t>(i)];
    if (v < min) min = v;
    if (v > max) max = v;
  }
}

long double AxisStep(long double span) {
  if (!std::isfinite(span) || span == 0.0L) return 1.0L;
  const long double magnitude = std::fabs(span);
  int k = static_cast<int>(std::trunc(std::log10(magnitude)));
  if (magnitude >= 1.0L) {
    // log10 may land a hair below an exact power of ten; the exact powers decide.
    constexpr int kMaxExponent = std::numeric_limits<long double>::max_exponent10;
    while (k + 1 <= kMaxExponent && PowerOfTen(k + 1) <= magnitude)
      ++k;
    while (k > 0 && PowerOfTen(k) > magnitude)
      --k;
  }
  // Work with c/10 = 10^k so that c itself never has to be representable.
  const long double tenth = PowerOfTen(k);
  long double step = tenth;
  if (magnitude <= 2.5L * tenth) {
    step = tenth / 4.0L;
  } else if (magnitude <= 5.0L * tenth) {
    step = tenth / 2.0L;
  }
  if (!std::isfinite(step) || step == 0.0L) return 1.0L;
  return step;
}
