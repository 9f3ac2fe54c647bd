#include "model/CoefTable.h"

#include <gtest/gtest.h>

#include <limits>

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

TEST(ValidateTable, StringerCapacityIsSixteen) {
  TBoard board;
  board.StringerHydro.Count = 17;
  EXPECT_TRUE(ValidateTable(board.StringerHydro));
}

}  // namespace
