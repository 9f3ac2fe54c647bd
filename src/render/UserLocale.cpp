#include "UserLocale.h"

#include <QLocale>

#include "numbers/NumberFormat.h"

NumberLocale UserNumberLocale() {
  const QLocale locale;
  NumberLocale result;
  result.Decimal = locale.decimalPoint().toStdString();
  result.Thousands = locale.groupSeparator().toStdString();
  return result;
}

QString UserNumberText(const char* pattern, long double value, const NumberLocale& locale) {
  return QString::fromStdString(FormatFloat(pattern, value, locale));
}
