#pragma once

#include <string>

#include "CliCommand.h"
#include "DoorOptions.h"

// doortrim-cli save: writes the door, with any changes, to a door data file.
class SaveCommand : public CliCommand {
 public:
  const char* Name() const override { return "save"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;

 private:
  DoorOptions door_;
  std::string output_;
};
