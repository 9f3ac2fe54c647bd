#pragma once

#include <array>

#include "model/NewtonResult.h"

class TBoard;

// A balance search that treats the three moments as three equations in the three rotation
// angles and solves them by damped Newton steps.
//
// A door can balance in more than one position. The relaxation, which turns the door the way
// the moments push it, settles in the stable one its path leads to; plain Newton steps from the
// same start may jump to another, often unstable, root. So this search keeps to the
// relaxation's path:
// - while the relaxation takes long strides (some angle more than a degree and a half), it
//   takes exactly those strides, since where they land decides the balance;
// - then each step solves (I/h - J) d = M, an implicit step of that path of length h (degrees
//   per N*m), J the Jacobian dM/dtheta by forward differences and carried on between steps by
//   Broyden's update. h starts at many relaxation steps and grows as the moments shrink, so the
//   steps become Newton's; it stays short of 1/lambda of any direction in which the door turns
//   away, where a longer implicit step would run against the path.
// - A step that makes the moment sum grow is refused (this method's line search): the Jacobian
//   is measured afresh, then h is quartered. When nothing helps, one relaxation step is taken.
// No step turns an angle by more than kMaxStepDeg. When this quick pass ends without balance or
// in an unstable position, a careful pass from the start measures the Jacobian at every step,
// and the better end is kept. It starts where the relaxation starts, stops at the same
// tolerance, and the result says what it achieved.
class NewtonSolver {
 public:
  static constexpr int kMaxIterations = 60;
  static constexpr int kMaxRetries = 8;
  static constexpr long double kMaxStepDeg = 10;
  // A step may not make the moment sum grow.
  static constexpr long double kMaxGrowth = 1;
  // Forward-difference step, degrees.
  static constexpr long double kDifferenceDeg = 1e-4L;

  NewtonSolver(TBoard& door, long double tolerance) : door_(door), tolerance_(tolerance) {}

  // Angles in degrees, in/out. Recomputes the geometry first; on return the door holds the
  // evaluation at the angles reached, which are also stored in RotX, RotY, RotZ.
  NewtonResult Solve(long double& x, long double& y, long double& z);

 private:
  using Angles = std::array<long double, 3>;

  // One pass from theta (in/out); returns the moment sum reached. A careful pass measures the
  // Jacobian at every step instead of carrying it on by Broyden's update.
  long double Search(Angles& theta, bool careful, NewtonResult& result);
  // Evaluates at the angles; returns the moments and counts the evaluation.
  Angles MomentsAt(const Angles& angles);

  TBoard& door_;
  long double tolerance_;
  int evaluations_ = 0;
};
