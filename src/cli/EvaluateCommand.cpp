#include "EvaluateCommand.h"

#include <CLI/CLI.hpp>

#include "BottomContactFigures.h"
#include "CliApp.h"
#include "ResultPrinter.h"
#include "model/PlaneMath.h"
#include "model/StabilityMatrix.h"
#include "model/TBoard.h"

void EvaluateCommand::AddTo(CLI::App& app) {
  CLI::App* cmd = app.add_subcommand(Name(), "Forces and moments of the door at given angles");
  door_.AddTo(*cmd);
  cmd->add_option("--angles", angles_,
                  "Rotation about X, Y and Z, degrees (default: the angles stored in FILE, "
                  "else 0 0 0)")
      ->expected(3)
      ->type_name("X Y Z");
  cmd->add_flag("--json", json_, "Print one JSON object");
}

int EvaluateCommand::Run(std::ostream& out, std::ostream& err) {
  TBoard board;
  if (auto problem = door_.ApplyTo(board)) return Fail(err, *problem);
  AngleTriple a;
  if (auto problem = AnglesOrStored(board, angles_, "--angles", a)) return Fail(err, *problem);
  board.SetRotation(a[0], a[1], a[2]);
  board.ComputeGeometry();
  // Ends with the evaluation at the angles themselves.
  const StabilityMatrix stability = StabilityMatrix::At(board, a[0], a[1], a[2]);
  const BottomContactFigures contact = BottomContactFigures::Of(board, a);
  nlohmann::ordered_json extra = nlohmann::ordered_json::object();
  extra["precise_ground"] = board.PreciseGround();
  contact.AddTo(extra);
  const std::optional<std::string> notFinite =
      PrintResult(board, nullptr, stability, json_, out, extra);
  if (!json_) contact.Print(out);
  if (notFinite) return FailNotFinite(err, *notFinite);
  return kExitOk;
}
