#include "support/TextWords.h"

#include <algorithm>
#include <cctype>

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

bool HasWord(std::string_view text) {
  int run = 0;
  for (const char c : text) {
    run = std::isalpha(static_cast<unsigned char>(c)) ? run + 1 : 0;
    if (run >= 4) return true;
  }
  return false;
}
