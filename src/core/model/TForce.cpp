#include "model/TForce.h"

void TForce::Set(const XYZ& point, long double fx, long double fy, long double fz) {
  Point = point;
  Force = {fx, fy, fz};
  UpdateMoments();
}

void TForce::Set(long double px, long double py, long double pz, long double fx, long double fy,
                 long double fz) {
  Set(XYZ{px, py, pz}, fx, fy, fz);
}

void TForce::SetRotated(const XYZ& bodyPoint, long double fx, long double fy, long double fz,
                        long double alpha, long double beta, long double gamma) {
  Set(bodyPoint.Rotated(alpha, beta, gamma), fx, fy, fz);
}

void TForce::SetRotated(long double px, long double py, long double pz, long double fx,
                        long double fy, long double fz, long double alpha, long double beta,
                        long double gamma) {
  SetRotated(XYZ{px, py, pz}, fx, fy, fz, alpha, beta, gamma);
}

void TForce::UpdateMoments() {
  const XYZ& p = Point;
  const XYZ& f = Force;
  MomentOfFx = {0, f.X * p.Z, f.X * p.Y};
  MomentOfFy = {f.Y * p.Z, 0, f.Y * p.X};
  MomentOfFz = {f.Z * p.Y, f.Z * p.X, 0};
}
