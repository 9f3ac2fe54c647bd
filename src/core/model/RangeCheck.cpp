#include "model/RangeCheck.h"

#include <cmath>

#include "model/DoorInputs.h"

std::optional<RangeFault> CheckRange(long double from, long double to) {
  if (!std::isfinite(from) || !std::isfinite(to)) return RangeFault::NotFinite;
  if (from == to) return RangeFault::EqualEnds;
  if (from > to) return RangeFault::Reversed;
  return std::nullopt;
}

std::optional<RangeFault> StoreRange(DoorInputs& door, int paramIndex, long double from,
                                     long double to) {
  if (auto fault = CheckRange(from, to)) return fault;
  Range& range = door.Ranges.at(static_cast<std::size_t>(paramIndex));
  range.From = from;
  range.To = to;
  return std::nullopt;
}
