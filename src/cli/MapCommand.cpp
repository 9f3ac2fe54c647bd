#include "MapCommand.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "CliApp.h"
#include "PositionOptions.h"
#include "analysis/OperatingMap.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"
#include "report/MapCsv.h"

namespace {

double JsonNumber(long double value) {
  return static_cast<double>(value);  // not a number: null
}

std::optional<std::string> ReadAxis(const std::string& letter, const std::string& name,
                                    const std::string& fromText, const std::string& toText,
                                    const std::string& stepsText, MapAxis& axis) {
  const std::string option = "--" + letter;
  if (auto problem = FindSetting(name, option, axis.Setting)) return problem;
  if (auto problem = ParseReal(fromText, option + "-from", axis.From)) return problem;
  if (auto problem = ParseReal(toText, option + "-to", axis.To)) return problem;
  for (const long double end : {axis.From, axis.To}) {
    if (auto problem = CheckFieldValue(name, end)) return problem;
  }
  if (axis.From == axis.To) {
    return option + "-from and " + option + "-to are equal: there is nothing to map";
  }
  long long steps = 0;
  if (auto problem = ParseWhole(stepsText, option + "-steps", 1, OperatingMap::kMaxSteps, steps)) {
    return problem;
  }
  axis.Steps = static_cast<int>(steps);
  return std::nullopt;
}

nlohmann::ordered_json AxisJson(const MapAxis& axis) {
  nlohmann::ordered_json j = nlohmann::ordered_json::object();
  j["name"] = std::string(axis.Setting.Name);
  j["from"] = JsonNumber(axis.From);
  j["to"] = JsonNumber(axis.To);
  j["steps"] = axis.Steps;
  return j;
}

void PrintJson(const OperatingMap& map, const TBoard& board, int unbalanced, std::ostream& out) {
  using Json = nlohmann::ordered_json;
  Json j = Json::object();
  j["x"] = AxisJson(map.XAxis());
  j["y"] = AxisJson(map.YAxis());
  j["mode"] = board.Inputs().Bottom ? "bottom" : "midwater";
  j["precise_ground"] = board.PreciseGround();
  j["unbalanced"] = unbalanced;
  Json nodes = Json::array();
  for (const MapNode& n : map.Nodes()) {
    const SweepPoint& p = n.Balance;
    Json node = Json::object();
    node["x"] = JsonNumber(n.XValue);
    node["y"] = JsonNumber(n.YValue);
    node["angles_deg"] = Json::array({JsonNumber(p.RotX), JsonNumber(p.RotY), JsonNumber(p.RotZ)});
    node["wing_attack_deg"] = JsonNumber(p.WingAttackDeg);
    node["spread_kN"] = JsonNumber(p.SpreadKN);
    node["resistance_kN"] = JsonNumber(p.ResistanceKN);
    node["vertical_kN"] = JsonNumber(p.VerticalKN);
    node["spread_over_resistance"] = JsonNumber(p.SpreadOverResistance);
    node["converged"] = p.Converged;
    node["iterations"] = p.Iterations;
    node["moment_sum"] = JsonNumber(p.MomentSum);
    node["stable"] = n.Stable;
    nodes.push_back(node);
  }
  j["nodes"] = nodes;
  out << j.dump() << "\n";
}

}  // namespace

void MapCommand::AddAxis(CLI::App& command, const std::string& letter, AxisTexts& axis) {
  const std::string option = "--" + letter;
  command.add_option(option, axis.Name, "The setting along " + letter + ": " + SettingNames())
      ->required()
      ->type_name("NAME");
  command.add_option(option + "-from", axis.From, "First value along " + letter)
      ->required()
      ->type_name("A");
  command.add_option(option + "-to", axis.To, "Last value along " + letter)
      ->required()
      ->type_name("B");
  command
      .add_option(option + "-steps", axis.Steps,
                  "Steps along " + letter + ", 1 to " + std::to_string(OperatingMap::kMaxSteps) +
                      " (steps + 1 values, both ends included)")
      ->required()
      ->type_name("N");
}

void MapCommand::AddTo(CLI::App& app) {
  CLI::App* cmd =
      app.add_subcommand(Name(), "Balance the door over a grid of two settings (an operating map)");
  door_.AddTo(*cmd);
  AddAxis(*cmd, "x", x_);
  AddAxis(*cmd, "y", y_);
  cmd->add_option("--start", start_,
                  "Starting rotation of the first search, degrees (default: the angles stored "
                  "in FILE, else 0 0 0)")
      ->expected(3)
      ->type_name("X Y Z");
  cmd->add_option("--threads", threads_,
                  "Threads to spread the rows over (default 0: one per core); the map is the "
                  "same whatever their number")
      ->type_name("N");
  auto* csv = cmd->add_flag("--csv", csv_, "Print comma-separated values, one line per node");
  auto* json = cmd->add_flag("--json", json_, "Print one JSON object");
  csv->excludes(json);
}

int MapCommand::Run(std::ostream& out, std::ostream& err) {
  TBoard board;
  if (auto problem = door_.ApplyTo(board)) return Fail(err, *problem);
  MapAxis x, y;
  if (auto problem = ReadAxis("x", x_.Name, x_.From, x_.To, x_.Steps, x))
    return Fail(err, *problem);
  if (auto problem = ReadAxis("y", y_.Name, y_.From, y_.To, y_.Steps, y))
    return Fail(err, *problem);
  if (x.Setting.Field == y.Setting.Field) return Fail(err, "--x and --y name the same setting");
  long long threads = 0;
  if (auto problem = ParseWhole(threads_, "--threads", 0, 1024, threads))
    return Fail(err, *problem);
  if (!csv_ && !json_) return Fail(err, "one of --csv or --json is required");
  AngleTriple a;
  if (auto problem = AnglesOrStored(board, start_, "--start", a)) return Fail(err, *problem);

  OperatingMap map(board, x, y, a, kBalanceTolerance);
  map.Run(static_cast<int>(threads));
  int unbalanced = 0;
  for (const MapNode& n : map.Nodes()) {
    if (!n.Balance.Converged) ++unbalanced;
  }
  if (csv_) {
    WriteMapCsv(out, x_.Name, y_.Name, map.Nodes());
  } else {
    PrintJson(map, board, unbalanced, out);
  }
  SuggestPreciseGround(board, unbalanced, err);
  return unbalanced == 0 ? kExitOk : kExitNotConverged;
}
