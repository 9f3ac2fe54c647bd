#include "cli/CliApp.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <ostream>

#include "balance/ResultSummary.h"
#include "cli/DoorOptions.h"
#include "cli/ResultJson.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"

namespace {

void Print(const TBoard& board, const SolveResult* search, bool json, std::ostream& out) {
  if (json) {
    out << ResultJson(board, search).dump() << "\n";
  } else {
    out << ResultSummary(board, search);
  }
}

struct EvaluateCommand {
  DoorOptions door;
  std::vector<std::string> angles;
  bool json = false;

  void AddTo(CLI::App& app) {
    CLI::App* cmd =
        app.add_subcommand("evaluate", "Forces and moments of the door at given angles");
    door.AddTo(*cmd);
    cmd->add_option("--angles", angles,
                    "Rotation about X, Y and Z, degrees (default: the angles stored in FILE, "
                    "else 0 0 0)")
        ->expected(3)
        ->type_name("X Y Z");
    cmd->add_flag("--json", json, "Print one JSON object");
  }

  int Run(std::ostream& out, std::ostream& err) {
    TBoard board;
    if (auto problem = door.ApplyTo(board)) return Fail(err, *problem);
    AngleTriple a{board.RotX, board.RotY, board.RotZ};
    if (!angles.empty()) {
      if (auto problem = ParseTriple(angles, "--angles", a)) return Fail(err, *problem);
    }
    board.RotX = a[0];
    board.RotY = a[1];
    board.RotZ = a[2];
    board.ComputeGeometry();
    board.Evaluate(a[0] * kDegree, a[1] * kDegree, a[2] * kDegree);
    Print(board, nullptr, json, out);
    return kExitOk;
  }

  static int Fail(std::ostream& err, const std::string& message) {
    err << "doortrim-cli: " << message << "\n";
    return kExitUsage;
  }
};

struct SolveCommand {
  DoorOptions door;
  std::vector<std::string> start;
  std::string tolerance = "0.1";
  std::string sensitivity;
  bool json = false;

  void AddTo(CLI::App& app) {
    CLI::App* cmd = app.add_subcommand("solve", "Search the balance angles of the door");
    door.AddTo(*cmd);
    cmd->add_option("--start", start,
                    "Starting rotation about X, Y and Z, degrees (default: the angles stored in "
                    "FILE, else 0 0 0)")
        ->expected(3)
        ->type_name("X Y Z");
    cmd->add_option("--tolerance", tolerance, "Largest |Mx|+|My|+|Mz| accepted, N*m (default 0.1)");
    cmd->add_option("--sensitivity", sensitivity,
                    "Divisor of every angle step; greater is finer and slower (default 100)");
    cmd->add_flag("--json", json, "Print one JSON object");
  }

  int Run(std::ostream& out, std::ostream& err) {
    TBoard board;
    if (auto problem = door.ApplyTo(board)) return EvaluateCommand::Fail(err, *problem);
    AngleTriple a{board.RotX, board.RotY, board.RotZ};
    if (!start.empty()) {
      if (auto problem = ParseTriple(start, "--start", a))
        return EvaluateCommand::Fail(err, *problem);
    }
    long double tol = 0;
    if (auto problem = ParseReal(tolerance, "--tolerance", tol)) {
      return EvaluateCommand::Fail(err, *problem);
    }
    if (!(tol > 0)) return EvaluateCommand::Fail(err, "--tolerance: must be greater than 0");
    if (!sensitivity.empty()) {
      long double s = 0;
      if (auto problem = ParseReal(sensitivity, "--sensitivity", s)) {
        return EvaluateCommand::Fail(err, *problem);
      }
      if (!(s > 0)) return EvaluateCommand::Fail(err, "--sensitivity: must be greater than 0");
      board.Sensitivity = s;
    }
    const SolveResult result = board.Solve(a[0], a[1], a[2], tol);
    Print(board, &result, json, out);
    return result.Converged ? kExitOk : kExitNotConverged;
  }
};

struct SaveCommand {
  DoorOptions door;
  std::string output;

  void AddTo(CLI::App& app) {
    CLI::App* cmd =
        app.add_subcommand("save", "Write the door, with any changes, to a door data file");
    door.AddTo(*cmd);
    cmd->add_option("--out", output, "The file to write (replaced only once fully written)")
        ->required()
        ->type_name("NEW.brd");
  }

  int Run(std::ostream& err) {
    TBoard board;
    ViewSettings view;
    if (auto problem = door.ApplyTo(board, &view)) return EvaluateCommand::Fail(err, *problem);
    const DoorFileResult saved = board.SaveToFile(output, view);
    if (!saved.Ok) {
      err << "doortrim-cli: " << saved.Message << "\n";
      return kExitNotSaved;
    }
    return kExitOk;
  }
};

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"DoorTrim: balance position of a trawl otter board", "doortrim-cli"};
  app.require_subcommand(1);
  EvaluateCommand evaluate;
  SolveCommand solve;
  SaveCommand save;
  evaluate.AddTo(app);
  solve.AddTo(app);
  save.AddTo(app);
  const auto knownCommand = [&](const std::string& name) {
    for (const CLI::App* sub : app.get_subcommands({})) {
      if (sub->get_name() == name) return true;
    }
    return false;
  };
  if (argc > 1 && argv[1][0] != '-' && !knownCommand(argv[1])) {
    err << "doortrim-cli: unknown command '" << argv[1] << "' (try --help)\n";
    return kExitUsage;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, out, err);  // prints the help of the command asked about
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, out, err);
  } catch (const CLI::ParseError& e) {
    err << "doortrim-cli: " << e.what() << "\n";
    return kExitUsage;
  }
  if (app.got_subcommand("evaluate")) return evaluate.Run(out, err);
  if (app.got_subcommand("save")) return save.Run(err);
  return solve.Run(out, err);
}
