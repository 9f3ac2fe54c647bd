#include "ReportDateTime.h"

#include <QDateTime>
#include <QLocale>

namespace {

// The locale's date format with each month written as a word ("MMM", "MMMM") replaced by the
// language file's name of `month`, as quoted text the format copies as it stands.
QString WithMonthNames(const QString& format, int month, const TextCatalogue& texts) {
  const auto index = static_cast<std::size_t>(month - 1);
  QString result;
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format[i];
    if (c == '\'') {
      // Quoted text is the format's own words: copied through to its closing quote.
      const qsizetype close = format.indexOf('\'', i + 1);
      const qsizetype end = close < 0 ? format.size() : close + 1;
      result += format.mid(i, end - i);
      i = end;
      continue;
    }
    qsizetype run = 1;
    while (i + run < format.size() && format[i + run] == c)
      ++run;
    if (c == 'M' && run >= 3) {
      const TextKey key = run == 3 ? DateTexts::kShortMonths[index] : DateTexts::kLongMonths[index];
      QString name = QString::fromStdString(texts.Text(key));
      name.replace('\'', QStringLiteral("''"));
      result += '\'' + name + '\'';
    } else {
      result += format.mid(i, run);
    }
    i += run;
  }
  return result;
}

}  // namespace

ReportDateTime ReportDateTime::Of(const QDateTime& when, const QLocale& locale,
                                  const TextCatalogue& texts) {
  const QDate date = when.date();
  const QString format =
      WithMonthNames(locale.dateFormat(QLocale::ShortFormat), date.month(), texts);
  return {locale.toString(date, format).toStdString(),
          locale.toString(when.time(), QLocale::LongFormat).toStdString()};
}

ReportDateTime ReportDateTime::Now(const TextCatalogue& texts) {
  return Of(QDateTime::currentDateTime(), QLocale(), texts);
}
