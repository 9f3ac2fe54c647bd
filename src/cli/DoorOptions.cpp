#include "DoorOptions.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <ostream>

#include "io/DoorFileReader.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "numbers/NumberText.h"
#include "numbers/QuotedToken.h"

void DoorOptions::AddTo(CLI::App& command, bool evaluates) {
  command.add_option("file", File, "Door data file to start from (default: the built-in door)")
      ->type_name("FILE.brd");
  auto* bottom = command.add_flag("--bottom", Bottom, "Bottom trawling (the keel on the ground)");
  auto* midwater = command.add_flag("--midwater", Midwater, "Midwater trawling");
  bottom->excludes(midwater);
  command
      .add_option("--set", Settings,
                  "Change one field of the door, by its model name (repeatable): y0 ... F, "
                  "WaterDensity, GroundDensity, GroundCoef, BridleAngleH, BridleAngleV, xk, yk, zk")
      ->type_name("NAME=VALUE")
      ->allow_extra_args(false);
  if (evaluates) {
    command.add_flag("--precise-ground", PreciseGround,
                     "Find the keel's sinking depth in the ground to full precision instead of "
                     "to 1 mm: balances the door where the ground force would move in small "
                     "steps");
  }
}

std::optional<std::string> DoorOptions::ApplyTo(TBoard& board, ViewSettings* view) const {
  DoorInputs inputs = board.Inputs();
  if (!File.empty()) {
    ViewSettings settings;
    const DoorFileResult loaded = DoorFileReader::Load(File, inputs, &settings);
    if (!loaded.Ok) return loaded.Message;
    board.SetRotation(settings.Angles[0], settings.Angles[1], settings.Angles[2]);
    if (view) *view = settings;
  }
  if (Bottom) inputs.Bottom = true;
  if (Midwater) inputs.Bottom = false;
  if (PreciseGround) board.SetPreciseGround(true);
  for (const std::string& setting : Settings) {
    if (auto problem = AssignField(inputs, setting)) return "--set: " + *problem;
  }
  board.SetInputs(inputs);
  return std::nullopt;
}

std::optional<std::string> ParseReal(const std::string& text, const std::string& option,
                                     long double& out) {
  if (!ConvertStrict(text, out)) {
    return option + ": malformed number " + QuotedToken(text);
  }
  return std::nullopt;
}

namespace {

std::optional<std::string> ParseTriple(const std::vector<std::string>& texts,
                                       const std::string& option, AngleTriple& out) {
  if (texts.size() != 3) return option + ": expected three numbers X Y Z";
  for (std::size_t i = 0; i < 3; ++i) {
    if (auto problem = ParseReal(texts[i], option, out[i])) return problem;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> AnglesOrStored(const TBoard& board,
                                          const std::vector<std::string>& texts,
                                          const std::string& option, AngleTriple& out) {
  out = {board.RotX(), board.RotY(), board.RotZ()};
  if (texts.empty()) return std::nullopt;
  return ParseTriple(texts, option, out);
}

std::string SettingNames() {
  std::string names;
  for (const EditableField& f : kMainParams) {
    if (!names.empty()) names += ' ';
    names += f.Name;
  }
  for (const EditableField& f : kEnvironmentFields) {
    names += ' ';
    names += f.Name;
  }
  return names;
}

std::optional<std::string> FindSetting(const std::string& name, const std::string& option,
                                       EditableField& out) {
  const std::optional<EditableField> field = FindEditableField(name);
  if (!field) {
    return option + ": " + QuotedToken(name) +
           " is not a main parameter or environment value; one of " + SettingNames();
  }
  out = *field;
  return std::nullopt;
}

std::optional<std::string> ParseWhole(const std::string& text, const std::string& option,
                                      long long min, long long max, long long& out) {
  const char* first = text.data();
  const char* last = first + text.size();
  long long value = 0;
  const auto [end, fault] = std::from_chars(first, last, value);
  if (fault != std::errc() || end != last || value < min || value > max) {
    return option + ": " + QuotedToken(text) + " is not a whole number from " +
           std::to_string(min) + " to " + std::to_string(max);
  }
  out = value;
  return std::nullopt;
}

void SuggestPreciseGround(const TBoard& board, int unbalanced, std::ostream& to) {
  if (unbalanced == 0 || !board.Inputs().Bottom || board.PreciseGround()) return;
  to << "Note: " << unbalanced << (unbalanced == 1 ? " value did" : " values did")
     << " not balance; --precise-ground finds the keel's sinking depth exactly, which lets the "
        "search balance the door where the ground force would move in small steps\n";
}
