#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <array>
#include <string>

#include "io/DoorFileReader.h"
#include "model/EditableFields.h"
#include "model/NewtonSolver.h"
#include "model/ParameterSweep.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"

namespace {

// At the default door's balance in each mode, as the relaxation finds it.
void BM_EvaluateBottom(benchmark::State& state) {
  TBoard board;
  for (auto _ : state) {
    board.Evaluate(7.18L * kDegree, -4.29L * kDegree, 37.41L * kDegree);
    benchmark::DoNotOptimize(board.Result().TotalMoment);
  }
}
BENCHMARK(BM_EvaluateBottom);

void BM_EvaluateMidwater(benchmark::State& state) {
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.Bottom = false; });
  for (auto _ : state) {
    board.Evaluate(-22.88L * kDegree, 13.31L * kDegree, 30.15L * kDegree);
    benchmark::DoNotOptimize(board.Result().TotalMoment);
  }
}
BENCHMARK(BM_EvaluateMidwater);

// The relaxation from zero angles; argument 1 bottom, 0 midwater.
void BM_SolveDefaultDoor(benchmark::State& state) {
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.Bottom = state.range(0) != 0; });
  for (auto _ : state) {
    long double x = 0, y = 0, z = 0;
    benchmark::DoNotOptimize(board.Solve(x, y, z, 0.1L));
  }
}
BENCHMARK(BM_SolveDefaultDoor)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The Newton search from the same start, its stability check included.
void BM_NewtonDefaultDoor(benchmark::State& state) {
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.Bottom = state.range(0) != 0; });
  for (auto _ : state) {
    long double x = 0, y = 0, z = 0;
    benchmark::DoNotOptimize(NewtonSolver(board, 0.1L).Solve(x, y, z));
  }
}
BENCHMARK(BM_NewtonDefaultDoor)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// Each sample door from the angles its file keeps, both modes: the relaxation and the Newton
// search side by side. Argument 0 is the door, argument 1 the mode (1 bottom).
const std::array<const char*, 5> kSampleDoors = {"default", "oval", "vshape", "spherical",
                                                 "rectangular"};

struct SampleStart {
  TBoard door;
  ViewSettings view;
};

SampleStart LoadSample(const benchmark::State& state) {
  SampleStart s;
  const std::string path = std::string(DOORTRIM_SAMPLE_DOORS) + "/" +
                           kSampleDoors[static_cast<std::size_t>(state.range(0))] + ".brd";
  DoorInputs inputs;
  DoorFileReader::Load(path, inputs, &s.view);
  inputs.Bottom = state.range(1) != 0;
  s.door.SetInputs(inputs);
  return s;
}

void SampleArgs(benchmark::internal::Benchmark* b) {
  for (int door = 0; door < static_cast<int>(kSampleDoors.size()); ++door) {
    for (int bottom : {1, 0})
      b->Args({door, bottom});
  }
}

void BM_SampleRelaxation(benchmark::State& state) {
  SampleStart s = LoadSample(state);
  state.SetLabel(kSampleDoors[static_cast<std::size_t>(state.range(0))]);
  for (auto _ : state) {
    long double x = s.view.Angles[0], y = s.view.Angles[1], z = s.view.Angles[2];
    benchmark::DoNotOptimize(s.door.Solve(x, y, z, 0.1L));
  }
}
BENCHMARK(BM_SampleRelaxation)->Apply(SampleArgs)->Unit(benchmark::kMicrosecond);

void BM_SampleNewton(benchmark::State& state) {
  SampleStart s = LoadSample(state);
  state.SetLabel(kSampleDoors[static_cast<std::size_t>(state.range(0))]);
  for (auto _ : state) {
    long double x = s.view.Angles[0], y = s.view.Angles[1], z = s.view.Angles[2];
    benchmark::DoNotOptimize(NewtonSolver(s.door, 0.1L).Solve(x, y, z));
  }
}
BENCHMARK(BM_SampleNewton)->Apply(SampleArgs)->Unit(benchmark::kMicrosecond);

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

// A sweep written out point by point, as doortrim-cli's sweep writes it: the memory must stay
// flat however many steps it has. The counters give the points held at the end (target: 1)
// and the process's peak resident size (target: the same for 10,000 and 100,000 steps, a few
// tens of MB; the whole run of 100,000 steps measured with /usr/bin/time -v stays near 15 MB).
void BM_SweepStreamedMemory(benchmark::State& state) {
  const TBoard board;
  const EditableField speed = *FindEditableField("v");
  const int steps = static_cast<int>(state.range(0));
  std::size_t kept = 0;
  for (auto _ : state) {
    ParameterSweep sweep(board, speed, 1, 3, steps, BalanceMethod::Newton, 0, 0, 0, 0.1L);
    sweep.KeepOnlyLastPoint();
    while (!sweep.Finished()) {
      sweep.Step();
      benchmark::DoNotOptimize(sweep.LastPoint());
    }
    kept = sweep.Points().size();
  }
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["points_held"] = static_cast<double>(kept);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_SweepStreamedMemory)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
