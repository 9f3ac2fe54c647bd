#include <gtest/gtest.h>

#include <QAction>
#include <QStringList>
#include <vector>

#include "BalanceDetailsWindow.h"
#include "BalanceWindow.h"
#include "CalculatorLauncher.h"
#include "DisplayFlags.h"
#include "DoorCommands.h"
#include "DoorDocument.h"
#include "HelpBrowser.h"
#include "ValueEntryDialog.h"

namespace {

// Stands for the main window: records the commands the balance window asks for.
class RecordedCommands : public DoorCommands {
 public:
  void RunCommand(Command command) override { Commands.push_back(command); }
  void SetBottomTrawling(bool bottom) override { Modes.push_back(bottom); }

  std::vector<Command> Commands;
  std::vector<bool> Modes;
};

// The balance window on its own, with every service it uses but no main window.
class BalanceCommands : public ::testing::Test {
 protected:
  DoorDocument document_;
  DisplayFlags flags_;
  HelpBrowser help_;
  CalculatorLauncher calculator_{QStringList{"no-such-calculator"},
                                 [](const QString&) { return QString(); }};
  ValueEntryDialog askAny_;
  BalanceDetailsWindow details_{document_.Board()};
  RecordedCommands commands_;
  BalanceWindow window_{document_, flags_,
                        BalanceWindow::Services{help_, calculator_, askAny_, details_, commands_}};

  QAction* Action(const char* name) { return window_.findChild<QAction*>(name); }
};

TEST_F(BalanceCommands, DialogItemsAskTheMainWindowsCommands) {
  using Command = DoorCommands::Command;
  const std::pair<const char*, Command> items[] = {
      {"MnuFront", Command::Projections}, {"PopHydro", Command::Hydrodynamic},
      {"MnuEnvir", Command::Environment}, {"PopTrawl", Command::Trawl},
      {"MnuGround", Command::Ground},     {"MnuKGeom", Command::KeelGeometry},
      {"PopKPos", Command::KeelOrigin}};
  std::vector<Command> expected;
  for (const auto& [name, command] : items) {
    ASSERT_NE(Action(name), nullptr) << name;
    Action(name)->trigger();
    expected.push_back(command);
  }
  EXPECT_EQ(commands_.Commands, expected);
}

TEST_F(BalanceCommands, BottomCaseAsksTheMainWindowToSwitchTheMode) {
  ASSERT_TRUE(Action("MnuBottom")->isChecked());
  Action("MnuBottom")->trigger();
  Action("PopBottom")->trigger();
  EXPECT_EQ(commands_.Modes, (std::vector<bool>{false, true}));
}

}  // namespace
