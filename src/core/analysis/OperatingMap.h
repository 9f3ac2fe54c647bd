#pragma once

#include <atomic>
#include <vector>

#include "analysis/BalanceOutcome.h"
#include "analysis/MapAxis.h"
#include "analysis/MapNode.h"
#include "model/TBoard.h"

// The balance of a door over a grid of two settings (for instance towing speed against the
// warp point's abscissa). Each node is balanced by continuation from its neighbour:
// - the first column (the first X value, every Y value) is one row of its own, followed from
//   the start angles;
// - each row (one Y value, every X value) then starts from its node of the first column.
// A row depends on nothing but its first node, so the rows can be spread over threads and the
// map comes out the same, bit for bit, on one thread or on many. Each node's balance is judged
// by the stability matrix, as the command line's solve judges it.
//
// The door given is copied; nothing of it changes.
class OperatingMap {
 public:
  // Grids up to this many steps along each axis.
  static constexpr int kMaxSteps = 200;

  OperatingMap(const TBoard& door, MapAxis x, MapAxis y, const AngleTriple& start,
               long double tolerance);

  // Balances every node with `threads` threads (0: one per core). A cancel request (checked
  // between nodes) stops the threads; the nodes done so far keep their Done mark. Returns true
  // when every node was balanced. May be called from a worker thread; NodesDone() may be read
  // meanwhile from another.
  bool Run(int threads = 0, const std::atomic<bool>* cancel = nullptr);

  const MapAxis& XAxis() const { return x_; }
  const MapAxis& YAxis() const { return y_; }
  int NodeCount() const { return x_.Count() * y_.Count(); }
  int NodesDone() const { return done_.load(std::memory_order_relaxed); }
  // Node at the ix-th X value and the iy-th Y value.
  const MapNode& Node(int ix, int iy) const;
  // Row by row: every X value of the first Y value, then of the second, ...
  const std::vector<MapNode>& Nodes() const { return nodes_; }
  // The mode the door was balanced in.
  bool Bottom() const { return door_.Inputs().Bottom; }

 private:
  MapNode& At(int ix, int iy);
  // Balances the node on the given door from `start`; moves start on when it balances.
  void BalanceNode(TBoard& door, int ix, int iy, AngleTriple& start);
  void RunRow(int iy, const std::atomic<bool>* cancel);

  TBoard door_;
  MapAxis x_, y_;
  AngleTriple start_;
  long double tolerance_;
  std::vector<MapNode> nodes_;
  // The start of each row: the first node's balance, or where its search began.
  std::vector<AngleTriple> rowStarts_;
  std::atomic<int> done_{0};
};
