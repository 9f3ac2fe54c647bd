#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "macro/MacroCommand.h"

namespace {

using Action = MacroCommand::Action;

struct MacroCase {
  const char* Data;
  Action What;
  const char* Path;
  bool OpenBalanceWindow;
};

// Names the case by its data, line ends written out, so that a failing case is found at once.
void PrintTo(const MacroCase& macro, std::ostream* out) {
  *out << '\'';
  for (const char* c = macro.Data; *c != '\0'; ++c) {
    if (*c == '\n') {
      *out << "\\n";
    } else if (*c == '\r') {
      *out << "\\r";
    } else {
      *out << *c;
    }
  }
  *out << '\'';
}

class ParseMacro : public ::testing::TestWithParam<MacroCase> {};

TEST_P(ParseMacro, ReadsTheFieldsOfTheFirstLine) {
  const MacroCase& expected = GetParam();
  const MacroCommand macro = MacroCommand::Parse(expected.Data);
  EXPECT_EQ(macro.What, expected.What);
  EXPECT_EQ(macro.Path, expected.Path);
  EXPECT_EQ(macro.OpenBalanceWindow, expected.OpenBalanceWindow);
}

INSTANTIATE_TEST_SUITE_P(
    Macros, ParseMacro,
    ::testing::Values(
        MacroCase{"FileOpen|/doors/oval.brd", Action::FileOpen, "/doors/oval.brd", false},
        MacroCase{"FileOpen|/my doors/a b.brd|ignored", Action::FileOpen, "/my doors/a b.brd",
                  false},
        MacroCase{"FileOpen", Action::FileOpen, "", false},
        MacroCase{"Dialog|Balance", Action::Balance, "", false},
        MacroCase{"Dialog|Balance|Balance", Action::Balance, "", true},
        MacroCase{"Dialog|Balance|Update", Action::Balance, "", false},
        MacroCase{"|Dialog||Balance|", Action::Balance, "", false},
        MacroCase{"||Dialog|||Balance||Balance||", Action::Balance, "", true},
        // Only the first line is read, whatever ends it.
        MacroCase{"Dialog|Balance\nDialog|Balance|Balance", Action::Balance, "", false},
        MacroCase{"FileOpen|/doors/oval.brd\r\n", Action::FileOpen, "/doors/oval.brd", false},
        MacroCase{"\nDialog|Balance", Action::None, "", false},
        // Exact, case-sensitive fields.
        MacroCase{"fileopen|/doors/oval.brd", Action::None, "", false},
        MacroCase{"DIALOG|Balance", Action::None, "", false},
        MacroCase{"Dialog|balance", Action::None, "", false},
        MacroCase{"Dialog|Balance|balance", Action::Balance, "", false},
        MacroCase{" Dialog|Balance", Action::None, "", false},
        MacroCase{"Dialog|Projections", Action::None, "", false},
        MacroCase{"Dialog", Action::None, "", false}, MacroCase{"", Action::None, "", false}));

TEST(MacroBusName, IsTheExecutableNameUpToItsFirstDot) {
  const std::pair<const char*, const char*> cases[] = {
      {"/usr/bin/doortrim", "org.doortrim.doortrim"},
      {"doortrim", "org.doortrim.doortrim"},
      {"/opt/door.trim/doortrim.bin.old", "org.doortrim.doortrim"},
      {"/home/me/door trim+2", "org.doortrim.door_trim_2"},
      {"/home/me/door-trim_2", "org.doortrim.door-trim_2"},
      {"/home/me/2doors", "org.doortrim._2doors"},
      {"/home/me/.hidden", "org.doortrim._"},
      {"/home/me/dörtrim", "org.doortrim.d__rtrim"},
  };
  for (const auto& [path, busName] : cases)
    EXPECT_EQ(MacroBusName(path), busName) << path;
}

}  // namespace
