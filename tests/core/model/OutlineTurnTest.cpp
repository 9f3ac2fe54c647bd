// The searches evaluate the moments alone and turn the drawn outlines once, when they stop:
// whatever reads the door afterwards (the views, the report) finds the outlines of the angles
// reached, as a fresh evaluation at those angles gives them.

#include <gtest/gtest.h>

#include <functional>

#include "model/BalanceSearch.h"
#include "model/NewtonSolver.h"
#include "model/PlaneMath.h"
#include "model/StabilityMatrix.h"
#include "model/TBoard.h"

namespace {

constexpr long double kTolerance = 0.1L;  // N*m, the balance window's

void ExpectSameOutlines(const TBoard& a, const TBoard& b) {
  EXPECT_EQ(a.Result().PosWingOutline, b.Result().PosWingOutline);
  EXPECT_EQ(a.Result().PosWingAxes, b.Result().PosWingAxes);
  EXPECT_EQ(a.Result().PosStringerOutline, b.Result().PosStringerOutline);
  EXPECT_EQ(a.Result().PosBracket, b.Result().PosBracket);
  EXPECT_EQ(a.Result().PosUpperBridleLine, b.Result().PosUpperBridleLine);
  EXPECT_EQ(a.Result().PosLowerBridleLine, b.Result().PosLowerBridleLine);
}

// A search on the door that leaves the angles it stopped at in RotX, RotY, RotZ.
struct Search {
  const char* name;
  std::function<void(TBoard&)> run;
};

class OutlinesAfterASearch : public ::testing::TestWithParam<Search> {};

TEST_P(OutlinesAfterASearch, AreThoseOfAFreshEvaluationAtTheAnglesReached) {
  for (const bool bottom : {true, false}) {
    SCOPED_TRACE(bottom ? "bottom" : "midwater");
    TBoard searched;
    searched.Edit([&](DoorInputs& d) { d.Bottom = bottom; });
    TBoard fresh = searched;
    GetParam().run(searched);
    // The search moved the door well away from where it started.
    ASSERT_NE(searched.Result().PosWingOutline, fresh.Result().PosWingOutline);
    fresh.Evaluate(searched.RotX() * kDegree, searched.RotY() * kDegree, searched.RotZ() * kDegree);
    ExpectSameOutlines(searched, fresh);
    EXPECT_EQ(searched.Result().TotalMoment, fresh.Result().TotalMoment);
  }
}

INSTANTIATE_TEST_SUITE_P(EverySearch, OutlinesAfterASearch,
                         ::testing::Values(Search{"Relaxation",
                                                  [](TBoard& door) {
                                                    long double x = 0, y = 0, z = 0;
                                                    door.Solve(x, y, z, kTolerance);
                                                  }},
                                           Search{"Newton",
                                                  [](TBoard& door) {
                                                    long double x = 0, y = 0, z = 0;
                                                    NewtonSolver(door, kTolerance).Solve(x, y, z);
                                                  }},
                                           Search{"StabilityMatrix",
                                                  [](TBoard& door) {
                                                    door.SetRotation(10, -5, 30);
                                                    StabilityMatrix::At(door, door.RotX(),
                                                                        door.RotY(), door.RotZ());
                                                  }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EvaluateMoments, GivesTheForcesOfEvaluateAndLeavesTheOutlinesAsTheyWere) {
  for (const bool bottom : {true, false}) {
    SCOPED_TRACE(bottom ? "bottom" : "midwater");
    TBoard full;
    full.Edit([&](DoorInputs& d) { d.Bottom = bottom; });
    TBoard moments = full;
    const TBoard before = full;
    full.Evaluate(0.12L, -0.07L, 0.6L);
    moments.EvaluateMoments(0.12L, -0.07L, 0.6L);
    EXPECT_EQ(moments.Result().TotalMoment, full.Result().TotalMoment);
    EXPECT_EQ(moments.Result().TotalForce, full.Result().TotalForce);
    EXPECT_EQ(moments.Result().PosKeelOrigin, full.Result().PosKeelOrigin);
    ExpectSameOutlines(moments, before);
    // Turning them afterwards gives what the full evaluation gave.
    moments.TurnOutlines();
    ExpectSameOutlines(moments, full);
  }
}

TEST(BalanceSearchSteps, TurnTheOutlinesUnlessAskedNotTo) {
  TBoard drawn;
  TBoard undrawn = drawn;
  const TBoard before = drawn;
  BalanceSearch(drawn, 10, -5, 30, kTolerance).Step();
  BalanceSearch(undrawn, 10, -5, 30, kTolerance, false).Step();
  EXPECT_EQ(undrawn.Result().TotalMoment, drawn.Result().TotalMoment);
  ExpectSameOutlines(undrawn, before);
  undrawn.TurnOutlines();
  ExpectSameOutlines(undrawn, drawn);
}

}  // namespace
