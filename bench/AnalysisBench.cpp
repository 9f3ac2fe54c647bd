#include <benchmark/benchmark.h>

#include <array>

#include "analysis/CoefficientUncertainty.h"
#include "analysis/OperatingMap.h"
#include "analysis/TargetSolver.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"

// The analyses beyond the balance. The map and the Monte Carlo spread their work over every
// core: they are timed by the wall clock, and their CPU column is that of all threads together
// (on two idle cores the wall time is about half of it). Argument "precise" 1 finds the keel's
// depth to full precision.
namespace {

// A 100 x 100 map of the default door: towing speed 1.5 to 3 m/s against the warp point's
// abscissa 0.9 to 1.4 m, on all cores.
void BM_OperatingMap100(benchmark::State& state) {
  TBoard door;
  door.SetPreciseGround(state.range(0) != 0);
  const MapAxis speed{*FindEditableField("v"), 1.5L, 3, 100};
  const MapAxis warp{*FindEditableField("x0"), 0.9L, 1.4L, 100};
  int unbalanced = 0;
  for (auto _ : state) {
    OperatingMap map(door, speed, warp, {0, 0, 0}, 0.1L);
    map.Run();
    unbalanced = 0;
    for (const MapNode& n : map.Nodes())
      unbalanced += n.Balance.Converged ? 0 : 1;
    benchmark::DoNotOptimize(map.Nodes().data());
  }
  state.counters["unbalanced"] = unbalanced;
}
BENCHMARK(BM_OperatingMap100)
    ->ArgName("precise")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(3);

// 1,000 doors of the Monte Carlo, wing and ground coefficients +-10 %, on all cores.
void BM_MonteCarlo1000(benchmark::State& state) {
  TBoard door;
  door.SetPreciseGround(state.range(0) != 0);
  CoefficientUncertainty::Widths widths;
  widths.WingCx = widths.WingCy = widths.WingCd = widths.GroundCx = 0.1L;
  int balanced = 0;
  for (auto _ : state) {
    CoefficientUncertainty mc(door, widths, 1000, 1, {0, 0, 0}, 0.1L);
    const auto r = mc.Run();
    balanced = r.Balanced;
    benchmark::DoNotOptimize(r.Bands.data());
  }
  state.counters["balanced"] = balanced;
}
BENCHMARK(BM_MonteCarlo1000)
    ->ArgName("precise")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(5);

// Target solves a designer asks for on the default door: the upper bridle height for no heel,
// the warp point for an attack angle of 35 degrees, the upper bridle height for no pitch.
struct TargetCase {
  const char* setting;
  long double from, to;
  TargetQuantity quantity;
  long double target;
  const char* label;
};
constexpr std::array<TargetCase, 3> kTargets = {{
    {"zc0", 1, 5, TargetQuantity::Heel, 0, "zc0 for heel 0"},
    {"x0", 0.8L, 1.6L, TargetQuantity::Attack, 35, "x0 for attack 35"},
    {"zc0", 0.5L, 2, TargetQuantity::Pitch, 0, "zc0 for pitch 0"},
}};

void BM_TargetSolve(benchmark::State& state) {
  const TargetCase& c = kTargets[static_cast<std::size_t>(state.range(0))];
  TBoard door;
  door.SetPreciseGround(state.range(1) != 0);
  state.SetLabel(c.label);
  const EditableField field = *FindEditableField(c.setting);
  int balances = 0;
  for (auto _ : state) {
    TargetSolver solver(door, field, c.from, c.to, c.quantity, c.target, {0, 0, 0}, 0.1L);
    const TargetSolver::Result r = solver.Solve();
    balances = r.Balances;
    benchmark::DoNotOptimize(r.Value);
  }
  state.counters["balances"] = balances;
}
BENCHMARK(BM_TargetSolve)
    ->ArgNames({"case", "precise"})
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
