#include "model/Rotation.h"

#include <math.h>  // sincosl: one argument reduction for both values, which equal sinl and cosl

Rotation::Rotation(long double alpha, long double beta, long double gamma) {
  ::sincosl(alpha, &sinA_, &cosA_);
  ::sincosl(beta, &sinB_, &cosB_);
  ::sincosl(gamma, &sinG_, &cosG_);
}
