#include "analysis/OperatingMap.h"

#include <algorithm>

#include "analysis/ParallelTasks.h"
#include "model/StabilityMatrix.h"

OperatingMap::OperatingMap(const TBoard& door, MapAxis x, MapAxis y, const AngleTriple& start,
                           long double tolerance)
    : door_(door), x_(x), y_(y), start_(start), tolerance_(tolerance) {
  x_.Steps = std::clamp(x_.Steps, 1, kMaxSteps);
  y_.Steps = std::clamp(y_.Steps, 1, kMaxSteps);
  nodes_.resize(static_cast<std::size_t>(NodeCount()));
  rowStarts_.resize(static_cast<std::size_t>(y_.Count()));
}

const MapNode& OperatingMap::Node(int ix, int iy) const {
  return nodes_[static_cast<std::size_t>(iy * x_.Count() + ix)];
}

MapNode& OperatingMap::At(int ix, int iy) {
  return nodes_[static_cast<std::size_t>(iy * x_.Count() + ix)];
}

void OperatingMap::BalanceNode(TBoard& door, int ix, int iy, AngleTriple& start) {
  MapNode& node = At(ix, iy);
  node.XValue = x_.ValueAt(ix);
  node.YValue = y_.ValueAt(iy);
  door.Edit([this, &node](DoorInputs& inputs) {
    inputs.*(x_.Setting.Field) = node.XValue;
    inputs.*(y_.Setting.Field) = node.YValue;
  });
  const BalanceOutcome balance = BalanceDoor(door, start, tolerance_);
  node.Balance = balance.AsSweepPoint(node.XValue);
  // A balance with a figure that is not a number is no balance.
  node.Balance.Converged = balance.Converged && balance.Finite();
  node.Stable =
      node.Balance.Converged &&
      StabilityMatrix::At(door, balance.Angles[0], balance.Angles[1], balance.Angles[2]).Stable();
  node.Done = true;
  if (node.Balance.Converged) start = balance.Angles;
  done_.fetch_add(1, std::memory_order_relaxed);
}

void OperatingMap::RunRow(int iy, const std::atomic<bool>* cancel) {
  // A fresh copy for each row: what a row finds depends on its first node alone.
  TBoard door = door_;
  AngleTriple start = rowStarts_[static_cast<std::size_t>(iy)];
  for (int ix = 1; ix < x_.Count(); ++ix) {
    if (cancel && cancel->load(std::memory_order_relaxed)) return;
    BalanceNode(door, ix, iy, start);
  }
}

bool OperatingMap::Run(int threads, const std::atomic<bool>* cancel) {
  const auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };
  for (MapNode& node : nodes_)
    node = MapNode{};
  done_.store(0, std::memory_order_relaxed);

  // The first column, one balance followed along Y.
  {
    TBoard door = door_;
    AngleTriple start = start_;
    for (int iy = 0; iy < y_.Count(); ++iy) {
      if (cancelled()) return false;
      rowStarts_[static_cast<std::size_t>(iy)] = start;
      BalanceNode(door, 0, iy, start);
      if (At(0, iy).Balance.Converged) rowStarts_[static_cast<std::size_t>(iy)] = start;
    }
  }

  // The rows, each on whichever thread is free next.
  RunParallelTasks(y_.Count(), threads, cancel, [&](int iy) { RunRow(iy, cancel); });
  return NodesDone() == NodeCount();
}
