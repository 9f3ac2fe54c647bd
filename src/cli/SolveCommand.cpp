#include "SolveCommand.h"

#include <CLI/CLI.hpp>

#include "CliApp.h"
#include "ResultPrinter.h"
#include "model/TBoard.h"

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
  cmd->add_flag("--json", json_, "Print one JSON object");
}

int SolveCommand::Run(std::ostream& out, std::ostream& err) {
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
    board.Sensitivity = s;
  }
  const SolveResult result = board.Solve(a[0], a[1], a[2], tolerance);
  PrintResult(board, &result, json_, out);
  return result.Converged ? kExitOk : kExitNotConverged;
}
