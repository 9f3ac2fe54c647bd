#include "PositionOptions.h"

#include <CLI/CLI.hpp>

#include "model/TBoard.h"

void PositionOptions::AddTo(CLI::App& command, const std::string& solveHelp) {
  auto* angles = command
                     .add_option("--angles", Angles,
                                 "Rotation about X, Y and Z, degrees (default: the angles stored "
                                 "in FILE, else 0 0 0)")
                     ->expected(3)
                     ->type_name("X Y Z");
  command.add_flag("--solve", Solve, solveHelp)->excludes(angles);
}

std::optional<std::string> PositionOptions::PlaceDoor(TBoard& board, AngleTriple& angles,
                                                      std::optional<SolveResult>* search) const {
  if (auto problem = AnglesOrStored(board, Angles, "--angles", angles)) return problem;
  board.ComputeGeometry();  // --set changes the inputs the geometry is made of
  if (Solve) {
    const SolveResult result = board.Solve(angles[0], angles[1], angles[2], kBalanceTolerance);
    if (search) *search = result;
  }
  board.SetRotation(angles[0], angles[1], angles[2]);
  return std::nullopt;
}
