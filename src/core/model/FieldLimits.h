#pragma once

#include <optional>
#include <string>
#include <string_view>

// The values the windows' entry field of a door value accepts. Every other way into the door
// (a door file, the command line's --set, a search range, a macro's file) accepts the same,
// so that no door reaches the model that its own dialog would refuse to show.
struct FieldLimits {
  long double Lower = 0;
  long double Upper = 0;
  bool EndsIncluded = false;  // [Lower..Upper] when true, ]Lower..Upper[ when false
  // What the field puts in place of an entry it refuses; the field then holds it, so it is
  // accepted even where it lies on or outside an open end (the keel's zero coordinates).
  std::optional<long double> Fallback;

  bool Admits(long double value) const;

  // The interval between two values as the field accepts it: an end the field refuses is
  // moved onto the field's end, onto an open end a thousandth of the range inside, so that every
  // value a search or a sweep reaches in it is one the field shows and accepts, and the door stays
  // saveable. The ends may come in either order; they are moved each on its own.
  struct Interval {
    long double From = 0;
    long double To = 0;
    bool Clamped = false;  // an end was moved
  };
  Interval Clamp(long double from, long double to) const;
  // "]-10..10[" or "[0..10000]", as the fields' messages show an interval.
  std::string IntervalText() const;
};

// The limits of the field of a main parameter or an environment, trawl or keel value, by its
// model name; nothing for an unknown name.
std::optional<FieldLimits> LimitsOfField(std::string_view name);
