#pragma once

#include <string>

#include "CliCommand.h"
#include "DoorOptions.h"

// doortrim-cli uncertainty: the band of the balance when the wing's and the ground's
// coefficients are uncertain, by a seeded Monte Carlo.
class UncertaintyCommand : public CliCommand {
 public:
  const char* Name() const override { return "uncertainty"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;

 private:
  DoorOptions door_;
  std::string wing_ = "10";
  std::string ground_ = "10";
  std::string samples_ = "1000";
  std::string seed_ = "1";
  std::string threads_ = "0";
  bool json_ = false;
};
