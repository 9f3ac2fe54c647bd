#include "model/Rotation.h"

#include <cmath>

Rotation::Rotation(long double alpha, long double beta, long double gamma)
    : cosA_(std::cos(alpha)),
      sinA_(std::sin(alpha)),
      cosB_(std::cos(beta)),
      sinB_(std::sin(beta)),
      cosG_(std::cos(gamma)),
      sinG_(std::sin(gamma)) {}

namespace {
// (u, w) turned by the angle whose cosine and sine are given; a pair at the origin stays there.
inline void Turn(long double& u, long double& w, long double c, long double s) {
  if (u == 0 && w == 0) return;
  const long double turnedU = u * c - w * s;
  w = u * s + w * c;
  u = turnedU;
}
}  // namespace

XYZ Rotation::Apply(const XYZ& p) const {
  if (p.X == 0 && p.Y == 0 && p.Z == 0) return {};
  long double x = p.X, y = p.Y, z = p.Z;
  Turn(x, y, cosG_, sinG_);  // about Z
  Turn(x, z, cosB_, sinB_);  // about Y: +X turns towards +Z
  Turn(y, z, cosA_, sinA_);  // about X
  return {x, y, z};
}
