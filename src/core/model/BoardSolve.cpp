#include <cmath>

#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {
constexpr int kMaxSolverIterations = 500;
constexpr long double kAngleLimit = 90;  // degrees

// NaN counts as outside: a search that ran into one has certainly lost its way.
bool OutsideAngleRange(long double x, long double y, long double z) {
  return !(std::fabs(x) <= kAngleLimit && std::fabs(y) <= kAngleLimit &&
           std::fabs(z) <= kAngleLimit);
}
}  // namespace

SolveResult TBoard::Solve(long double& x, long double& y, long double& z, long double tolerance,
                          const ProcessMessages& processMessages) {
  SolveResult result;
  ComputeGeometry();
  result.LeftAngleRange = OutsideAngleRange(x, y, z);
  // Each moment turns the door about its own axis by a step proportional to it; the signs of
  // the mechanics make every step go the way the moments push.
  for (int i = 0; i < kMaxSolverIterations; ++i) {
    Evaluate(x * kDegree, y * kDegree, z * kDegree);
    ++result.Iterations;
    const XYZ& m = TotalMoment;
    if (tolerance > std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z)) {
      result.Converged = true;
      break;
    }
    x += kDegree * m.X / Sensitivity;
    y += kDegree * m.Y / Sensitivity;
    z += kDegree * m.Z / Sensitivity;
    if (OutsideAngleRange(x, y, z)) result.LeftAngleRange = true;
    if (processMessages) processMessages();
  }
  RotX = x;
  RotY = y;
  RotZ = z;
  return result;
}
