#include "model/EditableFields.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(EditableFields, EveryNameIsUniqueAndFound) {
  for (const EditableField& f : kMainParams) {
    const auto found = FindEditableField(f.Name);
    ASSERT_TRUE(found) << f.Name;
    EXPECT_EQ(found->Field, f.Field);
  }
  EXPECT_EQ(MainParamIndex("y0"), 0);
  EXPECT_EQ(MainParamIndex("F"), 22);
  EXPECT_EQ(MainParamIndex("WaterDensity"), -1);
  EXPECT_TRUE(FindEditableField("zk"));
  EXPECT_FALSE(FindEditableField("bs"));  // the stringer chord is not editable
  EXPECT_FALSE(FindEditableField("Y0"));  // names are case-sensitive
}

TEST(EditableFields, AssignChangesOnlyThatField) {
  DoorInputs board;
  EXPECT_FALSE(AssignField(board, "b=2.5"));
  EXPECT_EQ(board.b, 2.5L);
  EXPECT_EQ(board.bs, 3.4L);
  EXPECT_FALSE(AssignField(board, "z0=1.5"));
  EXPECT_EQ(board.z0, 1.5L);
  EXPECT_NEAR(board.zs, 1.2L, 1e-15L);
  EXPECT_FALSE(AssignField(board, "WaterDensity=1e3"));
  EXPECT_EQ(board.WaterDensity, 1000);
  EXPECT_FALSE(AssignField(board, "yk=0.25"));
  EXPECT_EQ(board.yk, 0.25L);
}

TEST(EditableFields, BadAssignmentsNameTheProblemAndChangeNothing) {
  DoorInputs board;
  const long double before = board.G;
  auto problem = AssignField(board, "Weight=3");
  ASSERT_TRUE(problem);
  EXPECT_EQ(*problem, "unknown field 'Weight'");
  problem = AssignField(board, "G=12,5");
  ASSERT_TRUE(problem);
  EXPECT_EQ(*problem, "malformed number '12,5' for G");
  problem = AssignField(board, "G=");
  ASSERT_TRUE(problem);
  EXPECT_EQ(*problem, "missing value for G");
  problem = AssignField(board, "G");
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("NAME=VALUE"), std::string::npos);
  EXPECT_TRUE(AssignField(board, "G=nan"));
  EXPECT_TRUE(AssignField(board, "G=1e99999"));
  EXPECT_EQ(board.G, before);
  EXPECT_TRUE(AssignField(board, "BridleAngleV=90"));
  EXPECT_TRUE(AssignField(board, "BridleAngleH=-90"));
  EXPECT_FALSE(AssignField(board, "BridleAngleH=88.9"));
}

// Every way into the door accepts what the window's field for it accepts, and no more.
struct LimitCase {
  const char* Assignment;
  const char* Problem;  // empty: accepted
};

class FieldLimitCases : public ::testing::TestWithParam<LimitCase> {};

TEST_P(FieldLimitCases, AssignmentFollowsTheWindowsField) {
  DoorInputs board;
  const DoorInputs before = board;
  const std::optional<std::string> problem = AssignField(board, GetParam().Assignment);
  if (std::string(GetParam().Problem).empty()) {
    EXPECT_FALSE(problem) << *problem;
  } else {
    ASSERT_TRUE(problem) << GetParam().Assignment;
    EXPECT_EQ(*problem, GetParam().Problem);
    EXPECT_EQ(board.G, before.G);
    EXPECT_EQ(board.v, before.v);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldLimitCases,
    ::testing::Values(
        LimitCase{"v=9.99", ""}, LimitCase{"v=-9.99", ""},
        LimitCase{"v=10", "v is out of range: ]-10..10[ (the range of its field)"},
        LimitCase{"v=1e308", "v is out of range: ]-10..10[ (the range of its field)"},
        LimitCase{"G=99999", ""},
        LimitCase{"G=0", "G is out of range: ]0..100000[ (the range of its field)"},
        LimitCase{"G=1e400", "G is out of range: ]0..100000[ (the range of its field)"},
        LimitCase{"G=1e4933",
                  "'1e4933' for G is out of range: ]0..100000[ (the range of its field)"},
        LimitCase{"G=-1e99999",
                  "'-1e99999' for G is out of range: ]0..100000[ (the range of its field)"},
        LimitCase{"R=1e6", "R is out of range: ]0..1000000[ (the range of its field)"},
        LimitCase{"WaterDensity=10000", ""}, LimitCase{"WaterDensity=0", ""},
        LimitCase{"WaterDensity=10000.5",
                  "WaterDensity is out of range: [0..10000] (the range of its field)"},
        LimitCase{"GroundCoef=101",
                  "GroundCoef is out of range: [0..100] (the range of its field)"},
        LimitCase{"BridleAngleH=0",
                  "BridleAngleH is out of range: ]0..89[ (the range of its field)"},
        LimitCase{"BridleAngleV=-89",
                  "BridleAngleV is out of range: ]-89..89[ (the range of its field)"},
        // The keel's coordinates hold 0, the value their fields put in place of a refused one.
        LimitCase{"yk=0", ""}, LimitCase{"zk=0", ""},
        LimitCase{"yk=-0.25", "yk is out of range: ]0..10[ (the range of its field)"},
        LimitCase{"xk=0", "xk is out of range: ]0..10[ (the range of its field)"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
