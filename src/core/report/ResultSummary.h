#pragma once

#include <string>

#include "model/SolveResult.h"

class TBoard;

// A short readable account of the door in its current position: mode, angles, moments and
// totals. With a search result, one more line says how the search ended, and another warns
// when an angle went beyond +-90 degrees on the way.
std::string ResultSummary(const TBoard& board, const SolveResult* search = nullptr);
