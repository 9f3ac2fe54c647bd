#pragma once

#include <iosfwd>

#include "model/SolveResult.h"

class TBoard;

// Prints the door's state after an evaluation: one JSON object, or the readable summary.
void PrintResult(const TBoard& board, const SolveResult* search, bool json, std::ostream& out);
