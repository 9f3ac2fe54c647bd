#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A broken property is a finding like a crash: say which one and abort, so that libFuzzer
// keeps the input as a crash artifact.
inline void Require(bool holds, const char* property, const std::string& detail = {}) {
  if (holds) return;
  std::fprintf(stderr, "\nproperty broken: %s\n%s\n", property, detail.c_str());
  std::abort();
}

// Whether a text shows a non-number the way printf would ("nan", "inf", any case).
inline bool ShowsNonNumber(const std::string& text) {
  std::string lower = text;
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}
