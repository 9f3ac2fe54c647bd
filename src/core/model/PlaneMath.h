#pragma once

#include <optional>

// Small plane-geometry helpers shared by the vector class, the mechanics and the graphs.

inline constexpr long double kPi = 3.141592653589793238462643383279502884L;
// Degrees to radians; the balance window also uses it as its one-degree step.
inline constexpr long double kDegree = kPi / 180.0L;

// Polar angle of the plane point (u, w), in [0, 2 pi).
long double PolarAngle(long double u, long double w);
long double Hypot(long double a, long double b);

struct RealPair {
  long double First = 0;
  long double Second = 0;
};
// The pair (u, w) rotated by theta.
RealPair RotatePair(long double u, long double w, long double theta);

// Determinant of a 3x3 matrix given row by row.
long double Det3(long double a11, long double a12, long double a13, long double a21,
                 long double a22, long double a23, long double a31, long double a32,
                 long double a33);

// w = A u^2 + B u + C through three points.
struct Parabola {
  long double A = 0;
  long double B = 0;
  long double C = 0;
  long double At(long double u) const { return (A * u + B) * u + C; }
  bool HasVertex() const { return A != 0; }
  long double VertexU() const { return -B / (2 * A); }
};
// True when the three plane points lie on one line (to a relative 1e-12, far below any
// curvature a door's keel has, far above rounding noise).
bool AreCollinear(long double u1, long double w1, long double u2, long double w2, long double u3,
                  long double w3);

// The interpolating quadratic, or nothing when two abscissas coincide.
std::optional<Parabola> ParabolaThrough(long double u1, long double w1, long double u2,
                                        long double w2, long double u3, long double w3);
