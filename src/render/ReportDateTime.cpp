#include "ReportDateTime.h"

#include <QDateTime>
#include <QLocale>

ReportDateTime ReportDateTime::Of(const QDateTime& when, const QLocale& locale) {
  return {locale.toString(when.date(), QLocale::ShortFormat).toStdString(),
          locale.toString(when.time(), QLocale::LongFormat).toStdString()};
}

ReportDateTime ReportDateTime::Now() {
  return Of(QDateTime::currentDateTime(), QLocale());
}
