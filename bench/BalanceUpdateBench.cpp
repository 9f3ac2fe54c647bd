#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>

#include "ScaledCanvas.h"
#include "ThreeViewDrawing.h"
#include "drawing/ViewFlags.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "report/BalanceUpdate.h"

namespace {

// The balance window's three surfaces at their design sizes.
struct Surfaces {
  std::unique_ptr<ScaledCanvas> Side = Make(344, 347);
  std::unique_ptr<ScaledCanvas> Plan = Make(344, 198);
  std::unique_ptr<ScaledCanvas> Front = Make(201, 347);
  ViewScale Scale;

  static std::unique_ptr<ScaledCanvas> Make(int width, int height) {
    auto canvas = std::make_unique<ScaledCanvas>(ScaledCanvas::itMetafile);
    canvas->SetSurfaceSize({width, height});
    canvas->Loaded();
    return canvas;
  }
};

// The angles of the benchmarks, degrees: near the default door's balance position.
constexpr long double kX = 7.2L, kY = -4.3L, kZ = 37.4L;

// What the window's Update does: the evaluations with the stability steps, then the redraw.
void Update(TBoard& board, Surfaces& views) {
  benchmark::DoNotOptimize(EvaluateWithStability(board, kX, kY, kZ));
  ViewFlags flags;
  flags.Points = true;
  const ThreeViewDrawing::Angles a{kX * kDegree, kY * kDegree, kZ * kDegree};
  ThreeViewDrawing::RedrawBalanceViews(board, views.Scale, flags, a, *views.Side, *views.Plan,
                                       *views.Front);
}

// One Update of the balance window: the three one-degree steps for the stability figures, the
// evaluation at the angles themselves, and the redraw of the three views. Arg: 1 bottom
// trawling, 0 midwater.
void BM_BalanceUpdate(benchmark::State& state) {
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.Bottom = state.range(0) != 0; });
  Surfaces views;
  for (auto _ : state) {
    Update(board, views);
    benchmark::DoNotOptimize(views.Side->Picture().size());
  }
}
BENCHMARK(BM_BalanceUpdate)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The same, plus painting the three recorded pictures as the window shows them.
void BM_BalanceUpdateAndPaint(benchmark::State& state) {
  TBoard board;
  Surfaces views;
  for (auto _ : state) {
    Update(board, views);
    for (const ScaledCanvas* pic : {views.Side.get(), views.Plan.get(), views.Front.get()})
      benchmark::DoNotOptimize(pic->Snapshot().constBits());
  }
}
BENCHMARK(BM_BalanceUpdateAndPaint)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

// Fonts need the application object, on the offscreen platform unless one is chosen.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
