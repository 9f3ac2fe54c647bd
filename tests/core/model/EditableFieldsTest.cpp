#include "model/EditableFields.h"

#include <gtest/gtest.h>

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
  EXPECT_FALSE(AssignField(board, "yk=-0.25"));
  EXPECT_EQ(board.yk, -0.25L);
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
  EXPECT_FALSE(AssignField(board, "BridleAngleH=89.9"));
}

}  // namespace
