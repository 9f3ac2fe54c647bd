#include <gtest/gtest.h>

#include <QAction>
#include <QStringList>
#include <vector>

#include "BalanceWindow.h"
#include "CalculatorLauncher.h"
#include "DisplayFlags.h"
#include "DoorCommands.h"
#include "DoorDocument.h"
#include "HelpBrowser.h"
#include "ValueEntryDialog.h"

namespace {

// Stands for the program's dialogs: records the commands the balance window asks for.
class RecordedCommands : public DoorCommands {
 public:
  void RunCommand(Command command) override { Commands.push_back(command); }
  bool CommandEnabled(Command) const override { return true; }

  std::vector<Command> Commands;
};

// The balance window on its own, with every service it uses but no main window or dialogs.
class BalanceCommands : public ::testing::Test {
 protected:
  DoorDocument document_;
  DisplayFlags flags_;
  HelpBrowser help_;
  CalculatorLauncher calculator_{QStringList{"no-such-calculator"},
                                 [](const QString&) { return QString(); }};
  ValueEntryDialog askAny_;
  RecordedCommands commands_;
  BalanceWindow window_{document_, flags_,
                        BalanceWindow::Services{help_, calculator_, askAny_, commands_, {}}};

  QAction* Action(const char* name) { return window_.findChild<QAction*>(name); }
};

TEST_F(BalanceCommands, DialogItemsOpenTheProgramsDialogs) {
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

// Bottom Case switches the door's mode, as one step of its history each time, and both items
// follow the door.
TEST_F(BalanceCommands, BottomCaseSwitchesTheDoorsMode) {
  ASSERT_TRUE(Action("MnuBottom")->isChecked());
  Action("MnuBottom")->trigger();
  EXPECT_FALSE(document_.Door().Bottom);
  EXPECT_FALSE(Action("MnuBottom")->isChecked());
  EXPECT_FALSE(Action("PopBottom")->isChecked());
  EXPECT_EQ(document_.History().undoText(), "Midwater trawling");
  Action("PopBottom")->trigger();
  EXPECT_TRUE(document_.Door().Bottom);
  EXPECT_TRUE(Action("MnuBottom")->isChecked());
  EXPECT_EQ(document_.History().count(), 2);
  // Undone, the window follows the door back.
  document_.History().undo();
  EXPECT_FALSE(Action("MnuBottom")->isChecked());
  EXPECT_FALSE(Action("PopBottom")->isChecked());
}

}  // namespace
