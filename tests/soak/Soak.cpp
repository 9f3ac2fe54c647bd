// Long run: loads and balances the sample doors over and over in one process, and fails when
// resident memory grows by more than 1 MB between the first tenth of the run (10,000 cycles
// of the default 100,000) and its end. ./scripts/soak builds and runs it.
//
//   doortrim_soak [CYCLES]

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "io/DoorFileReader.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"

namespace {

constexpr long kDefaultCycles = 100000;
constexpr long kAllowedGrowthKb = 1024;
constexpr long double kTolerance = 0.1L;  // N*m, as the balance window asks

// Resident memory of this process, in kB, or -1 when /proc cannot tell.
long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

std::vector<std::string> SampleDoors() {
  std::vector<std::string> paths;
  for (const auto& entry : std::filesystem::directory_iterator(DOORTRIM_SAMPLE_DOORS)) {
    if (entry.path().extension() == ".brd") paths.push_back(entry.path().string());
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

}  // namespace

int main(int argc, char** argv) {
  long cycles = kDefaultCycles;
  if (argc > 1) {
    const std::string_view arg(argv[1]);
    const auto [end, ec] = std::from_chars(arg.data(), arg.data() + arg.size(), cycles);
    if (ec != std::errc{} || end != arg.data() + arg.size() || cycles < 10) {
      std::fprintf(stderr, "usage: %s [CYCLES]   (at least 10; default %ld)\n", argv[0],
                   kDefaultCycles);
      return 2;
    }
  }
  const std::vector<std::string> doors = SampleDoors();
  if (doors.empty()) {
    std::fprintf(stderr, "no sample doors in %s\n", DOORTRIM_SAMPLE_DOORS);
    return 2;
  }

  // The memory of the first tenth is the baseline: by then every allocation the run needs
  // once (file buffers, the C++ runtime's) has been made.
  const long baselineCycle = std::max(1L, cycles / 10);
  const long startKb = ResidentKb();
  long baselineKb = -1;
  long iterations = 0;
  const auto started = std::chrono::steady_clock::now();

  TBoard board;  // one model for the whole run, as in the desktop program
  for (long cycle = 1; cycle <= cycles; ++cycle) {
    const std::string& path = doors[static_cast<std::size_t>(cycle) % doors.size()];
    ViewSettings view;
    DoorInputs inputs = board.Inputs();
    const DoorFileResult loaded = DoorFileReader::Load(path, inputs, &view);
    if (!loaded.Ok) {
      std::fprintf(stderr, "cycle %ld: %s\n", cycle, loaded.Message.c_str());
      return 1;
    }
    board.SetInputs(inputs);
    long double x = view.Angles[0], y = view.Angles[1], z = view.Angles[2];
    const SolveResult result = board.Solve(x, y, z, kTolerance);
    if (!result.Converged || result.LeftAngleRange) {
      std::fprintf(stderr, "cycle %ld: %s did not balance within the angle range\n", cycle,
                   path.c_str());
      return 1;
    }
    iterations += result.Iterations;
    if (cycle == baselineCycle) baselineKb = ResidentKb();
  }

  const long endKb = ResidentKb();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("%ld load + solve cycles over %zu sample doors (%ld evaluations) in %.1f s\n", cycles,
              doors.size(), iterations, seconds);
  std::printf("resident memory: %ld kB at start, %ld kB after %ld cycles, %ld kB at the end\n",
              startKb, baselineKb, baselineCycle, endKb);
  if (startKb < 0 || baselineKb < 0 || endKb < 0) {
    std::fprintf(stderr, "cannot read VmRSS from /proc/self/status\n");
    return 1;
  }
  const long growthKb = endKb - baselineKb;
  std::printf("growth from cycle %ld to the end: %ld kB (allowed: less than %ld kB)\n",
              baselineCycle, growthKb, kAllowedGrowthKb);
  return growthKb < kAllowedGrowthKb ? 0 : 1;
}
