#include "numbers/TextRoutines.h"

#include <cstddef>

namespace {

bool IsBlankChar(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlankChar(text[first]))
    ++first;
  while (last > first && IsBlankChar(text[last - 1]))
    --last;
  return std::string(text.substr(first, last - first));
}

std::string RepeatChar(char ch, int count) {
  if (count <= 0) return {};
  return std::string(static_cast<std::size_t>(count), ch);
}

std::string ExtractField(std::string_view text, int n, std::string_view separators) {
  const std::size_t length = text.size();
  const auto isSeparator = [&](std::size_t i) {
    return separators.find(text[i]) != std::string_view::npos;
  };
  // Both positions stay within [0, length]; every index is checked before it is read.
  std::size_t start = 0;
  std::size_t stop = 0;
  for (int field = 1; field <= n; ++field) {
    while (start < length && isSeparator(start))
      ++start;
    stop = start;
    while (stop < length && !isSeparator(stop))
      ++stop;
    if (field < n) {
      start = stop;
      if (start == length) break;  // no further field can follow
    }
  }
  return std::string(text.substr(start, stop - start));
}
