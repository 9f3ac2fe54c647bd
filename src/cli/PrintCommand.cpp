#include "PrintCommand.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>

#include <QBuffer>
#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>
#include <QString>

#include "CliApp.h"
#include "CommandTexts.h"
#include "DoorReportSource.h"
#include "PaperChoice.h"
#include "PrintedReport.h"
#include "QtGuiSession.h"
#include "ReportDateTime.h"
#include "ResultJson.h"
#include "install/DataPaths.h"
#include "io/AtomicFileWriter.h"
#include "lang/TranslatedForms.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "numbers/QuotedToken.h"

namespace {

ViewFlags FlagsOf(const std::array<bool, 5>& switches, std::size_t first) {
  ViewFlags flags;
  flags.Hidden = switches[first];
  flags.Points = switches[first + 1];
  flags.Forces = switches[first + 2];
  flags.Labels = switches[first + 3];
  return flags;
}

}  // namespace

void PrintCommand::AddTo(CLI::App& app) {
  CLI::App* cmd =
      app.add_subcommand(Name(), "Print the seven-page report of the door into a PDF file");
  door_.AddTo(*cmd);
  position_.AddTo(*cmd,
                  "Balance the door first, from the file's angles (tolerance 0.1 N*m); exit "
                  "status 3 when it does not balance");
  cmd->add_flag("--russian", russian_, "Print the report's texts in Russian");
  cmd->add_option("--paper", paper_,
                  "The paper of every page: a4 or letter (default: the locale's, Letter in the "
                  "United States and Canada, A4 elsewhere)")
      ->type_name("a4|letter")
      ->check([](const std::string& name) {
        return PaperChoice::FromName(name) ? std::string() : "a4 or letter";
      });
  cmd->add_option("--pdf", pdf_, "The PDF file to write")->type_name("OUT.pdf")->required();
}

int PrintCommand::Run(std::ostream&, std::ostream& err) {
  TBoard board;
  ViewSettings view;
  if (auto problem = door_.ApplyTo(board, &view)) return Fail(err, *problem);
  AngleTriple angles{};
  std::optional<SolveResult> search;
  if (auto problem = position_.PlaceDoor(board, angles, &search)) return Fail(err, *problem);

  const QtGuiSession qt;
  if (!qt.Ready()) return Fail(err, "print: printing needs a Qt GUI application");
  // The program's pictures, for doors that name them and for the dialogs' own.
  Q_INIT_RESOURCE(pictures);

  const std::string languageFile = CommandTexts::FileOf(russian_);
  std::string textsProblem;
  const TextCatalogue texts = CommandTexts::Load(russian_, textsProblem);
  if (!textsProblem.empty()) return Fail(err, textsProblem);
  // The file's display switches of the projections dialog (after its scheme switch) and of
  // the balance window.
  DoorReportSource source(board, languageFile, FlagsOf(view.ProjectionSwitches, 1),
                          FlagsOf(view.BalanceSwitches, 0));
  // A report of "Empty !!!" labels is no report: a broken language file stops it.
  if (!source.LanguageProblem().empty()) return Fail(err, source.LanguageProblem());
  source.Update();
  if (auto figure = FirstNonFiniteFigure(ResultJson(board))) return FailNotFinite(err, *figure);

  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  bool printed = false;
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("DoorTrim Balance Report"));
    writer.setCreator(QStringLiteral("doortrim-cli"));
    writer.setResolution(600);
    const std::optional<QPageSize::PageSizeId> paper = PaperChoice::FromName(paper_);
    writer.setPageSize(QPageSize(paper ? *paper : PaperChoice::ForLocale(QLocale::system())));
    const ReportDateTime now = ReportDateTime::Now(texts);
    PrintedReport report;
    printed = report.Print(
        writer, source, texts, QString::fromStdString(now.Date + "  " + now.Time),
        door_.File.empty() ? QString()
                           : QFileInfo(QFile::decodeName(door_.File.c_str())).fileName());
  }
  std::optional<std::string> problem;
  if (!printed) {
    problem = "the PDF could not be started";
  } else {
    problem = AtomicFileWriter().Replace(pdf_, buffer.data().toStdString());
  }
  if (problem) {
    err << "doortrim-cli: " << ReadableLine("cannot write '" + pdf_ + "': " + *problem) << "\n";
    return kExitNotSaved;
  }
  if (search && !search->Converged) {
    err << "doortrim-cli: the door did not balance after " << search->Iterations
        << " iterations; the report shows the last position\n";
    return kExitNotConverged;
  }
  return kExitOk;
}
