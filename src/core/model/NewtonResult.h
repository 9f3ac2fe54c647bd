#pragma once

// What a Newton balance search achieved, told as it is.
struct NewtonResult {
  bool Converged = false;     // |Mx| + |My| + |Mz| fell below the tolerance
  int Iterations = 0;         // Newton steps taken
  int Evaluations = 0;        // evaluations of the door, difference quotients and the stability
                              // check included
  long double MomentSum = 0;  // |Mx| + |My| + |Mz| at the angles returned, N*m
  // The position returned is statically unstable: some eigenvalue of the stability matrix
  // there has a non-negative real part, so a small turn is not turned back.
  bool StaticallyUnstable = false;
  // Some angle the search held lay beyond +-90 degrees or was not a number.
  bool LeftAngleRange = false;
};
