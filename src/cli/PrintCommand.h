#pragma once

#include <string>

#include "CliCommand.h"
#include "DoorOptions.h"
#include "PositionOptions.h"

// doortrim-cli print: the printed report of the door, all seven pages, into a PDF file, as
// the balance window prints it but without any window: for reports made in batches.
class PrintCommand : public CliCommand {
 public:
  const char* Name() const override { return "print"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;

 private:
  DoorOptions door_;
  PositionOptions position_;
  bool russian_ = false;
  std::string pdf_;
  std::string paper_;  // empty: the locale's
};
