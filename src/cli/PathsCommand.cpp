#include "PathsCommand.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "CliApp.h"
#include "install/DataPaths.h"

void PathsCommand::AddTo(CLI::App& app) {
  app.add_subcommand(Name(), "Print where the language files, help pages and sample doors are");
}

int PathsCommand::Run(std::ostream& out, std::ostream& err) {
  const DataPaths paths = DataPaths::ForRunningProgram();
  if (!paths.Found()) {
    return Fail(err,
                "the language files, help pages and sample doors were not found beside the "
                "program; is it installed completely?");
  }
  out << "Language files: " << paths.Languages().string() << "\n"
      << "Help pages:     " << paths.Help().string() << "\n"
      << "Sample doors:   " << paths.Samples().string() << "\n";
  return kExitOk;
}
