#pragma once

#include <string>
#include <vector>

#include "CliCommand.h"
#include "DoorOptions.h"

// doortrim-cli sweep: balances the door for a row of values of one main parameter or
// environment value, each search starting from the balance before.
class SweepCommand : public CliCommand {
 public:
  const char* Name() const override { return "sweep"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;

 private:
  DoorOptions door_;
  std::string variable_;
  std::string from_, to_, steps_;
  std::string method_ = "relax";
  std::vector<std::string> start_;
  bool csv_ = false;
  bool json_ = false;
};
