#pragma once

#include <optional>
#include <string_view>

#include <QLocale>
#include <QPageSize>

// The one paper size a printed report is laid out on. Offices in the United States and Canada
// load Letter; everybody else loads A4.
class PaperChoice {
 public:
  static QPageSize::PageSizeId ForLocale(const QLocale& locale);
  // "a4" or "letter", in any case; nothing for any other word.
  static std::optional<QPageSize::PageSizeId> FromName(std::string_view name);
};
