#pragma once

#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/DoorOptions.h"

// doortrim-cli report: the results report that the balance window's "Show Log File ..."
// appends to the calculation log, for the door at given angles or in its balance position.
class ReportCommand : public CliCommand {
 public:
  const char* Name() const override { return "report"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;

 private:
  DoorOptions door_;
  std::vector<std::string> angles_;
  bool solve_ = false;
  bool russian_ = false;
};
