#pragma once

#include <string>
#include <vector>

// Runs doortrim-cli as a script would and collects what it printed.
struct CliRun {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};

CliRun RunCliProgram(const std::vector<std::string>& args);
