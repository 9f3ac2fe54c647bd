#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}
class TBoard;
struct ViewSettings;
struct EditableField;

// Options shared by the commands that work on a door: a data file to start from, the trawling
// mode and field overrides.
struct DoorOptions {
  std::string File;  // empty: the built-in default door
  bool Bottom = false;
  bool Midwater = false;
  std::vector<std::string> Settings;  // NAME=VALUE
  bool PreciseGround = false;         // the keel's sinking depth to full precision

  // A command that evaluates the door also offers --precise-ground.
  void AddTo(CLI::App& command, bool evaluates = true);
  // Loads the file (its mode included) and puts its balance angles into RotX, RotY, RotZ, as
  // the balance window does; then applies the mode and the overrides in order. The first
  // problem is returned. The file's window settings go to *view. --precise-ground sets the
  // door's PreciseGround.
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

// The settings a sweep, target or map may vary: the 23 main parameters and the environment
// values, separated by blanks.
std::string SettingNames();
// The setting named for an option, or why there is none.
std::optional<std::string> FindSetting(const std::string& name, const std::string& option,
                                       EditableField& out);
// A whole number from min to max for an option.
std::optional<std::string> ParseWhole(const std::string& text, const std::string& option,
                                      long long min, long long max, long long& out);
// Where some values did not balance in bottom trawling without --precise-ground, one line on
// `to` says that it may balance them.
void SuggestPreciseGround(const TBoard& board, int unbalanced, std::ostream& to);
