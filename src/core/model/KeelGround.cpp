#include "model/KeelGround.h"

#include <algorithm>
#include <cmath>

#include "model/Interpolate.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {
constexpr long double kShallowestDepth = 0.0001L;  // m; shallower counts as "too shallow"
constexpr long double kDepthTolerance = 0.001L;    // m, on the residual
constexpr int kMaxBisections = 10000;
constexpr long double kCubicCmToCubicM = 1e-6L;
}  // namespace

namespace {
// Weight not carried by the plates' lift, from the door's last positioning.
long double NormalForceOf(const TBoard& board) {
  const long double lifted = board.WingSpread() * std::sin(board.WingNormalDir()) +
                             board.StringerSpread() * std::sin(board.StringerNormalDir());
  return std::max<long double>(0, board.Inputs().G - lifted);
}
}  // namespace

KeelGround::KeelGround(const TBoard& board, long double alpha, long double beta, long double gamma)
    : KeelGround(board, gamma, Rotation(alpha, beta, gamma)) {}

KeelGround::KeelGround(const TBoard& board, long double gamma, const Rotation& turn)
    : KeelGround(board, gamma, turn, NormalForceOf(board)) {}

KeelGround::KeelGround(const TBoard& board, long double gamma, const Rotation& turn,
                       long double normalForce)
    : board_(board),
      gamma_(gamma),
      turn_(turn),
      normalForce_(normalForce),
      sunkVolume_(normalForce * board.Inputs().GroundCoef * kCubicCmToCubicM),
      centreX_(board.Inputs().x0 - board.Inputs().xk),
      centreY_(board.Inputs().y0 + board.Inputs().yk),
      tipZ_(board.Inputs().zk - board.Inputs().z0) {}

long double KeelGround::GroundNormalForce() const {
  return normalForce_;
}

long double KeelGround::Residual(long double z) const {
  const CoefTable& k = board_.Inputs().KeelGeom;
  const long double deepest = k.At(std::max(0, k.Count - 1), kKeelZi);
  if (z < kShallowestDepth) return deepest;
  const TableSpot spot(k, z);
  const long double section = spot.Value(kKeelXi) * spot.Value(kKeelYi);
  // A keel without cross-section at this depth carries nothing: it sinks further.
  if (!(section > 0)) return deepest;
  return sunkVolume_ / section - z;
}

long double KeelGround::PenetrationDepth() const {
  const CoefTable& k = board_.Inputs().KeelGeom;
  if (k.Count < 2) return 0;
  long double lo = 0;
  long double hi = k.At(k.Count - 1, kKeelZi);
  const long double fLo = Residual(lo);
  const long double fHi = Residual(hi);
  const bool decreasing = fHi < fLo;
  if (fLo * fHi > 0) return hi;  // the keel sinks completely
  const bool precise = board_.PreciseGround();
  for (int i = 0; i < kMaxBisections; ++i) {
    const long double mid = (lo + hi) / 2;
    // Once the bracket no longer shrinks, further halving cannot meet the tolerance; the
    // precise depth is found there: the residual changes sign between two neighbouring reals.
    if (mid == lo || mid == hi) {
      if (precise) return std::fabs(Residual(lo)) <= std::fabs(Residual(hi)) ? lo : hi;
      break;
    }
    const long double fm = Residual(mid);
    if (fm == 0 || (!precise && std::fabs(fm) <= kDepthTolerance)) return mid;
    if (decreasing == (fm > 0)) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return 0;
}

long double KeelGround::KeelSideArea(long double z) const {
  const CoefTable& k = board_.Inputs().KeelGeom;
  if (k.Count < 2 || !(z > k.At(0, kKeelZi))) return 0;
  return z * Interpolate(k, kKeelXi, z) / 2;
}

long double KeelGround::GroundResistance() const {
  const long double cx = Interpolate(board_.Inputs().Ground, kGroundCx, gamma_ / kDegree);
  return -cx * board_.Inputs().GroundDensity * board_.Inputs().v * board_.Inputs().v *
         KeelSideArea(PenetrationDepth()) / 2;
}

int KeelGround::OutlineCount() const {
  const int n = board_.Inputs().KeelGeom.Count;
  return n < 1 ? 0 : 2 * n - 1;
}

XYZ KeelGround::OutlinePoint(int j) const {
  const CoefTable& k = board_.Inputs().KeelGeom;
  const int n = k.Count;
  if (j < n - 1) {
    const int i = n - 1 - j;  // down the fore edge
    return {centreX_ + k.At(i, kKeelXi) / 2, centreY_, tipZ_ + k.At(i, kKeelZi)};
  }
  const int i = j - (n - 1);  // from the tip up the aft edge
  return {centreX_ - k.At(i, kKeelXi) / 2, centreY_, tipZ_ + k.At(i, kKeelZi)};
}

std::vector<XYZ> KeelGround::Outline() const {
  const int count = OutlineCount();
  std::vector<XYZ> outline;
  outline.reserve(static_cast<std::size_t>(count));
  for (int j = 0; j < count; ++j)
    outline.push_back(OutlinePoint(j));
  return outline;
}

XYZ KeelGround::ContactPoint() const {
  const int count = OutlineCount();
  if (count == 0) return turn_.Apply(board_.Body().PtKeelOrigin);
  const int tip = (count - 1) / 2;
  if (count < 3) return turn_.Apply(OutlinePoint(tip));

  long double lowest = 0;
  int lowestIndex = tip;
  for (int j = 0; j < count; ++j) {
    const long double z = turn_.ApplyZ(OutlinePoint(j));
    if (z < lowest) {  // ties keep the earlier point
      lowest = z;
      lowestIndex = j;
    }
  }
  const int k = std::clamp(lowestIndex, 1, count - 2);
  const XYZ p1 = turn_.Apply(OutlinePoint(k - 1));
  const XYZ p2 = turn_.Apply(OutlinePoint(k));
  const XYZ p3 = turn_.Apply(OutlinePoint(k + 1));

  // Fit against X where the three points have distinct abscissas and bend; otherwise use Y
  // as the parameter; a keel edge that offers neither rests on its lowest point.
  if (!AreCollinear(p1.X, p1.Z, p2.X, p2.Z, p3.X, p3.Z)) {
    const auto zOfX = ParabolaThrough(p1.X, p1.Z, p2.X, p2.Z, p3.X, p3.Z);
    const auto yOfX = ParabolaThrough(p1.X, p1.Y, p2.X, p2.Y, p3.X, p3.Y);
    if (zOfX && yOfX && zOfX->HasVertex()) {
      const long double x = zOfX->VertexU();
      return {x, yOfX->At(x), zOfX->At(x)};
    }
  }
  if (!AreCollinear(p1.Y, p1.Z, p2.Y, p2.Z, p3.Y, p3.Z)) {
    const auto zOfY = ParabolaThrough(p1.Y, p1.Z, p2.Y, p2.Z, p3.Y, p3.Z);
    const auto xOfY = ParabolaThrough(p1.Y, p1.X, p2.Y, p2.X, p3.Y, p3.X);
    if (zOfY && xOfY && zOfY->HasVertex()) {
      const long double y = zOfY->VertexU();
      return {xOfY->At(y), y, zOfY->At(y)};
    }
  }
  return turn_.Apply(OutlinePoint(lowestIndex));
}
