#include "cli/CliCommand.h"

#include <ostream>

#include "cli/CliApp.h"

int CliCommand::Fail(std::ostream& err, const std::string& message) {
  err << "doortrim-cli: " << message << "\n";
  return kExitUsage;
}
