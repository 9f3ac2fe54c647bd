#include <benchmark/benchmark.h>

#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {

void BM_EvaluateBottom(benchmark::State& state) {
  TBoard board;
  for (auto _ : state) {
    board.Evaluate(7 * kDegree, -4 * kDegree, 37 * kDegree);
    benchmark::DoNotOptimize(board.TotalMoment);
  }
}
BENCHMARK(BM_EvaluateBottom);

void BM_EvaluateMidwater(benchmark::State& state) {
  TBoard board;
  board.Bottom = false;
  for (auto _ : state) {
    board.Evaluate(-22 * kDegree, 13 * kDegree, 30 * kDegree);
    benchmark::DoNotOptimize(board.TotalMoment);
  }
}
BENCHMARK(BM_EvaluateMidwater);

void BM_SolveDefaultDoor(benchmark::State& state) {
  TBoard board;
  board.Bottom = state.range(0) != 0;
  for (auto _ : state) {
    long double x = 0, y = 0, z = 0;
    benchmark::DoNotOptimize(board.Solve(x, y, z, 0.1L));
  }
}
BENCHMARK(BM_SolveDefaultDoor)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
