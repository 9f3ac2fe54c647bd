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
