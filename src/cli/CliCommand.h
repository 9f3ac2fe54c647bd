#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

// One command of doortrim-cli: it declares its options on its own subcommand and runs once
// the command line has been parsed.
class CliCommand {
 public:
  virtual ~CliCommand() = default;
  virtual const char* Name() const = 0;
  virtual void AddTo(CLI::App& app) = 0;
  // Returns the exit status.
  virtual int Run(std::ostream& out, std::ostream& err) = 0;

 protected:
  // Writes "doortrim-cli: message" as one line and returns the status for bad input.
  static int Fail(std::ostream& err, const std::string& message);
  // Writes the line naming a figure of the result that is not a finite number and returns
  // the status of a result not to rely on.
  static int FailNotFinite(std::ostream& err, const std::string& figure);
};
