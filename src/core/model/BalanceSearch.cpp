#include "model/BalanceSearch.h"

#include <cmath>

#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {
constexpr long double kAngleLimit = 90;  // degrees

// NaN counts as outside: a search that ran into one has certainly lost its way.
bool OutsideAngleRange(long double x, long double y, long double z) {
  return !(std::fabs(x) <= kAngleLimit && std::fabs(y) <= kAngleLimit &&
           std::fabs(z) <= kAngleLimit);
}
}  // namespace

BalanceSearch::BalanceSearch(TBoard& door, long double x, long double y, long double z,
                             long double tolerance, bool turnOutlines)
    : door_(door),
      x_(x),
      y_(y),
      z_(z),
      tolerance_(tolerance),
      leftAngleRange_(OutsideAngleRange(x, y, z)),
      turnOutlines_(turnOutlines) {}

bool BalanceSearch::Step() {
  if (turnOutlines_) {
    door_.Evaluate(x_ * kDegree, y_ * kDegree, z_ * kDegree);
  } else {
    door_.EvaluateMoments(x_ * kDegree, y_ * kDegree, z_ * kDegree);
  }
  ++iterations_;
  const XYZ& m = door_.Result().TotalMoment;
  momentSum_ = std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z);
  // Strictly below: a sum equal to the tolerance goes on. A NaN sum never converges.
  if (tolerance_ > momentSum_) {
    converged_ = true;
    return true;
  }
  // The signs of the mechanics make every step go the way the moments push, about Y too.
  x_ += kDegree * m.X / door_.Sensitivity();
  y_ += kDegree * m.Y / door_.Sensitivity();
  z_ += kDegree * m.Z / door_.Sensitivity();
  if (OutsideAngleRange(x_, y_, z_)) leftAngleRange_ = true;
  return false;
}
