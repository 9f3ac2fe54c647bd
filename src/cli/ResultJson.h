#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

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

// The first figure of a result that is not a finite number, by its place in the object
// ("forces.wing.force[2]", "eigenvalues[1][0]"), or nothing when every one is finite. A value
// too large for a double counts: it reaches the reader as infinity or null.
std::optional<std::string> FirstNonFiniteFigure(const nlohmann::ordered_json& result);
