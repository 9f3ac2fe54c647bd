#pragma once

#include <array>

#include "model/Matrix3.h"

class TBoard;

// How the three moments answer a small turn of the door at a position: the matrix of
// derivatives dM_i / d(theta_j), kN*m per degree, rows the moments about X, Y, Z and columns
// the turns about X, Y, Z, by central differences. A positive moment turns the door towards
// a positive angle, so a position is statically stable when every eigenvalue of the matrix
// has a negative real part: whatever small turn the door is given, the moments it raises turn
// it back.
class StabilityMatrix {
 public:
  // Half the difference step, degrees: wide enough to step over the small jumps the keel's
  // sinking depth makes, narrow enough to stay in the linear part of the moments.
  static constexpr long double kStepDeg = 0.05L;

  // Evaluates the door around the angles (degrees) and, last, at the angles themselves, so the
  // door is left holding that position's results. The geometry must be current.
  static StabilityMatrix At(TBoard& door, long double x, long double y, long double z);

  const Matrix3& Derivatives() const { return derivatives_; }  // kN*m per degree
  const std::array<Matrix3::Eigenvalue, 3>& Eigenvalues() const { return eigenvalues_; }
  // Every eigenvalue has a negative real part.
  bool Stable() const { return stable_; }

 private:
  Matrix3 derivatives_;
  std::array<Matrix3::Eigenvalue, 3> eigenvalues_{};
  bool stable_ = false;
};
