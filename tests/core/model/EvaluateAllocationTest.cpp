// Evaluate runs thousands of times per balance search: it must not touch the heap.

#include <gtest/gtest.h>

#include <new>
#include <string>

#include "core/model/AllocationCounter.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {

struct Position {
  bool bottom;
  long double x, y, z;  // degrees
};

class EvaluateAllocations : public ::testing::TestWithParam<Position> {};

TEST_P(EvaluateAllocations, NoneInAnEvaluation) {
  const Position& p = GetParam();
  TBoard door;
  door.Edit([&](DoorInputs& d) { d.Bottom = p.bottom; });
  door.Evaluate(p.x * kDegree, p.y * kDegree, p.z * kDegree);  // anything lazily made is made
  const long before = AllocationCount();
  door.Evaluate(p.x * kDegree, p.y * kDegree, p.z * kDegree);
  const long after = AllocationCount();
  EXPECT_EQ(after - before, 0);
  // The counter does count.
  const long beforeProbe = AllocationCount();
  void* probe = ::operator new(16);
  EXPECT_EQ(AllocationCount() - beforeProbe, 1);
  ::operator delete(probe);
}

INSTANTIATE_TEST_SUITE_P(Positions, EvaluateAllocations,
                         ::testing::Values(Position{true, 7.18L, -4.29L, 37.41L},
                                           Position{true, 0, 0, 0},
                                           Position{false, -22.88L, 13.31L, 30.15L}),
                         [](const auto& info) {
                           return std::string(info.param.bottom ? "Bottom" : "Midwater") +
                                  std::to_string(info.index);
                         });

}  // namespace
