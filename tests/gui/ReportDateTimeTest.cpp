// The date and time that head a results report: the user's short date and long time, the
// same in the balance window's log as in the command-line report (tests/cli).

#include "ReportDateTime.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "lang/MessageTables.h"
#include "support/ShippedTexts.h"

namespace {

struct FixedCase {
  const char* Locale;
  const char* Date;
  // The long time ends with the local time zone's name, which depends on the machine.
  const char* TimeStart;
};

void PrintTo(const FixedCase& c, std::ostream* os) {
  *os << c.Locale;
}

class ReportDateTimeOf : public ::testing::TestWithParam<FixedCase> {};

// 8 December 2026, 03:20:41, as the regional formats write it: the C locale's short date is
// "d MMM yyyy", German's "dd.MM.yy", Russian's "dd.MM.y"; all three write the time
// "HH:mm:ss" and the zone.
TEST_P(ReportDateTimeOf, ShortDateAndLongTime) {
  const FixedCase& c = GetParam();
  const QDateTime when(QDate(2026, 12, 8), QTime(3, 20, 41));
  const ReportDateTime texts = ReportDateTime::Of(when, QLocale(c.Locale));
  EXPECT_EQ(texts.Date, c.Date);
  EXPECT_TRUE(texts.Time.starts_with(c.TimeStart)) << texts.Time;
  EXPECT_GT(texts.Time.size(), std::string(c.TimeStart).size()) << "no time zone: " << texts.Time;
}

const FixedCase kFixedCases[] = {
    {"C", "8 Dec 2026", "03:20:41 "},
    {"de_DE", "08.12.26", "03:20:41 "},
    {"ru_RU", "08.12.2026", "03:20:41 "},
};

INSTANTIATE_TEST_SUITE_P(Locales, ReportDateTimeOf, ::testing::ValuesIn(kFixedCases),
                         [](const ::testing::TestParamInfo<FixedCase>& info) {
                           return std::string(info.param.Locale);
                         });

// The month of a report's date is written in the report's language, whatever the machine's
// regional formats: under the C locale, whose short date writes the month as a word, a
// Russian or Norwegian report names no English month, and an English one reads as before.
struct MonthCase {
  int Language;          // 0 English, 1 Russian, 2 Norwegian
  const char* December;  // the date of 8 December 2026
};

void PrintTo(const MonthCase& c, std::ostream* os) {
  *os << c.Language;
}

class ReportDateMonth : public ::testing::TestWithParam<MonthCase> {};

TEST_P(ReportDateMonth, IsNamedInTheReportsLanguage) {
  const MonthCase& c = GetParam();
  const TextCatalogue texts = ShippedTexts(DOORTRIM_LANGUAGE_FILES, c.Language).Texts;
  const TextCatalogue& english = TextCatalogue::English();
  const QDateTime december(QDate(2026, 12, 8), QTime(3, 20, 41));
  EXPECT_EQ(ReportDateTime::Of(december, QLocale::c(), texts).Date, c.December);
  for (int month = 1; month <= 12; ++month) {
    SCOPED_TRACE(month);
    const std::string date =
        ReportDateTime::Of(QDateTime(QDate(2026, month, 8), QTime(12, 0)), QLocale::c(), texts)
            .Date;
    const auto index = static_cast<std::size_t>(month - 1);
    EXPECT_NE(date.find(texts.Text(DateTexts::kShortMonths[index])), std::string::npos) << date;
    if (c.Language == 0) continue;
    // English's names as English writes them, capital first ("Jan" is not "jan.").
    for (int other = 1; other <= 12; ++other) {
      const auto o = static_cast<std::size_t>(other - 1);
      EXPECT_EQ(date.find(english.Text(DateTexts::kShortMonths[o])), std::string::npos) << date;
      EXPECT_EQ(date.find(english.Text(DateTexts::kLongMonths[o])), std::string::npos) << date;
    }
  }
}

const MonthCase kMonthCases[] = {
    {0, "8 Dec 2026"},
    {1, "8 дек. 2026"},
    {2, "8 des. 2026"},
};

std::string LanguageName(const ::testing::TestParamInfo<MonthCase>& info) {
  const char* const names[] = {"English", "Russian", "Norwegian"};
  return names[info.param.Language];
}

INSTANTIATE_TEST_SUITE_P(Languages, ReportDateMonth, ::testing::ValuesIn(kMonthCases),
                         LanguageName);

// A locale whose short date has no month word (German's "dd.MM.yy") is left as it is in
// every language.
TEST(ReportDateMonthNumbers, StayNumbersInEveryLanguage) {
  const QDateTime december(QDate(2026, 12, 8), QTime(3, 20, 41));
  for (int language = 0; language <= 2; ++language)
    EXPECT_EQ(ReportDateTime::Of(december, QLocale("de_DE"),
                                 ShippedTexts(DOORTRIM_LANGUAGE_FILES, language).Texts)
                  .Date,
              "08.12.26");
}

// The line of the report that carries the date and the time, after its five empty lines.
std::string TitleLine(const QString& log) {
  const QStringList lines = log.split('\n');
  return lines.size() > 5 ? lines[5].toStdString() : std::string();
}

// What the title line reads for a report written at `when`.
std::string TitleAt(const QDateTime& when) {
  const ReportDateTime texts = ReportDateTime::Of(when, QLocale());
  return "Trawl Door Forces Calculation =============== " + texts.Date + " === " + texts.Time;
}

TEST(ReportDateTimeInTheLog, TheBalanceWindowWritesTheUsersDateAndTime) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString previousDir = QDir::currentPath();
  QDir::setCurrent(dir.path());
  {
    auto app = std::make_unique<DoorTrimApp>();
    BalanceWindow& window = app->Balance();
    window.SetTextFileOpener([](const QString&) { return true; });
    const QDateTime before = QDateTime::currentDateTime();
    window.findChild<QAction*>("ShowLogFile1")->trigger();
    const QDateTime after = QDateTime::currentDateTime();

    QFile log(dir.filePath("Calc_brd.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const std::string title = TitleLine(QString::fromUtf8(log.readAll()));
    bool matched = false;
    for (QDateTime t = before.addMSecs(-before.time().msec()); t <= after && !matched;
         t = t.addSecs(1)) {
      matched = title == TitleAt(t);
    }
    EXPECT_TRUE(matched) << title << "\nexpected at " << TitleAt(before);
  }
  QDir::setCurrent(previousDir);
}

}  // namespace
