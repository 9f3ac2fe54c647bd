#include "SolveCommand.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <optional>

#include "BottomContactFigures.h"
#include "CliApp.h"
#include "ResultPrinter.h"
#include "model/NewtonSolver.h"
#include "model/StabilityMatrix.h"
#include "model/TBoard.h"
#include "numbers/QuotedToken.h"

void SolveCommand::AddTo(CLI::App& app) {
  CLI::App* cmd = app.add_subcommand(Name(), "Search the balance angles of the door");
  door_.AddTo(*cmd);
  cmd->add_option("--start", start_,
                  "Starting rotation about X, Y and Z, degrees (default: the angles stored in "
                  "FILE, else 0 0 0)")
      ->expected(3)
      ->type_name("X Y Z");
  cmd->add_option("--tolerance", tolerance_, "Largest |Mx|+|My|+|Mz| accepted, N*m (default 0.1)");
  cmd->add_option("--sensitivity", sensitivity_,
                  "Divisor of every angle step; greater is finer and slower (default 100)");
  cmd->add_option("--method", method_,
                  "relax: the step-by-step relaxation (the default); newton: damped Newton "
                  "steps, much faster, same tolerance")
      ->type_name("relax|newton");
  cmd->add_flag("--json", json_, "Print one JSON object");
  advice_.AddTo(*cmd);
}

int SolveCommand::Run(std::ostream& out, std::ostream& err) {
  if (method_ != "relax" && method_ != "newton") {
    return Fail(err, "--method: " + QuotedToken(method_) + " is not one of relax, newton");
  }
  TBoard board;
  if (auto problem = door_.ApplyTo(board)) return Fail(err, *problem);
  AngleTriple a;
  if (auto problem = AnglesOrStored(board, start_, "--start", a)) return Fail(err, *problem);
  long double tolerance = 0;
  if (auto problem = ParseReal(tolerance_, "--tolerance", tolerance)) return Fail(err, *problem);
  if (!(tolerance > 0)) return Fail(err, "--tolerance: must be greater than 0");
  if (!sensitivity_.empty()) {
    long double s = 0;
    if (auto problem = ParseReal(sensitivity_, "--sensitivity", s)) return Fail(err, *problem);
    if (!(s > 0)) return Fail(err, "--sensitivity: must be greater than 0");
    board.SetSensitivity(s);
  }
  AdviceBands bands;
  if (auto problem = advice_.Read(bands)) return Fail(err, *problem);
  nlohmann::ordered_json extra = nlohmann::ordered_json::object();
  extra["method"] = method_;
  SolveResult result;
  if (method_ == "newton") {
    const NewtonResult newton = NewtonSolver(board, tolerance).Solve(a[0], a[1], a[2]);
    result.Iterations = newton.Iterations;
    result.Converged = newton.Converged;
    result.LeftAngleRange = newton.LeftAngleRange;
    extra["evaluations"] = newton.Evaluations;
  } else {
    result = board.Solve(a[0], a[1], a[2], tolerance);
  }
  const XYZ& m = board.Result().TotalMoment;
  extra["moment_sum"] = static_cast<double>(std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z));
  // Ends with the evaluation at the balance angles, so the door keeps their results.
  const StabilityMatrix stability = StabilityMatrix::At(board, a[0], a[1], a[2]);
  extra["precise_ground"] = board.PreciseGround();
  const BottomContactFigures contact = BottomContactFigures::Of(board, a);
  contact.AddTo(extra);
  std::optional<Advice> advice;
  if (advice_.Wanted) {
    advice.emplace(board, a, bands, tolerance);
    advice->Run();
    AdviceOptions::Add(*advice, extra);
  }
  const std::optional<std::string> notFinite =
      PrintResult(board, &result, stability, json_, out, extra);
  if (!json_) {
    contact.Print(out);
    if (advice) AdviceOptions::Print(*advice, out);
  }
  if (notFinite) return FailNotFinite(err, *notFinite);
  return result.Converged ? kExitOk : kExitNotConverged;
}
