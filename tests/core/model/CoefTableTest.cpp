#include "model/CoefTable.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

#include "model/TBoard.h"

namespace {

TEST(ValidateTable, DefaultTablesAreSound) {
  const TBoard board;
  EXPECT_FALSE(ValidateTable(board.Hydro));
  EXPECT_FALSE(ValidateTable(board.StringerHydro));
  EXPECT_FALSE(ValidateTable(board.Ground));
  EXPECT_FALSE(ValidateTable(board.KeelGeom));
}

TEST(ValidateTable, RowCountMustAllowInterpolation) {
  GroundTable t;
  t.Count = 1;
  auto problem = ValidateTable(t);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->Row, -1);
  EXPECT_NE(problem->Message.find("at least 2 rows"), std::string::npos);
  t.Count = 0;
  EXPECT_TRUE(ValidateTable(t));
  t.Count = GroundTable::Capacity + 1;
  problem = ValidateTable(t);
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->Message.find("at most 101 rows"), std::string::npos);
}

TEST(ValidateTable, KeysMustStrictlyIncrease) {
  TBoard board;
  board.Hydro.Angle[3] = board.Hydro.Angle[2];  // 20, 20
  const auto problem = ValidateTable(board.Hydro);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->Row, 3);
  EXPECT_EQ(problem->Message, "row 4: Angle 20 must be greater than the previous row's 20");
}

TEST(ValidateTable, ValuesMustBeFinite) {
  TBoard board;
  board.KeelGeom.Yi[2] = std::numeric_limits<long double>::quiet_NaN();
  auto problem = ValidateTable(board.KeelGeom);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->Row, 2);
  EXPECT_EQ(problem->Message, "row 3: Yi is not a finite number");
  board.KeelGeom.Yi[2] = 0.1L;
  board.KeelGeom.Zi[0] = -std::numeric_limits<long double>::infinity();
  problem = ValidateTable(board.KeelGeom);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->Row, 0);
}

struct KeelCase {
  const char* What;
  int Row;
  int Column;  // 0 Zi, 1 Xi, 2 Yi
  long double Value;
  int ProblemRow;  // -1: accepted
  const char* Message;
};

// The default keel (depths 0 .. 0.366, the tip row all zeros) with one value changed.
class KeelTable : public ::testing::TestWithParam<KeelCase> {};

TEST_P(KeelTable, DepthsStartAtTheTipAndWidthsAreNotNegative) {
  const KeelCase& c = GetParam();
  TBoard board;
  KeelGeomTable& t = board.KeelGeom;
  std::array<std::array<long double, KeelGeomTable::Capacity>*, 3> columns{&t.Zi, &t.Xi, &t.Yi};
  (*columns[c.Column])[c.Row] = c.Value;
  const auto problem = ValidateTable(t);
  if (c.ProblemRow < 0) {
    EXPECT_FALSE(problem) << problem->Message;
    return;
  }
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->Row, c.ProblemRow);
  EXPECT_EQ(problem->Message, c.Message);
}

const KeelCase kKeelCases[] = {
    {"TipBelowZero", 0, 0, -0.01L, 0,
     "row 1: Zi -0.01 must not be negative (depths count up from the keel tip)"},
    {"TipAboveZero", 0, 0, 0.02L, -1, ""},
    {"NegativeChordAtTheTip", 0, 1, -0.5L, 0, "row 1: Xi -0.5 must not be negative"},
    {"NegativeChordLater", 4, 1, -2.623L, 4, "row 5: Xi -2.623 must not be negative"},
    {"NegativeThicknessInTheLastRow", 5, 2, -0.22L, 5, "row 6: Yi -0.22 must not be negative"},
    {"ZeroChordAndThicknessAnywhere", 3, 1, 0, -1, ""},
    // The first problem found is reported: the order of the depths comes first.
    {"DepthsOutOfOrderBeforeSign", 1, 0, -0.5L, 1,
     "row 2: Zi -0.5 must be greater than the previous row's 0"},
};

INSTANTIATE_TEST_SUITE_P(Cases, KeelTable, ::testing::ValuesIn(kKeelCases),
                         [](const ::testing::TestParamInfo<KeelCase>& info) {
                           return std::string(info.param.What);
                         });

TEST(ValidateTable, StringerCapacityIsSixteen) {
  TBoard board;
  board.StringerHydro.Count = 17;
  EXPECT_TRUE(ValidateTable(board.StringerHydro));
}

}  // namespace
