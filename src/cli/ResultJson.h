#pragma once

#include <nlohmann/json.hpp>

#include "model/SolveResult.h"

class TBoard;
class StabilityMatrix;

// The door's state after an evaluation as one JSON object: mode, angles, totals, the six
// forces with their points, and the balance figures. With a search result, its iterations,
// whether it converged and whether an angle left +-90 degrees on the way are added; with a
// stability matrix, the matrix (kN*m per degree, row by row), its eigenvalues as [real,
// imaginary] pairs and the verdict.
nlohmann::ordered_json ResultJson(const TBoard& board, const SolveResult* search = nullptr,
                                  const StabilityMatrix* stability = nullptr);

// The stability part alone: "stability_matrix", "eigenvalues", "stable".
void AddStabilityJson(nlohmann::ordered_json& j, const StabilityMatrix& stability);
