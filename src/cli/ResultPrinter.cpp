#include "ResultPrinter.h"

#include <ostream>

#include "ResultJson.h"
#include "model/StabilityMatrix.h"
#include "numbers/NumberFormat.h"
#include "report/ResultSummary.h"

namespace {
std::string EigenvalueText(const Matrix3::Eigenvalue& e) {
  constexpr std::string_view kPattern = "####0.0000";
  if (e.imag() == 0) return FormatFloat(kPattern, e.real());
  return FormatFloat(kPattern, e.real()) + (e.imag() < 0 ? " - " : " + ") +
         FormatFloat(kPattern, std::abs(e.imag())) + "i";
}
}  // namespace

std::optional<std::string> PrintResult(const TBoard& board, const SolveResult* search,
                                       const StabilityMatrix& stability, bool json,
                                       std::ostream& out, const nlohmann::ordered_json& extra) {
  nlohmann::ordered_json j = ResultJson(board, search, &stability);
  for (const auto& item : extra.items())
    j[item.key()] = item.value();
  const std::optional<std::string> notFinite = FirstNonFiniteFigure(j);
  if (json) {
    out << j.dump() << "\n";
    return notFinite;
  }
  out << ResultSummary(board, search);
  out << "Stability:            "
      << (stability.Stable() ? "stable" : "NOT stable: a small turn is not turned back") << "\n";
  out << "Eigenvalues [kN*m/deg]:";
  for (const auto& e : stability.Eigenvalues())
    out << "  " << EigenvalueText(e);
  out << "\n";
  return notFinite;
}
