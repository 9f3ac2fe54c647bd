#pragma once

#include <string>
#include <string_view>

// One macro that another program sends to the running desktop program, as read from the
// first line of the data it sends. The fields are separated by "|" (empty fields do not
// count) and compared exactly, letter case included:
//
//   FileOpen|PATH            read the door data file PATH
//   Dialog|Balance           balance the door without showing the balance window
//   Dialog|Balance|Balance   the same, then open the balance window
//
// Anything else is no macro and does nothing.
struct MacroCommand {
  enum class Action { None, FileOpen, Balance };

  Action What = Action::None;
  std::string Path;                // FileOpen: the door data file, as sent
  bool OpenBalanceWindow = false;  // Balance: the balance window opens afterwards

  static MacroCommand Parse(std::string_view data);
};

// The bus name under which a program of the given executable path offers its macros:
// "org.doortrim." followed by the executable's file name without its directory and without
// everything from its first "." on. Characters a bus name cannot hold become "_", and a name
// that would begin with a digit (or be empty) gets a leading "_".
std::string MacroBusName(std::string_view executablePath);
