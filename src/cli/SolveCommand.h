#pragma once

#include <string>
#include <vector>

#include "AdviceOptions.h"
#include "CliCommand.h"
#include "DoorOptions.h"

// doortrim-cli solve: searches the balance angles of the door.
class SolveCommand : public CliCommand {
 public:
  const char* Name() const override { return "solve"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;

 private:
  DoorOptions door_;
  std::vector<std::string> start_;
  std::string tolerance_ = "0.1";
  std::string sensitivity_;
  std::string method_ = "relax";
  bool json_ = false;
  AdviceOptions advice_;
};
