#include "cli/CliRunner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

std::string TempPath() {
  char name[] = "/tmp/doortrim-cli-XXXXXX";
  const int fd = mkstemp(name);
  if (fd >= 0) close(fd);
  return name;
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

CliRun RunCliProgram(const std::vector<std::string>& args) {
  const std::string outPath = TempPath();
  const std::string errPath = TempPath();
  std::string command = Quote(DOORTRIM_CLI_PATH);
  // Appended piece by piece: " " + std::string(...) trips a false -Wrestrict of GCC 12 at
  // -O3 (GCC bug 105329).
  for (const std::string& a : args)
    command.append(" ").append(Quote(a));
  command.append(" >").append(Quote(outPath)).append(" 2>").append(Quote(errPath));
  const int status = std::system(command.c_str());
  CliRun run;
  run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.Out = Slurp(outPath);
  run.Err = Slurp(errPath);
  std::remove(outPath.c_str());
  std::remove(errPath.c_str());
  return run;
}
