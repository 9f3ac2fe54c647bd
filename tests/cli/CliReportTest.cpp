#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "ReportDateTime.h"
#include "cli/CliRunner.h"
#include "model/EditableFields.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "report/ResultsReport.h"
#include "support/DoorLoad.h"
#include "support/ShippedTexts.h"

namespace {

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;
constexpr std::size_t kTitleLine = 5;            // after five empty lines
constexpr long double kBalanceTolerance = 0.1L;  // N*m, the balance window's

std::string Sample(const std::string& name) {
  return kSamples + "/" + name + ".brd";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "the text does not end with a line break";
  return lines;
}

// The report for a door already evaluated, through the core routine.
std::string Expected(const TBoard& door, int language = 0) {
  return ResultsReportText(door,
                           ShippedTexts(std::string(DOORTRIM_RESOURCES) + "/lang", language).Texts,
                           "DATE", "TIME");
}

// Equal line by line, except the title line that carries the date and time.
void ExpectSameReport(const std::string& printed, const std::string& expected) {
  const std::vector<std::string> got = Lines(printed);
  const std::vector<std::string> want = Lines(expected);
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    if (i == kTitleLine) {
      const std::string title = want[i].substr(0, want[i].find("DATE"));
      EXPECT_EQ(got[i].substr(0, title.size()), title);
      EXPECT_NE(got[i].find(" === "), std::string::npos) << got[i];
    } else {
      EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
    }
  }
}

void EvaluateAt(TBoard& door, long double x, long double y, long double z) {
  door.SetRotation(x, y, z);
  door.Evaluate(x * kDegree, y * kDegree, z * kDegree);
}

// The environment of the program started by RunCliProgram, changed for one test.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_.c_str(), old_->c_str(), 1);
    } else {
      ::unsetenv(name_.c_str());
    }
  }

 private:
  std::string name_;
  std::optional<std::string> old_;
};

TEST(CliReport, PrintsTheReportOfTheDoorAtTheGivenAngles) {
  const CliRun run = RunCliProgram({"report", "--angles", "-3.5", "2", "31.25"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  TBoard door;
  EvaluateAt(door, -3.5L, 2, 31.25L);
  ExpectSameReport(run.Out, Expected(door));
}

TEST(CliReport, UsesTheFileAnglesModeAndSettings) {
  const CliRun run =
      RunCliProgram({"report", Sample("oval"), "--midwater", "--set", "Fs=0", "--set", "R=31000"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  ViewSettings view;
  DoorInputs inputs = LoadedInputs(Sample("oval"), &view);
  inputs.Bottom = false;
  ASSERT_FALSE(AssignField(inputs, "Fs=0"));
  ASSERT_FALSE(AssignField(inputs, "R=31000"));
  TBoard door(inputs);
  EvaluateAt(door, view.Angles[0], view.Angles[1], view.Angles[2]);
  ExpectSameReport(run.Out, Expected(door));
  EXPECT_EQ(run.Out.find("Stringer"), std::string::npos);
  EXPECT_EQ(run.Out.find("Ground Reaction"), std::string::npos);
}

TEST(CliReport, RussianTexts) {
  const CliRun run = RunCliProgram({"report", "--angles", "1", "-1", "20", "--russian"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  TBoard door;
  EvaluateAt(door, 1, -1, 20);
  ExpectSameReport(run.Out, Expected(door, 1));
  EXPECT_NE(run.Out.find("Расчёт сил деёствующих на доску"), std::string::npos);
}

TEST(CliReport, SolveBalancesTheSampleDoorFirst) {
  const CliRun run = RunCliProgram({"report", Sample("vshape"), "--solve"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  ViewSettings view;
  TBoard door(LoadedInputs(Sample("vshape"), &view));
  long double x = view.Angles[0], y = view.Angles[1], z = view.Angles[2];
  ASSERT_TRUE(door.Solve(x, y, z, kBalanceTolerance).Converged);
  EvaluateAt(door, x, y, z);
  ExpectSameReport(run.Out, Expected(door));
  // Balanced: every moment sum is below 0.1 N*m, so it shows as zero kN*m.
  for (const char* axis : {"X", "Y", "Z"}) {
    const std::string line =
        std::string("     Sum of Moments Around ") + axis + " Axis [kN*m] :         0.00\n";
    EXPECT_NE(run.Out.find(line), std::string::npos) << axis;
  }
}

TEST(CliReport, AFailedSearchStillPrintsTheReportButSaysSo) {
  const CliRun run = RunCliProgram({"report", "--set", "R=1", "--solve"});
  EXPECT_EQ(run.ExitCode, 3);
  EXPECT_NE(run.Err.find("without balancing the door"), std::string::npos) << run.Err;
  DoorInputs inputs;
  ASSERT_FALSE(AssignField(inputs, "R=1"));
  TBoard door(inputs);
  long double x = 0, y = 0, z = 0;
  ASSERT_FALSE(door.Solve(x, y, z, kBalanceTolerance).Converged);
  EvaluateAt(door, x, y, z);
  ExpectSameReport(run.Out, Expected(door));
}

// The title line of the report printed under the regional settings `localeName`, checked
// against the texts the balance window writes in its log for the same locale at a moment of
// the run.
void ExpectTheWindowsDateAndTime(const char* localeName, const QLocale& locale) {
  const ScopedEnv environment("LC_ALL", localeName);
  const QDateTime before = QDateTime::currentDateTime();
  const CliRun run = RunCliProgram({"report"});
  const QDateTime after = QDateTime::currentDateTime();
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const std::vector<std::string> lines = Lines(run.Out);
  ASSERT_GT(lines.size(), kTitleLine);
  const std::string& title = lines[kTitleLine];
  std::vector<std::string> expected;
  for (QDateTime t = before.addMSecs(-before.time().msec()); t <= after; t = t.addSecs(1)) {
    const ReportDateTime texts = ReportDateTime::Of(t, locale);
    expected.push_back("Trawl Door Forces Calculation =============== " + texts.Date +
                       " === " + texts.Time);
  }
  EXPECT_NE(std::find(expected.begin(), expected.end(), title), expected.end())
      << title << "\nexpected " << expected.front();
}

TEST(CliReport, DateAndTimeAreTheBalanceWindowsInTheCLocale) {
  ExpectTheWindowsDateAndTime("C", QLocale::c());
}

// The regional formats come from the settings' name, whatever locales the system has installed.
TEST(CliReport, DateAndTimeAreTheBalanceWindowsInGerman) {
  ExpectTheWindowsDateAndTime("de_DE.UTF-8", QLocale(QLocale::German, QLocale::Germany));
}

// A Russian report names the month in Russian where the regional formats write it as a word
// (the C locale's "8 Dec 2026"): no English month in its title line.
TEST(CliReport, RussianReportsDateNamesNoEnglishMonth) {
  const ScopedEnv environment("LC_ALL", "C");
  const CliRun run = RunCliProgram({"report", "--russian"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const std::vector<std::string> lines = Lines(run.Out);
  ASSERT_GT(lines.size(), kTitleLine);
  const std::string& title = lines[kTitleLine];
  const TextCatalogue russian = ShippedTexts(DOORTRIM_RESOURCES "/lang", 1).Texts;
  const TextCatalogue& english = TextCatalogue::English();
  bool named = false;
  for (std::size_t month = 0; month < 12; ++month) {
    named = named || title.find(russian.Text(DateTexts::kShortMonths[month])) != std::string::npos;
    EXPECT_EQ(title.find(english.Text(DateTexts::kShortMonths[month])), std::string::npos) << title;
  }
  EXPECT_TRUE(named) << title;
}

TEST(CliReport, BadArgumentsPrintNothingAndExit2) {
  const std::vector<std::vector<std::string>> bad = {
      {"report", "--angles", "1", "2"},
      {"report", "--angles", "1", "x", "3"},
      {"report", "--angles", "0", "0", "0", "--solve"},
      {"report", "--bottom", "--midwater"},
      {"report", "--set", "nothing=1"},
      {"report", kSamples + "/missing.brd"},
      {"report", "--russia"},
  };
  for (const std::vector<std::string>& args : bad) {
    std::string joined;
    for (const std::string& a : args)
      joined += a + " ";
    SCOPED_TRACE(joined);
    const CliRun run = RunCliProgram(args);
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err, "");
  }
}

}  // namespace
