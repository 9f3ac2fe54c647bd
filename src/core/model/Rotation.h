#pragma once

#include "model/XYZ.h"

// One turn by (alpha, beta, gamma) in the program's convention (about Z, then Y, then X, all
// fixed axes), with its sines and cosines worked out once for the many points of a door.
class Rotation {
 public:
  Rotation(long double alpha, long double beta, long double gamma);
  XYZ Apply(const XYZ& p) const;

 private:
  long double cosA_, sinA_, cosB_, sinB_, cosG_, sinG_;
};
