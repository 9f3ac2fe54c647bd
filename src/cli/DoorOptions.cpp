#include "DoorOptions.h"

#include <CLI/CLI.hpp>

#include "io/DoorFileReader.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "numbers/NumberText.h"
#include "numbers/QuotedToken.h"

void DoorOptions::AddTo(CLI::App& command) {
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
