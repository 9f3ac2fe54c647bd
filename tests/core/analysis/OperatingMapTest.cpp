#include "analysis/OperatingMap.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "TestTolerances.h"
#include "model/EditableFields.h"
#include "model/StabilityMatrix.h"
#include "model/TBoard.h"

namespace {

constexpr long double kBalanceTolerance = 0.1L;  // N*m

MapAxis Axis(const char* name, long double from, long double to, int steps) {
  const auto field = FindEditableField(name);
  EXPECT_TRUE(field) << name;
  return MapAxis{*field, from, to, steps};
}

TEST(MapAxis, RunsFromTheFirstValueToTheLastInEqualSteps) {
  const MapAxis a = Axis("v", 1.5L, 3, 3);
  EXPECT_EQ(a.Count(), 4);
  EXPECT_EQ(a.ValueAt(0), 1.5L);
  EXPECT_EQ(a.ValueAt(1), 2);
  EXPECT_EQ(a.ValueAt(3), 3);
}

struct MapCase {
  const char* name;
  bool bottom;
  bool precise;
};

class OperatingMapNodes : public ::testing::TestWithParam<MapCase> {};

TEST_P(OperatingMapNodes, EachNodeIsTheBalanceOfAFreshSearch) {
  TBoard door;
  door.Edit([&](DoorInputs& d) { d.Bottom = GetParam().bottom; });
  door.SetPreciseGround(GetParam().precise);
  OperatingMap map(door, Axis("v", 1.6L, 2.8L, 4), Axis("x0", 1.0L, 1.3L, 3), {0, 0, 0},
                   kBalanceTolerance);
  EXPECT_TRUE(map.Run());
  ASSERT_EQ(map.Nodes().size(), 20u);
  EXPECT_EQ(map.NodesDone(), 20);
  for (int iy = 0; iy < 4; ++iy) {
    for (int ix = 0; ix < 5; ++ix) {
      const MapNode& node = map.Node(ix, iy);
      EXPECT_TRUE(node.Done);
      EXPECT_EQ(node.XValue, map.XAxis().ValueAt(ix));
      EXPECT_EQ(node.YValue, map.YAxis().ValueAt(iy));
      ASSERT_TRUE(node.Balance.Converged) << ix << " " << iy;
      TBoard fresh = door;
      fresh.Edit([&](DoorInputs& d) { d.v = node.XValue; });
      fresh.Edit([&](DoorInputs& d) { d.x0 = node.YValue; });
      const BalanceOutcome b = BalanceDoor(fresh, {0, 0, 0}, kBalanceTolerance);
      ASSERT_TRUE(b.Converged);
      EXPECT_NEAR(node.Balance.RotX, b.Angles[0], kAngleTol) << ix << " " << iy;
      EXPECT_NEAR(node.Balance.RotY, b.Angles[1], kAngleTol) << ix << " " << iy;
      EXPECT_NEAR(node.Balance.RotZ, b.Angles[2], kAngleTol) << ix << " " << iy;
      EXPECT_NEAR(node.Balance.WingAttackDeg, b.WingAttackDeg, kAngleTol);
      EXPECT_LT(node.Balance.MomentSum, kBalanceTolerance);
      const StabilityMatrix s = StabilityMatrix::At(fresh, b.Angles[0], b.Angles[1], b.Angles[2]);
      EXPECT_EQ(node.Stable, s.Stable()) << ix << " " << iy;
    }
  }
  // The door given is left alone.
  EXPECT_EQ(door.Inputs().v, DoorInputs().v);
  EXPECT_EQ(door.Inputs().x0, DoorInputs().x0);
}

INSTANTIATE_TEST_SUITE_P(Modes, OperatingMapNodes,
                         ::testing::Values(MapCase{"Bottom", true, true},
                                           MapCase{"Midwater", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

bool SameNode(const MapNode& a, const MapNode& b) {
  const SweepPoint& p = a.Balance;
  const SweepPoint& q = b.Balance;
  return a.XValue == b.XValue && a.YValue == b.YValue && a.Stable == b.Stable && a.Done == b.Done &&
         p.Value == q.Value && p.RotX == q.RotX && p.RotY == q.RotY && p.RotZ == q.RotZ &&
         p.WingAttackDeg == q.WingAttackDeg && p.SpreadKN == q.SpreadKN &&
         p.ResistanceKN == q.ResistanceKN && p.VerticalKN == q.VerticalKN &&
         (p.SpreadOverResistance == q.SpreadOverResistance ||
          (std::isnan(p.SpreadOverResistance) && std::isnan(q.SpreadOverResistance))) &&
         p.Converged == q.Converged && p.Iterations == q.Iterations && p.MomentSum == q.MomentSum;
}

TEST(OperatingMap, OneThreadGivesTheMapOfManyBitForBit) {
  TBoard door;  // 1 mm ground: some nodes stall, and those must agree too
  const MapAxis x = Axis("v", 1.5L, 3, 12);
  const MapAxis y = Axis("xc0", 2.4L, 2.9L, 12);
  OperatingMap one(door, x, y, {0, 0, 0}, kBalanceTolerance);
  OperatingMap many(door, x, y, {0, 0, 0}, kBalanceTolerance);
  one.Run(1);
  many.Run(4);
  ASSERT_EQ(one.Nodes().size(), many.Nodes().size());
  int unbalanced = 0;
  for (std::size_t i = 0; i < one.Nodes().size(); ++i) {
    EXPECT_TRUE(SameNode(one.Nodes()[i], many.Nodes()[i])) << i;
    if (!one.Nodes()[i].Balance.Converged) ++unbalanced;
  }
  EXPECT_GT(unbalanced, 0) << "no stalled node was compared";
}

TEST(OperatingMap, CancelStopsWithTheNodesDoneKept) {
  TBoard door;
  door.SetPreciseGround(true);
  OperatingMap map(door, Axis("v", 1.5L, 3, 80), Axis("x0", 0.9L, 1.4L, 80), {0, 0, 0},
                   kBalanceTolerance);
  std::atomic<bool> cancel{false};
  bool complete = true;
  std::thread worker([&] { complete = map.Run(2, &cancel); });
  while (map.NodesDone() < 40)
    std::this_thread::yield();
  cancel = true;
  worker.join();
  EXPECT_FALSE(complete);
  EXPECT_GE(map.NodesDone(), 40);
  EXPECT_LT(map.NodesDone(), map.NodeCount());
  int done = 0;
  for (const MapNode& node : map.Nodes())
    done += node.Done ? 1 : 0;
  EXPECT_EQ(done, map.NodesDone());
}

TEST(OperatingMap, StepsAreKeptWithinTheGrid) {
  TBoard door;
  OperatingMap map(door, Axis("v", 1.5L, 3, 0), Axis("x0", 0.9L, 1.4L, 500), {0, 0, 0},
                   kBalanceTolerance);
  EXPECT_EQ(map.XAxis().Steps, 1);
  EXPECT_EQ(map.YAxis().Steps, OperatingMap::kMaxSteps);
  EXPECT_EQ(map.NodeCount(), 2 * (OperatingMap::kMaxSteps + 1));
}

}  // namespace
