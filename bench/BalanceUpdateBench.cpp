#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "balance/ThreeViewDrawing.h"
#include "balance/ViewFlags.h"
#include "editors/ScPic.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {

// The balance window's three surfaces at their design sizes.
struct Surfaces {
  std::unique_ptr<ScPic> Side = Make(344, 347);
  std::unique_ptr<ScPic> Plan = Make(344, 198);
  std::unique_ptr<ScPic> Front = Make(201, 347);

  static std::unique_ptr<ScPic> Make(int width, int height) {
    auto pic = std::make_unique<ScPic>(ScPic::itMetafile, ScPic::pfDevice);
    pic->resize(width, height);
    return pic;
  }
};

// One Update of the balance window: the three one-degree steps for the stability figures, the
// evaluation at the angles themselves, and the redraw of the three views. Arg: 1 bottom
// trawling, 0 midwater. The angles are near the default door's balance position.
void BM_BalanceUpdate(benchmark::State& state) {
  TBoard board;
  board.Bottom = state.range(0) != 0;
  Surfaces views;
  ViewFlags flags;
  flags.Points = true;
  const ThreeViewDrawing::Angles a{7.2L * kDegree, -4.3L * kDegree, 37.4L * kDegree};
  for (auto _ : state) {
    board.Evaluate(a[0] + kDegree, a[1], a[2]);
    board.Evaluate(a[0], a[1] + kDegree, a[2]);
    board.Evaluate(a[0], a[1], a[2] + kDegree);
    board.Evaluate(a[0], a[1], a[2]);
    ThreeViewDrawing::RedrawBalanceViews(board, flags, a, *views.Side, *views.Plan, *views.Front);
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
  ViewFlags flags;
  flags.Points = true;
  const ThreeViewDrawing::Angles a{7.2L * kDegree, -4.3L * kDegree, 37.4L * kDegree};
  for (auto _ : state) {
    board.Evaluate(a[0] + kDegree, a[1], a[2]);
    board.Evaluate(a[0], a[1] + kDegree, a[2]);
    board.Evaluate(a[0], a[1], a[2] + kDegree);
    board.Evaluate(a[0], a[1], a[2]);
    ThreeViewDrawing::RedrawBalanceViews(board, flags, a, *views.Side, *views.Plan, *views.Front);
    for (const ScPic* pic : {views.Side.get(), views.Plan.get(), views.Front.get()})
      benchmark::DoNotOptimize(pic->Snapshot().constBits());
  }
}
BENCHMARK(BM_BalanceUpdateAndPaint)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

// Widgets need their application object, on the offscreen platform unless one is chosen.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
