#include "CalculatorLauncher.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "gui/MessageBoxScript.h"

namespace {

const char* const kNoCalculatorMessage =
    "No calculator program was found. Install one of: gnome-calculator, kcalc, galculator, "
    "qalculate-gtk, mate-calc or xcalc.";

// Stand-in calculators and window managers, written as shell scripts into a temporary
// directory. Each calculator start leaves a line in "starts" and its process id in "pid"; it
// runs until the test creates the file "stop" (or 10 s have passed).
class CalculatorLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  void TearDown() override {
    // Every stand-in still running ends before its folder goes.
    Stop();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Running() == 0; }, 5000));
  }

  QString Path(const QString& name) const { return dir_.filePath(name); }

  QString WriteScript(const QString& name, const QString& body, bool executable = true) {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("#!/bin/sh\nPATH=/usr/bin:/bin\nd='" + dir_.path() + "'\n" + body).toUtf8());
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFile::ExeOwner);
    return file.fileName();
  }

  QString WriteCalculator(const QString& name) {
    return WriteScript(name,
                       "touch \"$d/running.$$\"\n"
                       "echo $$ > \"$d/pid\"\n"
                       "echo started >> \"$d/starts\"\n"
                       "i=0\n"
                       "while [ ! -f \"$d/stop\" ] && [ $i -lt 200 ]; do\n"
                       "  sleep 0.05; i=$((i+1))\n"
                       "done\n"
                       "rm -f \"$d/running.$$\"\n");
  }

  // Stand-ins started and not yet ended.
  int Running() const {
    return static_cast<int>(QDir(dir_.path()).entryList({"running.*"}, QDir::Files).size());
  }

  int Starts() const {
    QFile file(Path("starts"));
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return static_cast<int>(file.readAll().count('\n'));
  }

  bool WaitForStarts(int count) {
    return QTest::qWaitFor([&] { return Starts() == count; }, 5000);
  }

  void Stop() {
    QFile file(Path("stop"));
    if (file.open(QIODevice::WriteOnly)) file.close();
  }

  void AllowNextRun() { QFile::remove(Path("stop")); }

  // A lookup that knows only the programs given, by name.
  static CalculatorLauncher::ExecutableLookup Knowing(QMap<QString, QString> programs) {
    return [programs](const QString& name) { return programs.value(name); };
  }

  QTemporaryDir dir_;
};

TEST_F(CalculatorLauncherTest, NoCalculatorInstalledSaysWhatToInstall) {
  CalculatorLauncher launcher(CalculatorLauncher::DefaultCandidates(), Knowing({}));
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Ok);
  EXPECT_EQ(launcher.RunCalculator(), CalculatorLauncher::Outcome::NotFound);
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{kNoCalculatorMessage});
  EXPECT_EQ(boxes.Asked()[0].Icon, QMessageBox::Information);
  EXPECT_FALSE(launcher.IsRunning());
}

TEST_F(CalculatorLauncherTest, StartsTheFirstInstalledCalculatorAndAnotherOnceItHasEnded) {
  CalculatorLauncher launcher({"no-such-calculator", "fakecalc", "othercalc"},
                              Knowing({{"fakecalc", WriteCalculator("fakecalc")},
                                       {"othercalc", WriteCalculator("othercalc")}}));
  EXPECT_EQ(launcher.RunCalculator(), CalculatorLauncher::Outcome::Started);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  ASSERT_TRUE(WaitForStarts(1));
  EXPECT_TRUE(launcher.IsRunning());

  // Once it has ended, the command starts a calculator again.
  Stop();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !launcher.IsRunning(); }, 5000));
  AllowNextRun();
  EXPECT_EQ(launcher.RunCalculator(), CalculatorLauncher::Outcome::Started);
  EXPECT_TRUE(WaitForStarts(2));
}

// The earlier calculator still runs, but its window cannot be raised: without a window
// manager helper, or when the helper finds no window of it. The user gets a new one.
TEST_F(CalculatorLauncherTest, CalculatorWhoseWindowCannotBeRaisedIsStartedAgain) {
  const QString noWindows = WriteScript("wmctrl",
                                        "if [ \"$1\" = \"-l\" ]; then\n"
                                        "  echo \"0x01200007  0 1 host Terminal\"\n"
                                        "fi\n");
  struct Desktop {
    const char* Name;
    QMap<QString, QString> Helpers;
  };
  const Desktop desktops[] = {{"no wmctrl", {}}, {"no window of it", {{"wmctrl", noWindows}}}};
  for (const Desktop& desktop : desktops) {
    SCOPED_TRACE(desktop.Name);
    QFile::remove(Path("starts"));
    // A script of its own: the calculator of the case before still runs its script.
    const QString name = QString("calc-") + desktop.Name;
    QMap<QString, QString> programs = desktop.Helpers;
    programs.insert(name, WriteCalculator(name));
    CalculatorLauncher launcher({name}, Knowing(programs));
    ASSERT_EQ(launcher.RunCalculator(), CalculatorLauncher::Outcome::Started);
    ASSERT_TRUE(WaitForStarts(1));
    ASSERT_TRUE(launcher.IsRunning());

    EXPECT_EQ(launcher.RunCalculator(), CalculatorLauncher::Outcome::Started);
    EXPECT_TRUE(WaitForStarts(2));
    EXPECT_TRUE(launcher.IsRunning());
  }
}

TEST_F(CalculatorLauncherTest, RunningCalculatorIsBroughtForwardThroughTheWindowManager) {
  const QString wmctrl = WriteScript("wmctrl",
                                     "if [ \"$1\" = \"-l\" ]; then\n"
                                     "  echo \"0x01200007  0 1 host Terminal\"\n"
                                     "  echo \"0x03400003  0 $(cat \"$d/pid\") host Calculator\"\n"
                                     "else\n"
                                     "  echo \"$*\" >> \"$d/activated\"\n"
                                     "fi\n");
  // Counts how often the calculator is looked up: once per start.
  int calculatorLookups = 0;
  const CalculatorLauncher::ExecutableLookup knowing =
      Knowing({{"fakecalc", WriteCalculator("fakecalc")}, {"wmctrl", wmctrl}});
  CalculatorLauncher launcher({"fakecalc"}, [&](const QString& name) {
    if (name == "fakecalc") ++calculatorLookups;
    return knowing(name);
  });
  ASSERT_EQ(launcher.RunCalculator(), CalculatorLauncher::Outcome::Started);
  ASSERT_TRUE(WaitForStarts(1));

  EXPECT_EQ(launcher.RunCalculator(), CalculatorLauncher::Outcome::BroughtForward);
  QFile activated(Path("activated"));
  ASSERT_TRUE(activated.open(QIODevice::ReadOnly));
  EXPECT_EQ(activated.readAll().trimmed(), "-i -a 0x03400003");
  EXPECT_EQ(calculatorLookups, 1);  // no second calculator was started
  EXPECT_EQ(Starts(), 1);
}

TEST_F(CalculatorLauncherTest, CalculatorThatCannotStartIsReported) {
  const QString broken = WriteScript("brokencalc", "exit 0\n", /*executable=*/false);
  CalculatorLauncher launcher({"brokencalc"}, Knowing({{"brokencalc", broken}}));
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Ok);
  EXPECT_EQ(launcher.RunCalculator(), CalculatorLauncher::Outcome::FailedToStart);
  ASSERT_EQ(boxes.Asked().size(), 1u);
  EXPECT_EQ(boxes.Asked()[0].Icon, QMessageBox::Warning);
  EXPECT_TRUE(boxes.Asked()[0].Text.contains(broken));
  EXPECT_FALSE(launcher.IsRunning());
}

TEST_F(CalculatorLauncherTest, DefaultLauncherLooksOnThePath) {
  WriteCalculator("xcalc");  // the last of the default candidates
  const QByteArray savedPath = qgetenv("PATH");
  qputenv("PATH", dir_.path().toLocal8Bit());
  CalculatorLauncher launcher;
  const CalculatorLauncher::Outcome outcome = launcher.RunCalculator();
  qputenv("PATH", savedPath);
  EXPECT_EQ(outcome, CalculatorLauncher::Outcome::Started);
  EXPECT_TRUE(WaitForStarts(1));
}

}  // namespace
