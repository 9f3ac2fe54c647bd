#pragma once

#include "CliCommand.h"

// doortrim-cli paths: prints where the program finds its language files, help pages and
// sample doors, so a script can reach the sample doors of an installed program.
class PathsCommand : public CliCommand {
 public:
  const char* Name() const override { return "paths"; }
  void AddTo(CLI::App& app) override;
  int Run(std::ostream& out, std::ostream& err) override;
};
