#include "model/CoefTable.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "TestTolerances.h"
#include "model/DoorInputs.h"
#include "model/Interpolate.h"

namespace {

struct ShapeCase {
  const TableShape* Shape;
  int Capacity;
  std::vector<std::string_view> Columns;
};

class CoefTableShape : public ::testing::TestWithParam<ShapeCase> {};

// A value written through a column's name reads back through its index, and the other way.
TEST_P(CoefTableShape, ColumnsAnswerByIndexAndByName) {
  const ShapeCase& c = GetParam();
  CoefTable t(*c.Shape);
  ASSERT_EQ(t.ColumnCount(), static_cast<int>(c.Columns.size()));
  EXPECT_EQ(t.Capacity(), c.Capacity);
  for (int column = 0; column < t.ColumnCount(); ++column) {
    const std::string_view name = c.Columns[static_cast<std::size_t>(column)];
    EXPECT_EQ(t.ColumnName(column), name);
    EXPECT_EQ(t.ColumnIndex(name), column);
    EXPECT_EQ(t.Column(column).size(), static_cast<std::size_t>(c.Capacity));
    t.At(c.Capacity - 1, name) = column + 0.5L;
    EXPECT_EQ(t.At(c.Capacity - 1, column), column + 0.5L);
    EXPECT_EQ(t.Column(column)[static_cast<std::size_t>(c.Capacity - 1)], column + 0.5L);
  }
  EXPECT_EQ(t.ColumnIndex("Cq"), -1);
  EXPECT_THROW(t.At(0, "Cq"), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, CoefTableShape,
    ::testing::Values(ShapeCase{&kHydroShape, 101, {"Angle", "Cx", "Cy", "Cd"}},
                      ShapeCase{&kStringerHydroShape, 16, {"Angle", "Cx", "Cy", "Cd"}},
                      ShapeCase{&kGroundShape, 101, {"Angle", "Cx"}},
                      ShapeCase{&kKeelGeomShape, 101, {"Zi", "Xi", "Yi"}}),
    [](const auto& info) { return std::string(info.param.Shape->Name); });

TEST(CoefTable, ClearEmptiesEveryRow) {
  DoorInputs board;
  CoefTable& t = board.Hydro;
  t.Clear();
  EXPECT_EQ(t.Count, 0);
  for (int column = 0; column < t.ColumnCount(); ++column) {
    for (const long double value : t.Column(column))
      EXPECT_EQ(value, 0);
  }
}

TEST(CoefTable, InterpolatesAColumnAgainstTheKey) {
  const DoorInputs board;  // Hydro: (10, Cx 0.12, Cy 0.23, Cd 0.3), (20, 0.27, 0.6, 0.35)
  EXPECT_NEAR(Interpolate(board.Hydro, kHydroCx, 15), (0.12L + 0.27L) / 2, kExact);
  EXPECT_NEAR(Interpolate(board.Hydro, kHydroCd, 12), 0.3L + 0.2L * 0.05L, kExact);
  // Keel: (0.146, Xi 2.0), (0.214, Xi 2.342); a look-up by depth.
  EXPECT_NEAR(Interpolate(board.KeelGeom, kKeelXi, 0.18L), 2.0L + 0.5L * 0.342L, kExact);
}

TEST(ValidateTable, DefaultTablesAreSound) {
  const DoorInputs board;
  EXPECT_FALSE(ValidateTable(board.Hydro));
  EXPECT_FALSE(ValidateTable(board.StringerHydro));
  EXPECT_FALSE(ValidateTable(board.Ground));
  EXPECT_FALSE(ValidateTable(board.KeelGeom));
}

TEST(ValidateTable, RowCountMustAllowInterpolation) {
  CoefTable t(kGroundShape);
  t.Count = 1;
  auto problem = ValidateTable(t);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->Row, -1);
  EXPECT_NE(problem->Message.find("at least 2 rows"), std::string::npos);
  t.Count = 0;
  EXPECT_TRUE(ValidateTable(t));
  t.Count = t.Capacity() + 1;
  problem = ValidateTable(t);
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->Message.find("at most 101 rows"), std::string::npos);
}

TEST(ValidateTable, KeysMustStrictlyIncrease) {
  DoorInputs board;
  board.Hydro.At(3, kHydroAngle) = board.Hydro.At(2, kHydroAngle);  // 20, 20
  const auto problem = ValidateTable(board.Hydro);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->Row, 3);
  EXPECT_EQ(problem->Message, "row 4: Angle 20 must be greater than the previous row's 20");
}

TEST(ValidateTable, ValuesMustBeFinite) {
  DoorInputs board;
  board.KeelGeom.At(2, kKeelYi) = std::numeric_limits<long double>::quiet_NaN();
  auto problem = ValidateTable(board.KeelGeom);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->Row, 2);
  EXPECT_EQ(problem->Message, "row 3: Yi is not a finite number");
  board.KeelGeom.At(2, kKeelYi) = 0.1L;
  board.KeelGeom.At(0, kKeelZi) = -std::numeric_limits<long double>::infinity();
  problem = ValidateTable(board.KeelGeom);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->Row, 0);
}

struct KeelCase {
  const char* What;
  int Row;
  int Column;
  long double Value;
  int ProblemRow;  // -1: accepted
  const char* Message;
};

// The default keel (depths 0 .. 0.366, the tip row all zeros) with one value changed.
class KeelTable : public ::testing::TestWithParam<KeelCase> {};

TEST_P(KeelTable, DepthsStartAtTheTipAndWidthsAreNotNegative) {
  const KeelCase& c = GetParam();
  DoorInputs board;
  CoefTable& t = board.KeelGeom;
  t.At(c.Row, c.Column) = c.Value;
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
    {"TipBelowZero", 0, kKeelZi, -0.01L, 0,
     "row 1: Zi -0.01 must not be negative (depths count up from the keel tip)"},
    {"TipAboveZero", 0, kKeelZi, 0.02L, -1, ""},
    {"NegativeChordAtTheTip", 0, kKeelXi, -0.5L, 0, "row 1: Xi -0.5 must not be negative"},
    {"NegativeChordLater", 4, kKeelXi, -2.623L, 4, "row 5: Xi -2.623 must not be negative"},
    {"NegativeThicknessInTheLastRow", 5, kKeelYi, -0.22L, 5,
     "row 6: Yi -0.22 must not be negative"},
    {"ZeroChordAndThicknessAnywhere", 3, kKeelXi, 0, -1, ""},
    // The first problem found is reported: the order of the depths comes first.
    {"DepthsOutOfOrderBeforeSign", 1, kKeelZi, -0.5L, 1,
     "row 2: Zi -0.5 must be greater than the previous row's 0"},
};

INSTANTIATE_TEST_SUITE_P(Cases, KeelTable, ::testing::ValuesIn(kKeelCases),
                         [](const ::testing::TestParamInfo<KeelCase>& info) {
                           return std::string(info.param.What);
                         });

TEST(ValidateTable, StringerCapacityIsSixteen) {
  DoorInputs board;
  board.StringerHydro.Count = 17;
  EXPECT_TRUE(ValidateTable(board.StringerHydro));
}

}  // namespace
