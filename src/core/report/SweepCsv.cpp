#include "report/SweepCsv.h"

#include <cmath>
#include <cstdio>

std::string CsvNumber(long double value) {
  if (!std::isfinite(value)) return "nan";
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", static_cast<double>(value));
  return text;
}

std::string_view SweepCsvBalanceColumns() {
  return "rot_x_deg,rot_y_deg,rot_z_deg,wing_attack_deg,spread_kN,resistance_kN,vertical_kN,"
         "spread_over_resistance,converged,iterations,moment_sum_Nm";
}

void WriteSweepCsvBalanceCells(std::ostream& out, const SweepPoint& p) {
  out << CsvNumber(p.RotX) << ',' << CsvNumber(p.RotY) << ',' << CsvNumber(p.RotZ) << ','
      << CsvNumber(p.WingAttackDeg) << ',' << CsvNumber(p.SpreadKN) << ','
      << CsvNumber(p.ResistanceKN) << ',' << CsvNumber(p.VerticalKN) << ','
      << CsvNumber(p.SpreadOverResistance) << ',' << (p.Converged ? 1 : 0) << ',' << p.Iterations
      << ',' << CsvNumber(p.MomentSum);
}

void WriteSweepCsv(std::ostream& out, std::string_view variable,
                   const std::vector<SweepPoint>& points) {
  WriteSweepCsvHeader(out, variable);
  for (const SweepPoint& p : points)
    WriteSweepCsvRow(out, p);
}

void WriteSweepCsvHeader(std::ostream& out, std::string_view variable) {
  out << variable << ',' << SweepCsvBalanceColumns() << '\n';
}

void WriteSweepCsvRow(std::ostream& out, const SweepPoint& p) {
  out << CsvNumber(p.Value) << ',';
  WriteSweepCsvBalanceCells(out, p);
  out << '\n';
}
