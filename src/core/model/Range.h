#pragma once

// The values a single-variable search may try for one main parameter. Step is kept with the
// record in data files; no computation uses it.
struct Range {
  long double From = 0;
  long double To = 0;
  long double Step = 0;
  bool operator==(const Range&) const = default;
};
