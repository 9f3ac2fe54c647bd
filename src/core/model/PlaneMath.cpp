#include "model/PlaneMath.h"

#include <cmath>

long double PolarAngle(long double u, long double w) {
  if (u == 0) {
    if (w > 0) return kPi / 2;
    if (w < 0) return 3 * kPi / 2;
    return 0;
  }
  if (u < 0) {
    if (w == 0) return kPi;
    return std::atan(w / u) + kPi;
  }
  if (w == 0) return 0;
  if (w > 0) return std::atan(w / u);
  return std::atan(w / u) + 2 * kPi;
}

long double Hypot(long double a, long double b) {
  return std::sqrt(a * a + b * b);
}

RealPair RotatePair(long double u, long double w, long double theta) {
  if (u == 0 && w == 0) return {0, 0};
  const long double c = std::cos(theta);
  const long double s = std::sin(theta);
  return {u * c - w * s, u * s + w * c};
}

long double Det3(long double a11, long double a12, long double a13, long double a21,
                 long double a22, long double a23, long double a31, long double a32,
                 long double a33) {
  return a11 * (a22 * a33 - a23 * a32) - a12 * (a21 * a33 - a23 * a31) +
         a13 * (a21 * a32 - a22 * a31);
}

std::optional<Parabola> ParabolaThrough(long double u1, long double w1, long double u2,
                                        long double w2, long double u3, long double w3) {
  if (u1 == u2 || u1 == u3 || u2 == u3) return std::nullopt;
  // Newton's divided differences: w = w1 + d1 (u - u1) + d2 (u - u1)(u - u2).
  const long double d1 = (w2 - w1) / (u2 - u1);
  const long double d2 = ((w3 - w2) / (u3 - u2) - d1) / (u3 - u1);
  Parabola p;
  p.A = d2;
  p.B = d1 - d2 * (u1 + u2);
  p.C = w1 - d1 * u1 + d2 * u1 * u2;
  return p;
}

bool AreCollinear(long double u1, long double w1, long double u2, long double w2, long double u3,
                  long double w3) {
  const long double cross = (u2 - u1) * (w3 - w1) - (w2 - w1) * (u3 - u1);
  const long double scale = Hypot(u2 - u1, w2 - w1) * Hypot(u3 - u1, w3 - w1);
  return std::fabs(cross) <= 1e-12L * scale;
}
