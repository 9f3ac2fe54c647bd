#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}
class TBoard;
struct ViewSettings;

// Options shared by the commands that work on a door: a data file to start from, the trawling
// mode and field overrides.
struct DoorOptions {
  std::string File;  // empty: the built-in default door
  bool Bottom = false;
  bool Midwater = false;
  std::vector<std::string> Settings;  // NAME=VALUE

  void AddTo(CLI::App& command);
  // Loads the file (its mode included) and puts its balance angles into RotX, RotY, RotZ, as
  // the balance window does; then applies the mode and the overrides in order. The first
  // problem is returned. The file's window settings go to *view.
  std::optional<std::string> ApplyTo(TBoard& board, ViewSettings* view = nullptr) const;
};

using AngleTriple = std::array<long double, 3>;

// The angles given for an option as three separate arguments ("." decimal separator), or
// those stored in the door (RotX, RotY, RotZ) when the option was not given. A malformed
// number is named with the option in the message.
std::optional<std::string> AnglesOrStored(const TBoard& board,
                                          const std::vector<std::string>& texts,
                                          const std::string& option, AngleTriple& out);
// Reads one number for an option.
std::optional<std::string> ParseReal(const std::string& text, const std::string& option,
                                     long double& out);
