#pragma once

#include <functional>

// Called between solver iterations so that a window can repaint and see a stop request.
using ProcessMessages = std::function<void()>;

struct SolveResult {
  int Iterations = 0;      // evaluations made
  bool Converged = false;  // the moment sum fell below the tolerance
};
