#pragma once

#include <string>
#include <vector>

#include "CliCommand.h"
#include "DoorOptions.h"

// doortrim-cli evaluate: forces and moments of the door at given angles.
class EvaluateCommand : public CliCommand {
 public:
  const char* Name() const override { return "evaluate"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;

 private:
  DoorOptions door_;
  std::vector<std::string> angles_;
  bool json_ = false;
};
