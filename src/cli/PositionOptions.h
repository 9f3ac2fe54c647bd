#pragma once

#include <optional>
#include <string>
#include <vector>

#include "DoorOptions.h"
#include "model/SolveResult.h"

namespace CLI {
class App;
}
class TBoard;

// Where a command puts the door: at --angles X Y Z, in the balance position found from the
// stored angles (--solve), or at the angles stored in the door file.
struct PositionOptions {
  std::vector<std::string> Angles;
  bool Solve = false;

  void AddTo(CLI::App& command, const std::string& solveHelp);
  // Recomputes the geometry, runs the search when asked, and stores the angles in RotX,
  // RotY, RotZ. The search result, when there was one, goes to *search.
  std::optional<std::string> PlaceDoor(TBoard& board, AngleTriple& angles,
                                       std::optional<SolveResult>* search) const;
};

// The balance window's tolerance for its Balance command, N*m.
inline constexpr long double kBalanceTolerance = 0.1L;
