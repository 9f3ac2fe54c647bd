#include "ResultPrinter.h"

#include <ostream>

#include "ResultJson.h"
#include "report/ResultSummary.h"

void PrintResult(const TBoard& board, const SolveResult* search, bool json, std::ostream& out) {
  if (json) {
    out << ResultJson(board, search).dump() << "\n";
  } else {
    out << ResultSummary(board, search);
  }
}
