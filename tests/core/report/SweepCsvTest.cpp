#include "report/SweepCsv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ',');)
    fields.push_back(field);
  return fields;
}

struct FieldCase {
  const char* Name;
  SweepPoint Point;
  int Column;
  const char* Text;
};

class SweepCsvField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(SweepCsvField, IsWrittenAsAScriptReadsIt) {
  const FieldCase c = GetParam();
  std::ostringstream out;
  WriteSweepCsv(out, "v", {c.Point});
  const std::vector<std::string> lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 2u);
  const std::vector<std::string> fields = Fields(lines[1]);
  ASSERT_EQ(fields.size(), Fields(lines[0]).size());
  EXPECT_EQ(fields[static_cast<std::size_t>(c.Column)], c.Text);
}

SweepPoint With(long double SweepPoint::*field, long double value) {
  SweepPoint p;
  p.*field = value;
  return p;
}

SweepPoint Balanced(bool converged, int iterations) {
  SweepPoint p;
  p.Converged = converged;
  p.Iterations = iterations;
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Columns, SweepCsvField,
    ::testing::Values(FieldCase{"ValueAtFullPrecision", With(&SweepPoint::Value, 0.1L), 0,
                                "0.10000000000000001"},
                      FieldCase{"DecimalPoint", With(&SweepPoint::SpreadKN, 12.5L), 5, "12.5"},
                      FieldCase{"NotANumber",
                                With(&SweepPoint::SpreadOverResistance,
                                     std::numeric_limits<long double>::quiet_NaN()),
                                8, "nan"},
                      FieldCase{"Balanced", Balanced(true, 7), 9, "1"},
                      FieldCase{"NotBalanced", Balanced(false, 500), 9, "0"},
                      FieldCase{"Iterations", Balanced(false, 500), 10, "500"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SweepCsv, HeaderNamesTheVariableAndEveryUnit) {
  std::ostringstream out;
  WriteSweepCsv(out, "BridleAngleH", {});
  EXPECT_EQ(out.str(),
            "BridleAngleH,rot_x_deg,rot_y_deg,rot_z_deg,wing_attack_deg,spread_kN,resistance_kN,"
            "vertical_kN,spread_over_resistance,converged,iterations,moment_sum_Nm\n");
}

}  // namespace
