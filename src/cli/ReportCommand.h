#pragma once

#include <string>
#include <vector>

#include "CliCommand.h"
#include "DoorOptions.h"
#include "PositionOptions.h"

// doortrim-cli report: the results report that the balance window's "Show Log File ..."
// appends to the calculation log, for the door at given angles or in its balance position.
class ReportCommand : public CliCommand {
 public:
  const char* Name() const override { return "report"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;

 private:
  DoorOptions door_;
  PositionOptions position_;
  bool russian_ = false;
};
