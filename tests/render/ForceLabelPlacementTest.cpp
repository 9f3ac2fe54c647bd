#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLineF>
#include <QRectF>
#include <string>
#include <vector>

#include "ScaledCanvas.h"
#include "ThreeViewDrawing.h"
#include "drawing/ViewFlags.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "render/PictureProbe.h"
#include "support/DoorLoad.h"

namespace {

// The force arrows' colour.
const QColor kForceColour(255, 0, 0);
// A line that only grazes a text's box by rounding to pixels does not strike it through.
constexpr double kGraze = 1.0;

bool Strikes(const QLineF& line, const QRectF& box) {
  const QRectF inner = box.adjusted(kGraze, kGraze, -kGraze, -kGraze);
  if (inner.contains(line.p1()) || inner.contains(line.p2())) return true;
  const QLineF edges[] = {{inner.topLeft(), inner.topRight()},
                          {inner.topRight(), inner.bottomRight()},
                          {inner.bottomRight(), inner.bottomLeft()},
                          {inner.bottomLeft(), inner.topLeft()}};
  for (const QLineF& edge : edges)
    if (line.intersects(edge, nullptr) == QLineF::BoundedIntersection) return true;
  return false;
}

struct Case {
  const char* Door;
  bool Bottom;
};

class ForceLabels : public ::testing::TestWithParam<Case> {};

// At the door's balance, in each of the balance window's three views, no label of a force
// lies over another label or is struck through by a force's arrow.
TEST_P(ForceLabels, NoLabelCrossesAnotherOrAnArrow) {
  const Case c = GetParam();
  DoorInputs inputs = LoadedInputs(std::string(DOORTRIM_SAMPLE_DOORS) + "/" + c.Door);
  inputs.Bottom = c.Bottom;
  TBoard board(inputs);
  long double x = 0;
  long double y = 0;
  long double z = 0;
  board.Solve(x, y, z, 0.1L);
  const ThreeViewDrawing::Angles angles{x * kDegree, y * kDegree, z * kDegree};
  board.Evaluate(angles[0], angles[1], angles[2]);
  ScaledCanvas side(ScaledCanvas::itMetafile);
  ScaledCanvas plan(ScaledCanvas::itMetafile);
  ScaledCanvas front(ScaledCanvas::itMetafile);
  side.SetSurfaceSize({344, 347});
  plan.SetSurfaceSize({344, 198});
  front.SetSurfaceSize({201, 347});
  ViewScale scale;
  ThreeViewDrawing::RedrawBalanceViews(board, scale, ViewFlags{}, angles, side, plan, front);
  for (const auto& [name, view] :
       {std::pair{"side", &side}, std::pair{"plan", &plan}, std::pair{"front", &front}}) {
    SCOPED_TRACE(std::string(c.Door) + (c.Bottom ? " bottom " : " midwater ") + name);
    const PictureProbe probe(view->Picture());
    std::vector<QLineF> arrows;
    for (const ProbeLine& line : probe.Lines)
      if (line.Colour.rgb() == kForceColour.rgb()) arrows.emplace_back(line.From, line.To);
    ASSERT_GE(arrows.size(), 6u);
    std::vector<std::pair<QString, QRectF>> labels;
    for (const ProbeText& text : probe.Texts) {
      if (text.Text.size() < 2) continue;  // the axis letters
      const QFontMetricsF metrics(text.Font);
      labels.emplace_back(
          text.Text,
          QRectF(text.TopLeft, QSizeF(metrics.horizontalAdvance(text.Text), metrics.height())));
    }
    ASSERT_GE(labels.size(), 4u);
    for (std::size_t i = 0; i < labels.size(); ++i) {
      const auto& [text, box] = labels[i];
      for (std::size_t j = 0; j < i; ++j)
        EXPECT_FALSE(box.adjusted(kGraze, kGraze, -kGraze, -kGraze).intersects(labels[j].second))
            << text.toStdString() << " over " << labels[j].first.toStdString();
      for (const QLineF& arrow : arrows)
        EXPECT_FALSE(Strikes(arrow, box))
            << text.toStdString() << " struck by the arrow from (" << arrow.x1() << ", "
            << arrow.y1() << ") to (" << arrow.x2() << ", " << arrow.y2() << ")";
    }
  }
}

// Every arrow has a head: besides its shaft, two short sides meet at its tip.
TEST_P(ForceLabels, ArrowsHaveHeads) {
  const Case c = GetParam();
  DoorInputs inputs = LoadedInputs(std::string(DOORTRIM_SAMPLE_DOORS) + "/" + c.Door);
  inputs.Bottom = c.Bottom;
  TBoard board(inputs);
  board.Evaluate(board.RotX() * kDegree, board.RotY() * kDegree, board.RotZ() * kDegree);
  ScaledCanvas side(ScaledCanvas::itMetafile);
  ScaledCanvas plan(ScaledCanvas::itMetafile);
  ScaledCanvas front(ScaledCanvas::itMetafile);
  side.SetSurfaceSize({344, 347});
  plan.SetSurfaceSize({344, 198});
  front.SetSurfaceSize({201, 347});
  ViewScale scale;
  ThreeViewDrawing::RedrawBalanceViews(
      board, scale, ViewFlags{},
      {board.RotX() * kDegree, board.RotY() * kDegree, board.RotZ() * kDegree}, side, plan, front);
  const PictureProbe probe(side.Picture());
  int shafts = 0;
  int headed = 0;
  for (const ProbeLine& shaft : probe.Lines) {
    if (shaft.Colour.rgb() != kForceColour.rgb() || QLineF(shaft.From, shaft.To).length() < 20)
      continue;
    ++shafts;
    int sides = 0;
    for (const ProbeLine& side : probe.Lines) {
      const double length = QLineF(side.From, side.To).length();
      if (side.Colour.rgb() == kForceColour.rgb() && length > 3 && length < 8 &&
          QLineF(side.From, shaft.To).length() < 1)
        ++sides;
    }
    headed += sides >= 2 ? 1 : 0;
  }
  EXPECT_GE(shafts, 3);
  EXPECT_EQ(headed, shafts);
}

INSTANTIATE_TEST_SUITE_P(
    SampleDoors, ForceLabels,
    ::testing::Values(Case{"default.brd", true}, Case{"default.brd", false}, Case{"oval.brd", true},
                      Case{"oval.brd", false}, Case{"rectangular.brd", true},
                      Case{"rectangular.brd", false}, Case{"spherical.brd", true},
                      Case{"spherical.brd", false}, Case{"vshape.brd", true},
                      Case{"vshape.brd", false}),
    [](const ::testing::TestParamInfo<Case>& info) {
      std::string name = info.param.Door;
      return name.substr(0, name.find('.')) + (info.param.Bottom ? "_bottom" : "_midwater");
    });

}  // namespace
