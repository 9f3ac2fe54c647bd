#include "SaveCommand.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "CliApp.h"
#include "io/DoorFileWriter.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "numbers/QuotedToken.h"

void SaveCommand::AddTo(CLI::App& app) {
  CLI::App* cmd =
      app.add_subcommand(Name(), "Write the door, with any changes, to a door data file");
  door_.AddTo(*cmd, false);  // nothing is evaluated
  cmd->add_option("--out", output_, "The file to write (replaced only once fully written)")
      ->required()
      ->type_name("NEW.brd");
}

int SaveCommand::Run(std::ostream&, std::ostream& err) {
  TBoard board;
  ViewSettings view;
  if (auto problem = door_.ApplyTo(board, &view)) return Fail(err, *problem);
  const DoorFileResult saved = DoorFileWriter().Save(output_, board.Inputs(), view);
  if (!saved.Ok) {
    err << "doortrim-cli: " << ReadableLine(saved.Message) << "\n";
    return kExitNotSaved;
  }
  return kExitOk;
}
