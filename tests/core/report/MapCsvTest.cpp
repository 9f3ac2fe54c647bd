#include "report/MapCsv.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "report/SweepCsv.h"

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

TEST(MapCsv, HasTheSweepsColumnsAfterBothSettingsAndStableLast) {
  MapNode a;
  a.XValue = 2.5L;
  a.YValue = 1.125L;
  a.Balance.Value = a.XValue;
  a.Balance.RotX = -3.25L;
  a.Balance.Converged = true;
  a.Balance.Iterations = 7;
  a.Stable = true;
  MapNode b = a;
  b.YValue = 1.25L;
  b.Balance.Converged = false;
  b.Stable = false;
  std::ostringstream out;
  WriteMapCsv(out, "v", "x0", {a, b});
  const std::vector<std::string> lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "v,x0," + std::string(SweepCsvBalanceColumns()) + ",stable");
  const std::vector<std::string> header = Fields(lines[0]);
  const std::vector<std::string> first = Fields(lines[1]);
  const std::vector<std::string> second = Fields(lines[2]);
  ASSERT_EQ(first.size(), header.size());
  ASSERT_EQ(second.size(), header.size());
  EXPECT_EQ(first[0], "2.5");
  EXPECT_EQ(first[1], "1.125");
  EXPECT_EQ(first[2], "-3.25");
  EXPECT_EQ(first[10], "1");  // converged
  EXPECT_EQ(first[11], "7");  // iterations
  EXPECT_EQ(first.back(), "1");
  EXPECT_EQ(second[1], "1.25");
  EXPECT_EQ(second[10], "0");
  EXPECT_EQ(second.back(), "0");
}

TEST(MapCsv, ASweepsRowIsItsValueAndTheSameCells) {
  SweepPoint p;
  p.Value = 3;
  p.SpreadKN = 12.5L;
  p.Converged = true;
  std::ostringstream sweep, cells;
  WriteSweepCsv(sweep, "R", {p});
  cells << "R," << SweepCsvBalanceColumns() << "\n3,";
  WriteSweepCsvBalanceCells(cells, p);
  cells << "\n";
  EXPECT_EQ(sweep.str(), cells.str());
}

}  // namespace
