#pragma once

#include <functional>

// Called between solver iterations so that a window can repaint and see a stop request.
using ProcessMessages = std::function<void()>;

struct SolveResult {
  int Iterations = 0;      // evaluations made
  bool Converged = false;  // the moment sum fell below the tolerance
  // Some angle the search held (start, any step, or the end) lay beyond +-90 degrees or was not
  // a number: the door turned past a plausible position and the result needs a second look.
  bool LeftAngleRange = false;
};
