#pragma once

#include <string>

#include "CliCommand.h"
#include "DoorOptions.h"

// doortrim-cli target: the value of one setting that brings the balanced door to a target
// wing attack angle, heel or pitch.
class TargetCommand : public CliCommand {
 public:
  const char* Name() const override { return "target"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;

 private:
  DoorOptions door_;
  std::string variable_;
  std::string from_, to_;
  std::string attack_, heel_, pitch_;
  bool json_ = false;
};
