#pragma once

#include "model/XYZ.h"

// One force acting on the door at one point, with the unsigned moment products of its
// components. The signs of the moments are applied when the totals are formed.
class TForce {
 public:
  XYZ Point;       // application point, world frame
  XYZ Force;       // (Fx, Fy, Fz)
  XYZ MomentOfFx;  // (0, Fx*Pz, Fx*Py)
  XYZ MomentOfFy;  // (Fy*Pz, 0, Fy*Px)
  XYZ MomentOfFz;  // (Fz*Py, Fz*Px, 0)

  void Set(const XYZ& point, long double fx, long double fy, long double fz);
  void Set(long double px, long double py, long double pz, long double fx, long double fy,
           long double fz);
  // As Set, with the point given in the body frame and turned by (alpha, beta, gamma).
  void SetRotated(const XYZ& bodyPoint, long double fx, long double fy, long double fz,
                  long double alpha, long double beta, long double gamma);
  void SetRotated(long double px, long double py, long double pz, long double fx, long double fy,
                  long double fz, long double alpha, long double beta, long double gamma);

 private:
  void UpdateMoments();
};
