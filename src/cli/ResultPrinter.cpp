#include "cli/ResultPrinter.h"

#include <ostream>

#include "balance/ResultSummary.h"
#include "cli/ResultJson.h"

void PrintResult(const TBoard& board, const SolveResult* search, bool json, std::ostream& out) {
  if (json) {
    out << ResultJson(board, search).dump() << "\n";
  } else {
    out << ResultSummary(board, search);
  }
}
