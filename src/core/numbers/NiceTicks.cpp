#include "NiceTicks.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// No axis gets more ticks than this, whatever it is asked for.
constexpr int kMaxIntervals = 1000;

// The smallest step of 1, 2 or 5 times a power of ten that is at least `rough`.
long double NiceStepAtLeast(long double rough) {
  const long double power = std::pow(10.0L, std::floor(std::log10(rough)));
  for (const long double factor : std::array<long double, 4>{1, 2, 5, 10}) {
    // A hair of tolerance: 0.3 / 0.1 is not quite 3 in binary.
    if (factor * power >= rough * (1 - 1e-12L)) return factor * power;
  }
  return 10 * power;
}

}  // namespace

NiceTicks NiceTicks::For(long double low, long double high, int intervals) {
  NiceTicks axis;
  if (!std::isfinite(low) || !std::isfinite(high)) return axis;
  if (low > high) std::swap(low, high);
  intervals = std::clamp(intervals, 1, kMaxIntervals);
  if (low == high) {
    // A single value: an axis a tenth of its size to either side, or -1 to 1 around zero.
    const long double half = low == 0 ? 1.0L : std::fabs(low) / 10;
    low -= half;
    high += half;
  }
  long double step = NiceStepAtLeast((high - low) / intervals);
  // Rounding the ends outwards can add an interval at each end; a larger step keeps the
  // count near the one asked for.
  for (int guard = 0; guard < 8; ++guard) {
    const long double first = std::floor(low / step + 1e-9L) * step;
    const long double last = std::ceil(high / step - 1e-9L) * step;
    if (std::isfinite(first) && std::isfinite(last) && (last - first) / step <= intervals + 2) {
      axis.Low = first;
      axis.High = last;
      axis.Step = step;
      return axis;
    }
    step = NiceStepAtLeast(step * 1.5L);
  }
  return axis;
}

std::vector<long double> NiceTicks::Values() const {
  std::vector<long double> values;
  if (!(Step > 0) || !(High >= Low)) return values;
  const long double count = std::round((High - Low) / Step);
  if (count > kMaxIntervals + 2) return values;
  for (int i = 0; i <= static_cast<int>(count); ++i) {
    const long double value = Low + Step * i;
    // Zero itself rather than a rounding residue such as 1e-17.
    values.push_back(std::fabs(value) < Step * 1e-9L ? 0.0L : value);
  }
  return values;
}

int NiceTicks::Decimals() const {
  if (!(Step > 0) || Step >= 1) return 0;
  return std::clamp(static_cast<int>(std::ceil(-std::log10(Step) - 1e-9L)), 0, 18);
}
