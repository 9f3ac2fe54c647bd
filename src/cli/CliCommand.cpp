#include "CliCommand.h"

#include <ostream>

#include "CliApp.h"
#include "numbers/QuotedToken.h"

int CliCommand::Fail(std::ostream& err, const std::string& message) {
  // Messages quote file names and arguments as the user gave them: shown readable, they stay
  // valid UTF-8 whatever bytes those hold.
  err << "doortrim-cli: " << ReadableLine(message) << "\n";
  return kExitUsage;
}

int CliCommand::FailNotFinite(std::ostream& err, const std::string& figure) {
  err << "doortrim-cli: the result is not a finite number: " << figure
      << " (the door's values lie beyond what the model can compute)\n";
  return kExitNotConverged;
}
