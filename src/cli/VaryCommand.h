#pragma once

#include <string>
#include <vector>

#include "CliCommand.h"
#include "DoorOptions.h"

// doortrim-cli vary: searches one main parameter of the door, between two values, for a zero
// moment criterion at fixed rotation angles.
class VaryCommand : public CliCommand {
 public:
  const char* Name() const override { return "vary"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;

 private:
  DoorOptions door_;
  std::string variable_;
  std::string from_, to_;
  std::string criterion_ = "sum";
  std::vector<std::string> angles_;
  bool json_ = false;
};
