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

// Reads three numbers given as separate arguments ("." decimal separator); names the option in
// the message when one is malformed.
std::optional<std::string> ParseTriple(const std::vector<std::string>& texts,
                                       const std::string& option, AngleTriple& out);
// Reads one number for an option.
std::optional<std::string> ParseReal(const std::string& text, const std::string& option,
                                     long double& out);
