#pragma once

class TBoard;

// One balance search on a door: a damped fixed-point iteration in which each moment turns the
// door about its own axis by kDegree * M / Sensitivity degrees. Each Step evaluates the door at
// the current angles and, unless the moment sum is below the tolerance, moves the angles on.
// The solver runs it to the end at once; the balance window shows every step.
//
// The door's geometry must be current (ComputeGeometry) before the first step; the search
// evaluates the door it was given and leaves the results of its last evaluation there.
class BalanceSearch {
 public:
  // Start angles in degrees; tolerance bounds |Mx| + |My| + |Mz| in N*m. Without
  // turnOutlines the steps leave the drawn outlines as they were (TBoard::EvaluateMoments),
  // for a caller that turns them once the search ends.
  BalanceSearch(TBoard& door, long double x, long double y, long double z, long double tolerance,
                bool turnOutlines = true);

  // Evaluates at the current angles. True when the moment sum is below the tolerance (the
  // angles stay); otherwise the angles take one step and the result is false.
  bool Step();

  // Current angles, degrees: after a step that did not converge, the angles to evaluate next.
  long double X() const { return x_; }
  long double Y() const { return y_; }
  long double Z() const { return z_; }
  // |Mx| + |My| + |Mz| of the last evaluation, N*m (0 before the first step).
  long double MomentSum() const { return momentSum_; }
  int Iterations() const { return iterations_; }  // evaluations made
  bool Converged() const { return converged_; }
  // Some angle the search held (start, any step) lay beyond +-90 degrees or was not a number:
  // the door turned past a plausible position.
  bool LeftAngleRange() const { return leftAngleRange_; }

 private:
  TBoard& door_;
  long double x_, y_, z_;
  long double tolerance_;
  long double momentSum_ = 0;
  int iterations_ = 0;
  bool converged_ = false;
  bool leftAngleRange_ = false;
  bool turnOutlines_ = true;
};
