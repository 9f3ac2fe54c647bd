#include "cli/ReportCommand.h"

#include <CLI/CLI.hpp>
#include <clocale>
#include <ctime>
#include <ostream>

#include "balance/ResultsReport.h"
#include "cli/CliApp.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {

// The balance tolerance of the balance window's "Balance" command, N*m.
constexpr long double kBalanceTolerance = 0.1L;

// Evaluates the door as the balance window's Update does: one degree further about X, about Y
// and about Z (for its stability figures), then at the angles themselves, so that the model
// ends in the same state as after an Update in the window.
void UpdateAsBalanceWindow(TBoard& board, const AngleTriple& degrees) {
  board.RotX = degrees[0];
  board.RotY = degrees[1];
  board.RotZ = degrees[2];
  const long double x = degrees[0] * kDegree;
  const long double y = degrees[1] * kDegree;
  const long double z = degrees[2] * kDegree;
  board.Evaluate(x + kDegree, y, z);
  board.Evaluate(x, y + kDegree, z);
  board.Evaluate(x, y, z + kDegree);
  board.Evaluate(x, y, z);
}

// The user's short date ("%x") and time ("%X") of now, in the regional formats the
// environment names (LC_TIME, LC_ALL, LANG). The previous time locale is put back.
struct DateAndTime {
  std::string Date;
  std::string Time;
};

DateAndTime Now() {
  const char* current = std::setlocale(LC_TIME, nullptr);
  const std::string previous = current ? current : "C";
  std::setlocale(LC_TIME, "");
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const auto format = [&local](const char* pattern) {
    char text[128];
    const std::size_t size = std::strftime(text, sizeof text, pattern, &local);
    return std::string(text, size);
  };
  DateAndTime result{format("%x"), format("%X")};
  std::setlocale(LC_TIME, previous.c_str());
  return result;
}

}  // namespace

void ReportCommand::AddTo(CLI::App& app) {
  CLI::App* cmd = app.add_subcommand(
      Name(), "Print the results report that the balance window adds to the calculation log");
  door_.AddTo(*cmd);
  auto* angles = cmd->add_option("--angles", angles_,
                                 "Rotation about X, Y and Z, degrees (default: the angles stored "
                                 "in FILE, else 0 0 0)")
                     ->expected(3)
                     ->type_name("X Y Z");
  auto* solve = cmd->add_flag("--solve", solve_,
                              "Balance the door first, from the file's angles, as the balance "
                              "window's Balance button does (tolerance 0.1 N*m)");
  solve->excludes(angles);
  cmd->add_flag("--russian", russian_, "Russian texts");
}

int ReportCommand::Run(std::ostream& out, std::ostream& err) {
  TBoard board;
  if (auto problem = door_.ApplyTo(board)) return Fail(err, *problem);
  AngleTriple a{board.RotX, board.RotY, board.RotZ};
  if (!angles_.empty()) {
    if (auto problem = ParseTriple(angles_, "--angles", a)) return Fail(err, *problem);
  }
  board.ComputeGeometry();  // --set changes the inputs the geometry is made of
  int status = kExitOk;
  if (solve_) {
    const SolveResult result = board.Solve(a[0], a[1], a[2], kBalanceTolerance);
    if (!result.Converged) {
      err << "doortrim-cli: the search stopped after " << result.Iterations
          << " evaluations without balancing the door; the report shows the position reached\n";
      status = kExitNotConverged;
    }
  }
  UpdateAsBalanceWindow(board, a);
  const DateAndTime now = Now();
  out << ResultsReportText(board, russian_ ? 1 : 0, now.Date, now.Time);
  return status;
}
