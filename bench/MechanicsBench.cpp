#include <benchmark/benchmark.h>

#include "model/EditableFields.h"
#include "model/NewtonSolver.h"
#include "model/ParameterSweep.h"
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

// The relaxation from zero angles; argument 1 bottom, 0 midwater.
void BM_SolveDefaultDoor(benchmark::State& state) {
  TBoard board;
  board.Bottom = state.range(0) != 0;
  for (auto _ : state) {
    long double x = 0, y = 0, z = 0;
    benchmark::DoNotOptimize(board.Solve(x, y, z, 0.1L));
  }
}
BENCHMARK(BM_SolveDefaultDoor)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The Newton search from the same start, its stability check included.
void BM_NewtonDefaultDoor(benchmark::State& state) {
  TBoard board;
  board.Bottom = state.range(0) != 0;
  for (auto _ : state) {
    long double x = 0, y = 0, z = 0;
    benchmark::DoNotOptimize(NewtonSolver(board, 0.1L).Solve(x, y, z));
  }
}
BENCHMARK(BM_NewtonDefaultDoor)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// 1,000 towing speeds from 1 to 3 m/s, default door, bottom trawling; argument 1 Newton,
// 0 relaxation.
void BM_SweepSpeed(benchmark::State& state) {
  const TBoard board;
  const BalanceMethod method =
      state.range(0) != 0 ? BalanceMethod::Newton : BalanceMethod::Relaxation;
  const EditableField speed = *FindEditableField("v");
  for (auto _ : state) {
    ParameterSweep sweep(board, speed, 1, 3, 1000, method, 0, 0, 0, 0.1L);
    sweep.Run();
    benchmark::DoNotOptimize(sweep.Points().data());
  }
}
BENCHMARK(BM_SweepSpeed)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
