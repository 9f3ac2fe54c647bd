#include "GraphPlot.h"

#include <gtest/gtest.h>

#include <vector>

#include "ScaledCanvas.h"
#include "render/PictureProbe.h"

namespace {

const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);

// A canvas of one world unit per pixel, y up, recording.
struct Graph {
  ScaledCanvas Canvas{ScaledCanvas::itMetafile};
  Graph() {
    Canvas.SetSurfaceSize({101, 101});
    Canvas.XExtent = 100;
    Canvas.YExtent = 100;
    Canvas.Clear();
  }
  PictureProbe Drawn() {
    Canvas.Finish();
    return PictureProbe(Canvas.Picture());
  }
};

TEST(GraphPlot, CurveJoinsThePointsAndDotsEachOne) {
  Graph graph;
  const std::vector<GraphPlot::WorldPoint> points = {{10, 10}, {50, 60}, {90, 20}};
  std::vector<long double> after;
  GraphPlot::Curve(graph.Canvas, points, kBlue,
                   [&](const GraphPlot::WorldPoint& p) { after.push_back(p.X); });
  const PictureProbe probe = graph.Drawn();
  EXPECT_TRUE(probe.HasLine(kBlue, {10, 90}, {50, 40}));
  EXPECT_TRUE(probe.HasLine(kBlue, {50, 40}, {90, 80}));
  for (const ProbeLine& line : probe.LinesOf(kBlue))
    EXPECT_EQ(line.Width, 2);
  for (const QPointF at : {QPointF(10, 90), QPointF(50, 40), QPointF(90, 80)})
    EXPECT_TRUE(probe.HasDot(kBlue, at, 5)) << at.x();
  EXPECT_EQ(after, (std::vector<long double>{50, 90}));  // every point but the first
}

TEST(GraphPlot, MarkedDotIsWhiteOverThePoint) {
  Graph graph;
  GraphPlot::PlainDot(graph.Canvas, 30, 30, kBlue);
  GraphPlot::MarkDot(graph.Canvas, 30, 30);
  const PictureProbe probe = graph.Drawn();
  EXPECT_TRUE(probe.HasDot(kBlue, {30, 70}, 5));
  EXPECT_TRUE(probe.HasDot(kWhite, {30, 70}, 3));
}

}  // namespace
