#include "model/FieldLimits.h"

#include <array>
#include <cmath>

#include "numbers/NumberFormat.h"

namespace {

struct NamedLimits {
  std::string_view Name;
  FieldLimits Limits;
};

// The projections dialog's rows: open intervals, the fallback of each row.
constexpr FieldLimits Open(long double lower, long double upper, long double fallback) {
  return FieldLimits{lower, upper, false, fallback};
}
// The environment dialog's validated fields: closed intervals.
constexpr FieldLimits Closed(long double lower, long double upper) {
  return FieldLimits{lower, upper, true, std::nullopt};
}

const std::array<NamedLimits, 31> kLimits = {{
    {"y0", Open(-10, 10, 0.6L)},
    {"yc0", Open(-10, 10, 0.095L)},
    {"yc1", Open(-10, 10, 0.095L)},
    {"yh", Open(-10, 10, 0)},
    {"ys", Open(-10, 10, 0)},
    {"yg", Open(-10, 10, 0.035L)},
    {"G", Open(0, 100000, 11513)},
    {"x0", Open(-10, 10, 1.12L)},
    {"xc0", Open(-10, 10, 2.655L)},
    {"xc1", Open(-10, 10, 2.655L)},
    {"xg", Open(-10, 10, 1.44L)},
    {"R", Open(0, 1000000, 29400)},
    {"v", Open(-10, 10, 2.15L)},
    {"Fs", Open(-10, 10, 0)},
    {"b", Open(-10, 10, 3.4L)},
    {"zh", Open(-10, 10, 0.9L)},
    {"zs", Open(-10, 10, 0)},
    {"zg", Open(-10, 10, 0.285L)},
    {"z0", Open(-10, 10, 1)},
    {"zc0", Open(-10, 10, 1.25L)},
    {"zc1", Open(-10, 10, 0.495L)},
    {"H", Open(-10, 10, 1.9L)},
    {"F", Open(-10, 10, 5.5L)},
    {"WaterDensity", Closed(0, 10000)},
    {"GroundDensity", Closed(0, 10000)},
    {"GroundCoef", Closed(0, 100)},
    // The trawl dialog: the bridles' attack angles.
    {"BridleAngleH", Open(0, 89, 10)},
    {"BridleAngleV", Open(-89, 89, -5)},
    // The keel position dialog.
    {"xk", Open(0, 10, 1)},
    {"yk", Open(0, 10, 0)},
    {"zk", Open(0, 10, 0)},
}};

}  // namespace

bool FieldLimits::Admits(long double value) const {
  if (!std::isfinite(value)) return false;
  if (Fallback && value == *Fallback) return true;
  return EndsIncluded ? (value >= Lower && value <= Upper) : (value > Lower && value < Upper);
}

FieldLimits::Interval FieldLimits::Clamp(long double from, long double to) const {
  const long double inset = EndsIncluded ? 0 : (Upper - Lower) / 1000;
  const long double lowest = Lower + inset;
  const long double highest = Upper - inset;
  const auto clamp = [&](long double value) {
    // A value the field accepts stays, and one that is no number is left for the caller's own
    // check to refuse.
    if (Admits(value) || !std::isfinite(value)) return value;
    if (value <= Lower) return lowest;
    if (value >= Upper) return highest;
    return value;
  };
  const Interval clamped{clamp(from), clamp(to), false};
  return {clamped.From, clamped.To, clamped.From != from || clamped.To != to};
}

std::string FieldLimits::IntervalText() const {
  const auto general = [](long double value) { return FormatGeneral(value); };
  return std::string(EndsIncluded ? "[" : "]") + general(Lower) + ".." + general(Upper) +
         (EndsIncluded ? "]" : "[");
}

std::optional<FieldLimits> LimitsOfField(std::string_view name) {
  for (const NamedLimits& named : kLimits)
    if (named.Name == name) return named.Limits;
  return std::nullopt;
}
