#include "report/SweepCsv.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

std::string Number(long double value) {
  if (!std::isfinite(value)) return "nan";
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", static_cast<double>(value));
  return text;
}

}  // namespace

void WriteSweepCsv(std::ostream& out, std::string_view variable,
                   const std::vector<SweepPoint>& points) {
  WriteSweepCsvHeader(out, variable);
  for (const SweepPoint& p : points)
    WriteSweepCsvRow(out, p);
}

void WriteSweepCsvHeader(std::ostream& out, std::string_view variable) {
  out << variable
      << ",rot_x_deg,rot_y_deg,rot_z_deg,wing_attack_deg,spread_kN,resistance_kN,vertical_kN,"
         "spread_over_resistance,converged,iterations,moment_sum_Nm\n";
}

void WriteSweepCsvRow(std::ostream& out, const SweepPoint& p) {
  out << Number(p.Value) << ',' << Number(p.RotX) << ',' << Number(p.RotY) << ',' << Number(p.RotZ)
      << ',' << Number(p.WingAttackDeg) << ',' << Number(p.SpreadKN) << ','
      << Number(p.ResistanceKN) << ',' << Number(p.VerticalKN) << ','
      << Number(p.SpreadOverResistance) << ',' << (p.Converged ? 1 : 0) << ',' << p.Iterations
      << ',' << Number(p.MomentSum) << '\n';
}
