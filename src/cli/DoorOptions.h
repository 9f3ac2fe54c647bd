#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}
class TBoard;

// Options shared by the commands that work on a door: the trawling mode and field overrides.
struct DoorOptions {
  bool Bottom = false;
  bool Midwater = false;
  std::vector<std::string> Settings;  // NAME=VALUE

  void AddTo(CLI::App& command);
  // Applies the mode and the overrides in order; the first problem is returned.
  std::optional<std::string> ApplyTo(TBoard& board) const;
};

using AngleTriple = std::array<long double, 3>;

// Reads three numbers given as separate arguments ("." decimal separator); names the option in
// the message when one is malformed.
std::optional<std::string> ParseTriple(const std::vector<std::string>& texts,
                                       const std::string& option, AngleTriple& out);
// Reads one number for an option.
std::optional<std::string> ParseReal(const std::string& text, const std::string& option,
                                     long double& out);
