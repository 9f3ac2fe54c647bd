#include "model/XYZ.h"

#include <cmath>

#include "model/PlaneMath.h"
#include "model/Rotation.h"

long double XYZ::Length() const {
  return std::sqrt(X * X + Y * Y + Z * Z);
}

long double XYZ::AngleToX() const {
  return PolarAngle(X, std::sqrt(Y * Y + Z * Z));
}

long double XYZ::AngleInYZ() const {
  return PolarAngle(Y, Z);
}

long double XYZ::RotatedX(long double alpha, long double beta, long double gamma) const {
  return Rotated(alpha, beta, gamma).X;
}

long double XYZ::RotatedY(long double alpha, long double beta, long double gamma) const {
  return Rotated(alpha, beta, gamma).Y;
}

long double XYZ::RotatedZ(long double alpha, long double beta, long double gamma) const {
  return Rotated(alpha, beta, gamma).Z;
}

XYZ XYZ::Rotated(long double alpha, long double beta, long double gamma) const {
  return Rotation(alpha, beta, gamma).Apply(*this);
}

void XYZ::Rotate(long double alpha, long double beta, long double gamma) {
  *this = Rotated(alpha, beta, gamma);
}

void XYZ::RotateFrom(const XYZ& source, long double alpha, long double beta, long double gamma) {
  *this = source.Rotated(alpha, beta, gamma);
}

long double XYZ::DistanceToPlane(const XYZ& p1, const XYZ& p2, const XYZ& p3) const {
  const long double a = Det3(1, p1.Y, p1.Z, 1, p2.Y, p2.Z, 1, p3.Y, p3.Z);
  const long double b = Det3(1, p1.Z, p1.X, 1, p2.Z, p2.X, 1, p3.Z, p3.X);
  const long double c = Det3(1, p1.X, p1.Y, 1, p2.X, p2.Y, 1, p3.X, p3.Y);
  const long double d = -Det3(p1.X, p1.Y, p1.Z, p2.X, p2.Y, p2.Z, p3.X, p3.Y, p3.Z);
  const long double norm = std::sqrt(a * a + b * b + c * c);
  if (norm == 0) return 0;  // the three points span no plane
  return (a * X + b * Y + c * Z + d) / norm;
}
