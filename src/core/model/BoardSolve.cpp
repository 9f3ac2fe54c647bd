#include "model/BalanceSearch.h"
#include "model/TBoard.h"

namespace {
constexpr int kMaxSolverIterations = 500;
}  // namespace

SolveResult TBoard::Solve(long double& x, long double& y, long double& z, long double tolerance,
                          const ProcessMessages& processMessages) {
  ComputeGeometry();
  // The drawn outlines are turned once the search stops, and whenever the caller may draw.
  BalanceSearch search(*this, x, y, z, tolerance, false);
  for (int i = 0; i < kMaxSolverIterations; ++i) {
    if (search.Step()) break;
    x = search.X();
    y = search.Y();
    z = search.Z();
    if (processMessages) {
      TurnOutlines();
      processMessages();
    }
  }
  TurnOutlines();
  SetRotation(x, y, z);
  SolveResult result;
  result.Iterations = search.Iterations();
  result.Converged = search.Converged();
  result.LeftAngleRange = search.LeftAngleRange();
  return result;
}
