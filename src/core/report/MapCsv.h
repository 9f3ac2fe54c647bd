#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "analysis/MapNode.h"

// An operating map as comma-separated values: a header line, then one line per node in the
// map's order (every X value of the first Y value, then of the second, ...). The columns are
// those of a sweep, headed by the names of the two settings, with "stable" (1 or 0) last;
// numbers as the sweep's table writes them.
void WriteMapCsv(std::ostream& out, std::string_view xName, std::string_view yName,
                 const std::vector<MapNode>& nodes);
