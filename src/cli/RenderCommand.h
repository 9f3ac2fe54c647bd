#pragma once

#include <string>
#include <vector>

#include "CliCommand.h"
#include "DoorOptions.h"
#include "PositionOptions.h"

// doortrim-cli render: the balance window's three views of the door (side, front, plan) as one
// PNG or SVG picture, at given angles or in the balance position. The only command that
// starts Qt, and only while it runs.
class RenderCommand : public CliCommand {
 public:
  const char* Name() const override { return "render"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;

 private:
  DoorOptions door_;
  PositionOptions position_;
  std::string png_;
  std::string svg_;
  bool points_ = false;
  bool noForces_ = false;
  bool noLabels_ = false;
  bool hidden_ = false;
  std::string size_;
};
