#include "report/ResultSummary.h"

#include <sstream>

#include "model/BalanceFigures.h"
#include "model/TBoard.h"
#include "numbers/NumberFormat.h"

namespace {
std::string Triple(long double x, long double y, long double z, std::string_view pattern) {
  return "x " + FormatFloat(pattern, x) + "   y " + FormatFloat(pattern, y) + "   z " +
         FormatFloat(pattern, z);
}
}  // namespace

std::string ResultSummary(const TBoard& board, const SolveResult* search) {
  const BalanceFigures f = ComputeBalanceFigures(board);
  const XYZ& m = board.Result().TotalMoment;
  std::ostringstream out;
  out << "Mode:                 "
      << (board.Inputs().Bottom ? "bottom trawling" : "midwater trawling") << "\n";
  out << "Rotation [deg]:       " << Triple(board.RotX(), board.RotY(), board.RotZ(), "##0.000")
      << "\n";
  out << "Moments [kN*m]:       " << Triple(m.X / 1000, m.Y / 1000, m.Z / 1000, "######0.0000")
      << "\n";
  out << "Resistance [kN]:      " << FormatFloat("#########0.0000", f.ResistanceKN) << "\n";
  out << "Spread force [kN]:    " << FormatFloat("#########0.0000", f.SpreadKN) << "\n";
  out << "Vertical force [kN]:  " << FormatFloat("#########0.0000", f.VerticalKN) << "\n";
  out << "Attack angle [deg]:   " << FormatFloat("#####0.000", f.WingAttackDeg) << "\n";
  if (search) {
    out << "Search:               "
        << (search->Converged ? "balanced after " : "NOT balanced: stopped after ")
        << search->Iterations << " iterations\n";
    if (search->LeftAngleRange) {
      out << "Warning:              an angle went beyond +-90 deg during the search\n";
    }
  }
  return out.str();
}
