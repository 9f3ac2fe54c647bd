#include "TargetCommand.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <nlohmann/json.hpp>
#include <ostream>

#include "CliApp.h"
#include "PositionOptions.h"
#include "analysis/TargetSolver.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"
#include "numbers/NumberFormat.h"

namespace {

constexpr std::string_view kValuePattern = "###########0.#######";
constexpr std::string_view kAnglePattern = "##0.000";

const char* QuantityName(TargetQuantity q) {
  switch (q) {
    case TargetQuantity::Heel:
      return "heel";
    case TargetQuantity::Pitch:
      return "pitch";
    case TargetQuantity::Attack:
      break;
  }
  return "attack";
}

const char* ReasonName(TargetSolver::Outcome why) {
  switch (why) {
    case TargetSolver::Outcome::Found:
      return "found";
    case TargetSolver::Outcome::NoCrossing:
      return "no_crossing";
    case TargetSolver::Outcome::Jump:
      return "jump";
    case TargetSolver::Outcome::Unbalanced:
      break;
  }
  return "unbalanced";
}

// Why the search found nothing, in words.
std::string ReasonText(const TargetSolver::Result& r, TargetQuantity q, long double target) {
  const std::string what = q == TargetQuantity::Attack ? "the wing attack angle" : QuantityName(q);
  switch (r.Why) {
    case TargetSolver::Outcome::NoCrossing:
      return what + " stays " + (r.AchievedDeg > target ? "above" : "below") +
             " the target over the whole range";
    case TargetSolver::Outcome::Jump:
      return what + " jumps across the target: the door settles in another balance there";
    case TargetSolver::Outcome::Unbalanced:
      return "the door does not balance where " + what + " would reach the target";
    case TargetSolver::Outcome::Found:
      break;
  }
  return {};
}

double JsonNumber(long double value) {
  return static_cast<double>(value);  // not a number: null
}

}  // namespace

void TargetCommand::AddTo(CLI::App& app) {
  CLI::App* cmd = app.add_subcommand(
      Name(),
      "Find the value of one setting that brings the balanced door to a target wing attack "
      "angle, heel or pitch");
  door_.AddTo(*cmd);
  cmd->add_option("--var", variable_, "The setting to vary: " + SettingNames())
      ->required()
      ->type_name("NAME");
  cmd->add_option("--from", from_, "Lower end of the range to search")->required()->type_name("A");
  cmd->add_option("--to", to_, "Upper end of the range to search")->required()->type_name("B");
  auto* attack =
      cmd->add_option("--attack", attack_, "Target wing attack angle, degrees")->type_name("DEG");
  auto* heel =
      cmd->add_option("--heel", heel_, "Target heel (rotation about X), degrees")->type_name("DEG");
  auto* pitch = cmd->add_option("--pitch", pitch_, "Target pitch (rotation about Y), degrees")
                    ->type_name("DEG");
  attack->excludes(heel)->excludes(pitch);
  heel->excludes(pitch);
  cmd->add_flag("--json", json_, "Print one JSON object");
}

int TargetCommand::Run(std::ostream& out, std::ostream& err) {
  TBoard board;
  if (auto problem = door_.ApplyTo(board)) return Fail(err, *problem);
  EditableField setting{};
  if (auto problem = FindSetting(variable_, "--var", setting)) return Fail(err, *problem);
  long double from = 0, to = 0;
  if (auto problem = ParseReal(from_, "--from", from)) return Fail(err, *problem);
  if (auto problem = ParseReal(to_, "--to", to)) return Fail(err, *problem);
  for (const long double end : {from, to}) {
    if (auto problem = CheckFieldValue(variable_, end)) return Fail(err, *problem);
  }
  if (!(from < to)) return Fail(err, "--from must be below --to");

  TargetQuantity quantity = TargetQuantity::Attack;
  std::string targetText = attack_, option = "--attack";
  if (!heel_.empty()) {
    quantity = TargetQuantity::Heel;
    targetText = heel_;
    option = "--heel";
  } else if (!pitch_.empty()) {
    quantity = TargetQuantity::Pitch;
    targetText = pitch_;
    option = "--pitch";
  } else if (attack_.empty()) {
    return Fail(err, "one of --attack, --heel or --pitch is required");
  }
  long double target = 0;
  if (auto problem = ParseReal(targetText, option, target)) return Fail(err, *problem);
  if (!(std::fabs(target) < 90)) return Fail(err, option + ": must lie between -90 and 90 degrees");

  const AngleTriple start{board.RotX(), board.RotY(), board.RotZ()};
  TargetSolver solver(board, setting, from, to, quantity, target, start, kBalanceTolerance);
  const TargetSolver::Result r = solver.Solve();
  // A figure that is not a number is never told as a solution.
  const bool found = r.Found() && r.Balance.Finite() && std::isfinite(r.Value);
  const int status = found ? kExitOk : kExitNotConverged;

  if (json_) {
    using Json = nlohmann::ordered_json;
    Json j = Json::object();
    j["variable"] = variable_;
    j["quantity"] = QuantityName(quantity);
    j["target_deg"] = JsonNumber(target);
    j["mode"] = board.Inputs().Bottom ? "bottom" : "midwater";
    j["precise_ground"] = board.PreciseGround();
    j["found"] = found;
    j["reason"] = found ? Json(nullptr) : Json(ReasonName(r.Why));
    // The value found, or the one that came nearest; none when no value balanced.
    const bool anyBalance = r.Balance.Converged;
    j["value"] = anyBalance ? Json(JsonNumber(r.Value)) : Json(nullptr);
    j["achieved_deg"] = anyBalance ? Json(JsonNumber(r.AchievedDeg)) : Json(nullptr);
    j["angles_deg"] =
        anyBalance ? Json::array({JsonNumber(r.Balance.Angles[0]), JsonNumber(r.Balance.Angles[1]),
                                  JsonNumber(r.Balance.Angles[2])})
                   : Json(nullptr);
    j["wing_attack_deg"] = anyBalance ? Json(JsonNumber(r.Balance.WingAttackDeg)) : Json(nullptr);
    j["moment_sum"] = anyBalance ? Json(JsonNumber(r.Balance.MomentSum)) : Json(nullptr);
    j["evaluations"] = r.Balances;
    j["door_evaluations"] = r.Evaluations;
    out << j.dump() << "\n";
    return status;
  }
  out << "Target:               " << QuantityName(quantity) << " "
      << FormatFloat(kAnglePattern, target) << " deg, by " << variable_ << " from "
      << FormatFloat(kValuePattern, from) << " to " << FormatFloat(kValuePattern, to) << "\n";
  if (found) {
    out << "Value found:          " << FormatFloat(kValuePattern, r.Value) << "\n";
  } else {
    out << "NOT found:            " << ReasonText(r, quantity, target) << "\n";
    if (r.Balance.Converged) {
      out << "Nearest value:        " << FormatFloat(kValuePattern, r.Value) << " ("
          << QuantityName(quantity) << " " << FormatFloat(kAnglePattern, r.AchievedDeg)
          << " deg)\n";
    }
  }
  if (r.Balance.Converged) {
    out << "Balance [deg]:        x " << FormatFloat(kAnglePattern, r.Balance.Angles[0]) << "   y "
        << FormatFloat(kAnglePattern, r.Balance.Angles[1]) << "   z "
        << FormatFloat(kAnglePattern, r.Balance.Angles[2]) << "\n";
    out << "Wing attack [deg]:    " << FormatFloat(kAnglePattern, r.Balance.WingAttackDeg) << "\n";
  }
  out << "Search:               " << r.Balances << " balances, " << r.Evaluations
      << " evaluations\n";
  return status;
}
