#pragma once

#include "model/XYZ.h"

// One turn by (alpha, beta, gamma) in the program's convention (about Z, then Y, then X, all
// fixed axes), with its sines and cosines worked out once for the many points of a door.
class Rotation {
 public:
  Rotation(long double alpha, long double beta, long double gamma);
  // Inline: an evaluation turns some forty points.
  XYZ Apply(const XYZ& p) const {
    if (p.X == 0 && p.Y == 0 && p.Z == 0) return {};
    long double x = p.X, y = p.Y, z = p.Z;
    Turn(x, y, cosG_, sinG_);  // about Z
    Turn(x, z, cosB_, sinB_);  // about Y: +X turns towards +Z
    Turn(y, z, cosA_, sinA_);  // about X
    return {x, y, z};
  }
  // Apply(p).Z alone, with the same products (a zero it gives may differ in sign).
  long double ApplyZ(const XYZ& p) const {
    const long double x = p.X * cosG_ - p.Y * sinG_;  // about Z
    const long double y = p.X * sinG_ + p.Y * cosG_;
    const long double z = x * sinB_ + p.Z * cosB_;  // about Y
    return y * sinA_ + z * cosA_;                   // about X
  }

 private:
  // (u, w) turned by the angle whose cosine and sine are given; a pair at the origin stays there.
  static void Turn(long double& u, long double& w, long double c, long double s) {
    if (u == 0 && w == 0) return;
    const long double turnedU = u * c - w * s;
    w = u * s + w * c;
    u = turnedU;
  }

  long double cosA_ = 1, sinA_ = 0, cosB_ = 1, sinB_ = 0, cosG_ = 1, sinG_ = 0;
};
