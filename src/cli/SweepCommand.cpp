#include "SweepCommand.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>

#include "CliApp.h"
#include "PositionOptions.h"
#include "model/EditableFields.h"
#include "model/ParameterSweep.h"
#include "model/TBoard.h"
#include "numbers/NumberFormat.h"
#include "numbers/QuotedToken.h"
#include "report/SweepCsv.h"

namespace {

// Enough for a fine curve, few enough that a typing slip cannot run for hours.
constexpr int kMaxSteps = 1000000;

double JsonNumber(long double value) {
  return static_cast<double>(value);  // NaN is written as null
}

void PrintJson(const ParameterSweep& sweep, const std::string& variable, const std::string& method,
               std::ostream& out) {
  using Json = nlohmann::ordered_json;
  Json j = Json::object();
  j["variable"] = variable;
  j["mode"] = sweep.Door().Bottom ? "bottom" : "midwater";
  j["method"] = method;
  j["steps"] = sweep.Count();
  Json points = Json::array();
  for (const SweepPoint& p : sweep.Points()) {
    Json point = Json::object();
    point["value"] = JsonNumber(p.Value);
    point["angles_deg"] = Json::array({JsonNumber(p.RotX), JsonNumber(p.RotY), JsonNumber(p.RotZ)});
    point["wing_attack_deg"] = JsonNumber(p.WingAttackDeg);
    point["spread_kN"] = JsonNumber(p.SpreadKN);
    point["resistance_kN"] = JsonNumber(p.ResistanceKN);
    point["vertical_kN"] = JsonNumber(p.VerticalKN);
    point["spread_over_resistance"] = JsonNumber(p.SpreadOverResistance);
    point["converged"] = p.Converged;
    point["iterations"] = p.Iterations;
    point["moment_sum"] = JsonNumber(p.MomentSum);
    points.push_back(point);
  }
  j["points"] = points;
  out << j.dump() << "\n";
}

void PrintTable(const ParameterSweep& sweep, const std::string& variable, const std::string& method,
                std::ostream& out) {
  out << "Sweep of " << variable << ", " << sweep.Count() << " values, "
      << (sweep.Door().Bottom ? "bottom" : "midwater") << " trawling, " << method << "\n";
  const int w = 11;
  out << std::setw(w) << variable << std::setw(w) << "x [deg]" << std::setw(w) << "y [deg]"
      << std::setw(w) << "z [deg]" << std::setw(w) << "attack" << std::setw(w) << "spread kN"
      << std::setw(w) << "resist. kN" << std::setw(w) << "vert. kN" << std::setw(w) << "spr./res."
      << "  balanced\n";
  for (const SweepPoint& p : sweep.Points()) {
    out << std::setw(w) << FormatFloat("######0.####", p.Value) << std::setw(w)
        << FormatFloat("##0.000", p.RotX) << std::setw(w) << FormatFloat("##0.000", p.RotY)
        << std::setw(w) << FormatFloat("##0.000", p.RotZ) << std::setw(w)
        << FormatFloat("##0.000", p.WingAttackDeg) << std::setw(w)
        << FormatFloat("####0.000", p.SpreadKN) << std::setw(w)
        << FormatFloat("####0.000", p.ResistanceKN) << std::setw(w)
        << FormatFloat("####0.000", p.VerticalKN) << std::setw(w)
        << (std::isfinite(p.SpreadOverResistance) ? FormatFloat("##0.000", p.SpreadOverResistance)
                                                  : std::string("-"))
        << (p.Converged ? "  yes" : "  NO") << "\n";
  }
}

}  // namespace

void SweepCommand::AddTo(CLI::App& app) {
  CLI::App* cmd = app.add_subcommand(
      Name(), "Balance the door for a row of values of one main parameter or environment value");
  door_.AddTo(*cmd);
  cmd->add_option("--vary", variable_, "The field to vary: " + SettingNames())
      ->required()
      ->type_name("NAME");
  cmd->add_option("--from", from_, "First value")->required()->type_name("A");
  cmd->add_option("--to", to_, "Last value")->required()->type_name("B");
  cmd->add_option("--steps", steps_, "Number of values, both ends included (at least 2)")
      ->required()
      ->type_name("N");
  cmd->add_option("--method", method_, "Balance search: relax (the default) or newton")
      ->type_name("relax|newton");
  cmd->add_option("--start", start_,
                  "Starting rotation of the first search, degrees (default: the angles stored "
                  "in FILE, else 0 0 0)")
      ->expected(3)
      ->type_name("X Y Z");
  auto* csv = cmd->add_flag("--csv", csv_, "Print comma-separated values with a header line");
  auto* json = cmd->add_flag("--json", json_, "Print one JSON object");
  csv->excludes(json);
}

int SweepCommand::Run(std::ostream& out, std::ostream& err) {
  if (method_ != "relax" && method_ != "newton") {
    return Fail(err, "--method: " + QuotedToken(method_) + " is not one of relax, newton");
  }
  TBoard board;
  if (auto problem = door_.ApplyTo(board)) return Fail(err, *problem);
  EditableField field{};
  if (auto problem = FindSetting(variable_, "--vary", field)) return Fail(err, *problem);
  long double from = 0, to = 0;
  if (auto problem = ParseReal(from_, "--from", from)) return Fail(err, *problem);
  if (auto problem = ParseReal(to_, "--to", to)) return Fail(err, *problem);
  for (const long double end : {from, to}) {
    if (auto problem = CheckFieldValue(variable_, end)) return Fail(err, *problem);
  }
  if (from == to) return Fail(err, "--from and --to are equal: there is nothing to sweep");
  int steps = 0;
  const char* first = steps_.data();
  const char* last = first + steps_.size();
  const auto [end, fault] = std::from_chars(first, last, steps);
  if (fault != std::errc() || end != last || steps < 2 || steps > kMaxSteps) {
    return Fail(err, "--steps: " + QuotedToken(steps_) + " is not a whole number from 2 to " +
                         std::to_string(kMaxSteps));
  }
  AngleTriple a;
  if (auto problem = AnglesOrStored(board, start_, "--start", a)) return Fail(err, *problem);

  ParameterSweep sweep(board, field, from, to, steps,
                       method_ == "newton" ? BalanceMethod::Newton : BalanceMethod::Relaxation,
                       a[0], a[1], a[2], kBalanceTolerance);
  sweep.Run();
  if (csv_) {
    WriteSweepCsv(out, variable_, sweep.Points());
  } else if (json_) {
    PrintJson(sweep, variable_, method_, out);
  } else {
    PrintTable(sweep, variable_, method_, out);
  }
  int unbalanced = 0;
  for (const SweepPoint& p : sweep.Points()) {
    if (!p.Converged) ++unbalanced;
  }
  SuggestPreciseGround(board, unbalanced, err);
  return unbalanced == 0 ? kExitOk : kExitNotConverged;
}
