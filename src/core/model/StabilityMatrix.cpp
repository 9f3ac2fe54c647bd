#include "model/StabilityMatrix.h"

#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {
constexpr long double kNewtonMetresPerKilo = 1000;
}  // namespace

StabilityMatrix StabilityMatrix::At(TBoard& door, long double x, long double y, long double z) {
  const std::array<long double, 3> centre{x, y, z};
  StabilityMatrix s;
  for (int j = 0; j < 3; ++j) {
    std::array<long double, 3> plus = centre;
    std::array<long double, 3> minus = centre;
    plus[j] += kStepDeg;
    minus[j] -= kStepDeg;
    door.EvaluateMoments(plus[0] * kDegree, plus[1] * kDegree, plus[2] * kDegree);
    const XYZ high = door.Result().TotalMoment;
    door.EvaluateMoments(minus[0] * kDegree, minus[1] * kDegree, minus[2] * kDegree);
    const XYZ low = door.Result().TotalMoment;
    const long double scale = 2 * kStepDeg * kNewtonMetresPerKilo;
    s.derivatives_.Rows[0][j] = (high.X - low.X) / scale;
    s.derivatives_.Rows[1][j] = (high.Y - low.Y) / scale;
    s.derivatives_.Rows[2][j] = (high.Z - low.Z) / scale;
  }
  door.Evaluate(x * kDegree, y * kDegree, z * kDegree);
  s.eigenvalues_ = s.derivatives_.Eigenvalues();
  s.stable_ = true;
  for (const Matrix3::Eigenvalue& e : s.eigenvalues_) {
    // NaN counts as not stable.
    if (!(e.real() < 0)) s.stable_ = false;
  }
  return s;
}
