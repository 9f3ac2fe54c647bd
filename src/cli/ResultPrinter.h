#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "model/SolveResult.h"

class TBoard;
class StabilityMatrix;

// Prints the door's state after an evaluation: one JSON object, or the readable summary
// followed by the stability verdict. `extra` adds its keys to the JSON object (the text
// leaves them out). Returns the first figure that is not a finite number, if any.
std::optional<std::string> PrintResult(
    const TBoard& board, const SolveResult* search, const StabilityMatrix& stability, bool json,
    std::ostream& out, const nlohmann::ordered_json& extra = nlohmann::ordered_json::object());
