#pragma once

#include <nlohmann/json.hpp>

#include "model/SolveResult.h"

class TBoard;

// The door's state after an evaluation as one JSON object: mode, angles, totals, the six
// forces with their points, and the balance figures. With a search result, its iterations,
// whether it converged and whether an angle left +-90 degrees on the way are added.
nlohmann::ordered_json ResultJson(const TBoard& board, const SolveResult* search = nullptr);
