#pragma once

#include <array>
#include <optional>

#include "model/Matrix3.h"
#include "model/NewtonResult.h"
#include "model/TBoard.h"

// A balance search that treats the three moments as three equations in the three rotation
// angles and solves them by damped Newton steps, landing where the relaxation lands.
//
// A door can balance in more than one position, and the relaxation, which turns the door the
// way the moments push it, settles in the one its own path leads to; its long strides may even
// carry it past a nearer balance. So this search walks the relaxation's own path, step for step
// with the same arithmetic, and only leaves it for a short cut it can check:
// - It follows the relaxation while its strides are long (some angle more than kFollowedStrideDeg).
// - From there (the anchor) Newton steps find a balance: each solves (I/h - J) d = M, an
//   implicit step of the relaxation's path of length h (degrees per N*m), J = dM/dtheta
//   (along the last stride from the stride itself, across it by forward differences), carried
//   on between steps by Broyden's update; h grows as the moments shrink, so the steps become
//   Newton's. A step that makes the moment sum grow is refused: the Jacobian is measured afresh,
//   then h is quartered.
// - The short cut is taken only when the moments are linear between the anchor and the balance
//   found (the mean of the Jacobians at both ends predicts the anchor's moments), as linear as
//   far past the balance as the relaxation would overshoot it, and the relaxation is drawn into
//   that balance (every eigenvalue of I + J*step lies inside the unit circle): then the
//   relaxation from the anchor goes there too.
// - Otherwise the search goes back to the anchor, follows the relaxation until its strides are
//   a quarter as long, and tries again; after kMaxAttempts it simply goes on with the
//   relaxation to the end, which then is the relaxation's own result. Only where that runs away
//   does a search of its own from the start follow.
// It stops at the same tolerance, and the result says what it achieved, with the stability
// verdict of the position returned (forward differences of StabilityMatrix::kStepDeg).
class NewtonSolver {
 public:
  // Newton steps of one attempt at most.
  static constexpr int kMaxIterations = 20;
  static constexpr int kMaxRetries = 8;
  static constexpr int kMaxAttempts = 4;
  // The relaxation's own step limit, for its steps that the search takes.
  static constexpr int kMaxRelaxationSteps = 500;
  // Steps of every kind one search takes at most: the attempts, the relaxation's own steps and
  // a last search of its own where the relaxation finds nothing.
  static constexpr int kMaxSteps = (kMaxAttempts + 1) * kMaxIterations + kMaxRelaxationSteps;
  static constexpr long double kMaxStepDeg = 10;
  // A step may not make the moment sum grow.
  static constexpr long double kMaxGrowth = 1;
  // Forward-difference step of the Newton steps' Jacobian, degrees.
  static constexpr long double kDifferenceDeg = 1e-4L;
  // Strides of the relaxation followed before the first short cut, degrees.
  static constexpr long double kFollowedStrideDeg = 2.0L;

  NewtonSolver(TBoard& door, long double tolerance) : door_(door), tolerance_(tolerance) {}

  // Angles in degrees, in/out. Recomputes the geometry first; on return the door holds the
  // evaluation at the angles reached, which are also stored in RotX, RotY, RotZ.
  NewtonResult Solve(long double& x, long double& y, long double& z);

 private:
  using Angles = std::array<long double, 3>;

  // Newton steps from theta (in/out) with its moments (in/out); returns the moment sum reached.
  long double Search(Angles& theta, Angles& moments, NewtonResult& result);
  // One step of the relaxation from theta with its moments, in its own arithmetic.
  void RelaxationStep(Angles& theta, Angles& moments, NewtonResult& result);
  // Evaluates at the angles; returns the moments and counts the evaluation.
  Angles MomentsAt(const Angles& angles);
  // The same on the probe, the door's copy for difference quotients and checks.
  Angles ProbeAt(const Angles& angles);
  // dM/dtheta at theta (moments known there), N*m per degree, by forward steps of `step`.
  Matrix3 JacobianAt(const Angles& theta, const Angles& moments, long double step);

  TBoard& door_;
  std::optional<TBoard> probe_;  // made by copying the door, not by building a default one
  long double tolerance_;
  int evaluations_ = 0;
  int relaxationSteps_ = 0;
  Angles lastEvaluated_{};
  // The relaxation's last stride: angles and moments before and after.
  struct Stride {
    Angles FromTheta, FromMoments, ToTheta, ToMoments;
  };
  std::optional<Stride> lastStride_;
  // dM/dtheta at the stride's end: along the stride from the stride itself, across it by
  // forward differences.
  Matrix3 JacobianAlongStride(const Stride& stride);
  std::optional<Matrix3> startJacobian_;  // where the last Search began
                                          // the door holds the evaluation of these angles
};
