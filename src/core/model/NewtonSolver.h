#pragma once

#include <array>

#include "model/NewtonResult.h"

class TBoard;

// A balance search that treats the three moments as three equations in the three rotation
// angles and solves them by damped Newton steps.
//
// A door can balance in more than one position; the relaxation, which turns the door the way
// the moments push it, settles in the stable one it drifts into, and plain Newton steps from
// the same start may jump to another (often unstable) root. So the damping here follows the
// relaxation's own path: each step solves (I/h - J) d = M, an implicit step of that path of
// length h (degrees per N*m), with J the Jacobian dM/dtheta by forward differences. h starts at
// a few relaxation steps and grows as the moments shrink (by the ratio of the moment sums), so
// that far from the balance the search follows the relaxation and near it becomes Newton's
// method, with its fast convergence. A step that makes the moment sum grow more than
// kMaxGrowth times is refused and retried with h a quarter as long, the Jacobian kept (the
// line search of this method); when kMaxRetries retries do not help, one step of the
// relaxation is taken, so the search always moves on. No step turns an angle by more than
// kMaxStepDeg. Starts where the relaxation starts and stops at the same tolerance.
class NewtonSolver {
 public:
  static constexpr int kMaxIterations = 60;
  static constexpr int kMaxRetries = 8;
  static constexpr long double kMaxStepDeg = 10;
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
