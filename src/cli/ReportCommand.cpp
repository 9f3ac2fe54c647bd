#include "ReportCommand.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "CliApp.h"
#include "CommandTexts.h"
#include "ReportDateTime.h"
#include "ResultJson.h"
#include "model/TBoard.h"
#include "report/BalanceUpdate.h"
#include "report/ResultsReport.h"

void ReportCommand::AddTo(CLI::App& app) {
  CLI::App* cmd = app.add_subcommand(
      Name(), "Print the results report that the balance window adds to the calculation log");
  door_.AddTo(*cmd);
  position_.AddTo(*cmd,
                  "Balance the door first, from the file's angles, as the balance window's "
                  "Balance button does (tolerance 0.1 N*m)");
  cmd->add_flag("--russian", russian_, "Russian texts");
}

int ReportCommand::Run(std::ostream& out, std::ostream& err) {
  TBoard board;
  if (auto problem = door_.ApplyTo(board)) return Fail(err, *problem);
  AngleTriple a{};
  std::optional<SolveResult> search;
  if (auto problem = position_.PlaceDoor(board, a, &search)) return Fail(err, *problem);
  int status = kExitOk;
  if (search && !search->Converged) {
    err << "doortrim-cli: the search stopped after " << search->Iterations
        << " evaluations without balancing the door; the report shows the position reached\n";
    status = kExitNotConverged;
  }
  EvaluateWithStability(board, a[0], a[1], a[2]);  // as the balance window's Update does
  std::string textsProblem;
  const TextCatalogue texts = CommandTexts::Load(russian_, textsProblem);
  if (!textsProblem.empty()) return Fail(err, textsProblem);
  const ReportDateTime now = ReportDateTime::Now(texts);
  out << ResultsReportText(board, texts, now.Date, now.Time);
  if (auto figure = FirstNonFiniteFigure(ResultJson(board))) return FailNotFinite(err, *figure);
  return status;
}
