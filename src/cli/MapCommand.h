#pragma once

#include <string>
#include <vector>

#include "CliCommand.h"
#include "DoorOptions.h"

// doortrim-cli map: the balance of the door over a grid of two settings.
class MapCommand : public CliCommand {
 public:
  const char* Name() const override { return "map"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;

 private:
  struct AxisTexts {
    std::string Name, From, To, Steps;
  };
  void AddAxis(CLI::App& command, const std::string& letter, AxisTexts& axis);

  DoorOptions door_;
  AxisTexts x_, y_;
  std::vector<std::string> start_;
  std::string threads_ = "0";
  bool csv_ = false;
  bool json_ = false;
};
