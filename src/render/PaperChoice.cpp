#include "PaperChoice.h"

#include <algorithm>
#include <cctype>
#include <string>

QPageSize::PageSizeId PaperChoice::ForLocale(const QLocale& locale) {
  const QLocale::Territory territory = locale.territory();
  return territory == QLocale::UnitedStates || territory == QLocale::Canada ? QPageSize::Letter
                                                                            : QPageSize::A4;
}

std::optional<QPageSize::PageSizeId> PaperChoice::FromName(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == "a4") return QPageSize::A4;
  if (lower == "letter") return QPageSize::Letter;
  return std::nullopt;
}
