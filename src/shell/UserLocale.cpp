#include "shell/UserLocale.h"

#include <QLocale>

NumberLocale UserNumberLocale() {
  const QLocale locale;
  NumberLocale result;
  result.Decimal = locale.decimalPoint().toStdString();
  result.Thousands = locale.groupSeparator().toStdString();
  return result;
}
