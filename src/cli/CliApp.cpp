#include "CliApp.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "EvaluateCommand.h"
#include "MapCommand.h"
#include "PathsCommand.h"
#include "PrintCommand.h"
#include "RenderCommand.h"
#include "ReportCommand.h"
#include "SaveCommand.h"
#include "SolveCommand.h"
#include "SweepCommand.h"
#include "TargetCommand.h"
#include "UncertaintyCommand.h"
#include "VaryCommand.h"
#include "install/ProgramVersion.h"
#include "numbers/QuotedToken.h"

namespace {

// An option given with an empty value ("--size ''", an empty file name) is a mistake of the
// caller's, most often an unset shell variable: it is refused rather than read as "not given".
std::optional<std::string> EmptyValueGiven(const CLI::App& command) {
  for (const CLI::Option* option : command.get_options()) {
    if (option->get_type_size() == 0 || option->count() == 0) continue;  // flags, absent
    for (const std::string& value : option->results()) {
      if (value.empty()) {
        const std::string name =
            option->get_positional() ? option->get_type_name() : option->get_name();
        return name + ": an empty value was given";
      }
    }
  }
  return std::nullopt;
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"DoorTrim: balance position of a trawl otter board", "doortrim-cli"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("doortrim-cli ") + kProgramVersion,
                       "Print the version and exit");
  std::vector<std::unique_ptr<CliCommand>> commands;
  commands.push_back(std::make_unique<EvaluateCommand>());
  commands.push_back(std::make_unique<SolveCommand>());
  commands.push_back(std::make_unique<SaveCommand>());
  commands.push_back(std::make_unique<RenderCommand>());
  commands.push_back(std::make_unique<PrintCommand>());
  commands.push_back(std::make_unique<ReportCommand>());
  commands.push_back(std::make_unique<VaryCommand>());
  commands.push_back(std::make_unique<SweepCommand>());
  commands.push_back(std::make_unique<TargetCommand>());
  commands.push_back(std::make_unique<MapCommand>());
  commands.push_back(std::make_unique<UncertaintyCommand>());
  commands.push_back(std::make_unique<PathsCommand>());
  for (const auto& command : commands)
    command->AddTo(app);
  const auto knownCommand = [&](const std::string& name) {
    for (const CLI::App* sub : app.get_subcommands({})) {
      if (sub->get_name() == name) return true;
    }
    return false;
  };
  if (argc > 1 && argv[1][0] != '-' && !knownCommand(argv[1])) {
    err << "doortrim-cli: unknown command " << QuotedToken(argv[1]) << " (try --help)\n";
    return kExitUsage;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, out, err);  // prints the help of the command asked about
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, out, err);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e, out, err);  // prints the version
  } catch (const CLI::ParseError& e) {
    err << "doortrim-cli: " << ReadableLine(e.what()) << "\n";
    return kExitUsage;
  }
  for (const auto& command : commands) {
    if (!app.got_subcommand(command->Name())) continue;
    if (auto empty = EmptyValueGiven(*app.get_subcommand(command->Name()))) {
      err << "doortrim-cli: " << ReadableLine(*empty) << "\n";
      return kExitUsage;
    }
    return command->Run(out, err);
  }
  return kExitUsage;
}
