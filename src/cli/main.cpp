#include <iostream>

#include "CliApp.h"
#include "io/TempFileRegistry.h"

int main(int argc, char** argv) {
  // Ctrl+C, a hang-up or a kill while a file is being written leaves no hidden temporary file.
  TempFileRegistry::InstallSignalCleanup();
  return RunCli(argc, argv, std::cout, std::cerr);
}
