#pragma once

// A point or vector of the door geometry, in metres, newtons or newton-metres.
//
// Rotation convention of the whole program: a rotation by (alpha, beta, gamma) turns a point
// about the fixed Z axis by gamma, then about the fixed Y axis by beta, then about the fixed
// X axis by alpha. A positive beta turns +X towards +Z, so that for every axis a positive
// moment (as the mechanics signs it) turns the door towards a positive angle.
class XYZ {
 public:
  long double X = 0;
  long double Y = 0;
  long double Z = 0;

  XYZ() = default;
  XYZ(long double x, long double y, long double z) : X(x), Y(y), Z(z) {}

  void Assign(const XYZ& source) { *this = source; }
  long double Length() const;
  // Angle between this vector and +X, in [0, pi].
  long double AngleToX() const;
  // Direction of the projection on the Y-Z plane, from +Y towards +Z, in [0, 2 pi).
  long double AngleInYZ() const;

  long double RotatedX(long double alpha, long double beta, long double gamma) const;
  long double RotatedY(long double alpha, long double beta, long double gamma) const;
  long double RotatedZ(long double alpha, long double beta, long double gamma) const;
  XYZ Rotated(long double alpha, long double beta, long double gamma) const;
  void Rotate(long double alpha, long double beta, long double gamma);
  void RotateFrom(const XYZ& source, long double alpha, long double beta, long double gamma);

  // Signed distance from the plane through p1, p2, p3; positive on the side into which
  // (p2 - p1) x (p3 - p1) points. Collinear plane points define no plane: the result is 0.
  long double DistanceToPlane(const XYZ& p1, const XYZ& p2, const XYZ& p3) const;

  XYZ operator+(const XYZ& o) const { return {X + o.X, Y + o.Y, Z + o.Z}; }
  XYZ operator-(const XYZ& o) const { return {X - o.X, Y - o.Y, Z - o.Z}; }
  XYZ operator*(long double k) const { return {X * k, Y * k, Z * k}; }
  bool operator==(const XYZ& o) const = default;
};
