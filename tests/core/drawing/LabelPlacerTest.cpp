#include "drawing/LabelPlacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "TestTolerances.h"
#include "drawing/DrawingPreparation.h"
#include "drawing/ViewLabels.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "support/DoorLoad.h"

namespace {

// A view of 100 x 50 world units, y up; texts 6 units wide per character and 4 high.
constexpr long double kCharWidth = 6;
constexpr long double kLineHeight = 4;

LabelPlacer::Metrics TestMetrics(long double charWidth = kCharWidth,
                                 long double lineHeight = kLineHeight) {
  LabelPlacer::Metrics metrics;
  metrics.TextWidth = [charWidth](const std::string& text) {
    return charWidth * static_cast<long double>(text.size());
  };
  metrics.TextHeight = -lineHeight;  // the vertical axis runs up the screen
  metrics.GapH = charWidth / 3;
  metrics.GapV = lineHeight / 3;
  metrics.PadH = charWidth / 10;
  metrics.PadV = lineHeight / 10;
  return metrics;
}

struct Rect {
  long double Left, Right, Bottom, Top;
};

// The rectangle a text covers with its top-left corner at (h, v), from the test's own
// metrics: it runs right and down.
Rect TextRect(const std::string& text, long double h, long double v, long double charWidth,
              long double lineHeight) {
  return {h, h + charWidth * static_cast<long double>(text.size()), v - lineHeight, v};
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Bottom < b.Top && b.Bottom < a.Top;
}

bool Within(const Rect& r, const LabelPlacer::Region& view) {
  return r.Left >= view.HMin && r.Right <= view.HMin + view.HExtent && r.Bottom >= view.VMin &&
         r.Top <= view.VMin + view.VExtent;
}

long double DistanceToAnchor(const Rect& r, long double h, long double v) {
  const long double dh = std::max({r.Left - h, 0.0L, h - r.Right});
  const long double dv = std::max({r.Bottom - v, 0.0L, v - r.Top});
  return std::hypot(dh, dv);
}

const LabelPlacer::Region kView{0, 100, 0, 50};

TEST(LabelPlacer, KeepsTheRulesPlaceWhenItIsFree) {
  LabelPlacer placer(kView, TestMetrics());
  const LabelPlacer::Corner at = placer.Place({"Wx", 40, 30, 38, 30});
  EXPECT_EQ(at.H, 40);
  EXPECT_EQ(at.V, 30);
}

TEST(LabelPlacer, LabelRunningOutOfTheViewComesBackBesideItsPoint) {
  struct Case {
    const char* Name;
    LabelRequest Label;
  };
  // Past each edge of the view, the named point just inside it.
  const Case cases[] = {{"right", {"Wy", 99, 20, 98, 20}},
                        {"left", {"C0x", -5, 20, 1, 20}},
                        {"top", {"Gz", 50, 51, 50, 49}},
                        {"bottom", {"Kz", 50, 2, 50, 1}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    LabelPlacer placer(kView, TestMetrics());
    const LabelPlacer::Corner at = placer.Place(c.Label);
    const Rect r = TextRect(c.Label.Text, at.H, at.V, kCharWidth, kLineHeight);
    EXPECT_TRUE(Within(r, kView)) << at.H << " " << at.V;
    // Next to the point it names, not somewhere else in the view.
    EXPECT_LE(DistanceToAnchor(r, c.Label.AnchorH, c.Label.AnchorV), kLineHeight);
  }
}

TEST(LabelPlacer, SecondLabelAtTheSamePlaceGoesBesideTheFirst) {
  // Two bridle points in one place with equal forces: the same place for both labels.
  LabelPlacer placer(kView, TestMetrics());
  const LabelRequest first{"C0x", 30, 20, 28, 20};
  const LabelRequest second{"C1x", 30, 20, 28, 20};
  const LabelPlacer::Corner a = placer.Place(first);
  const LabelPlacer::Corner b = placer.Place(second);
  EXPECT_EQ(a.H, first.H);
  EXPECT_EQ(a.V, first.V);
  const Rect ra = TextRect(first.Text, a.H, a.V, kCharWidth, kLineHeight);
  const Rect rb = TextRect(second.Text, b.H, b.V, kCharWidth, kLineHeight);
  EXPECT_FALSE(Overlap(ra, rb));
  EXPECT_LE(DistanceToAnchor(rb, second.AnchorH, second.AnchorV), 2 * kLineHeight);
}

TEST(LabelPlacer, KeepsOffWhatIsReserved) {
  LabelPlacer placer(kView, TestMetrics());
  placer.Reserve({90, 96, 20, 24});  // an axis letter
  const LabelPlacer::Corner at = placer.Place({"Wy", 88, 23, 87, 23});
  EXPECT_FALSE(Overlap(TextRect("Wy", at.H, at.V, kCharWidth, kLineHeight), Rect{90, 96, 20, 24}));
}

TEST(LabelPlacer, KeepsOffTheLinesItAvoids) {
  // A force arrow straight through the place the rule gives, and one along its edge only.
  struct Case {
    const char* Name;
    LabelPlacer::Segment Line;
    bool Moves;
  };
  const Case cases[] = {
      {"through", {30, 28, 60, 28}, true},
      {"diagonal", {35, 20, 45, 32}, true},
      {"along the top edge", {30, 30, 60, 30}, false},
      {"beside", {60, 0, 60, 50}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    LabelPlacer placer(kView, TestMetrics());
    placer.Avoid(c.Line);
    const LabelPlacer::Corner at = placer.Place({"Wx", 40, 30, 38, 30});
    EXPECT_EQ(at.H != 40 || at.V != 30, c.Moves) << at.H << " " << at.V;
    const Rect r = TextRect("Wx", at.H, at.V, kCharWidth, kLineHeight);
    EXPECT_FALSE(placer.Crosses({r.Left, r.Right, r.Bottom, r.Top}, c.Line));
  }
}

TEST(LabelPlacer, CrossesTellsALineThroughABoxFromOneBesideIt) {
  LabelPlacer placer(kView, TestMetrics());
  const LabelPlacer::Box box{10, 20, 10, 14};
  EXPECT_TRUE(placer.Crosses(box, {0, 12, 30, 12}));    // straight across
  EXPECT_TRUE(placer.Crosses(box, {15, 0, 15, 30}));    // straight down
  EXPECT_TRUE(placer.Crosses(box, {12, 11, 13, 12}));   // wholly inside
  EXPECT_FALSE(placer.Crosses(box, {0, 0, 30, 5}));     // below it
  EXPECT_FALSE(placer.Crosses(box, {0, 30, 9, 12}));    // ends short of it
  EXPECT_FALSE(placer.Crosses(box, {10, 10, 20, 10}));  // along its foot
}

TEST(LabelPlacer, CrowdedCornerStillKeepsEveryLabelInside) {
  // More labels than fit beside one point: each still lies in the view.
  LabelPlacer placer(kView, TestMetrics());
  for (int i = 0; i < 12; ++i) {
    const std::string text = "L" + std::to_string(i);
    const LabelPlacer::Corner at = placer.Place({text, 97, 48, 97, 48});
    EXPECT_TRUE(Within(TextRect(text, at.H, at.V, kCharWidth, kLineHeight), kView)) << text;
  }
}

// ---------------------------------------------------------------------------------------
// The labels of the door's three views

struct DoorCase {
  const char* File;  // empty: the built-in door
  bool Bottom;
  XYZ Angles;  // degrees
};

struct ViewCase {
  const char* Name;
  const ViewAxes* Axes;
};

long double Coord(const XYZ& p, int axis) {
  return axis == 0 ? p.X : (axis == 1 ? p.Y : p.Z);
}

// The region a view shows: the drawing box with a tenth of its size as margin.
LabelPlacer::Region RegionOf(const ViewScale& scale, const ViewAxes& axes) {
  const long double h = Coord(scale.BoxSize, axes.H);
  const long double v = Coord(scale.BoxSize, axes.V);
  return {Coord(scale.BoxLow, axes.H) - h / 10, 1.2L * h, Coord(scale.BoxLow, axes.V) - v / 10,
          1.2L * v};
}

TEST(ViewLabels, NoLabelCoversAnotherOrLeavesItsView) {
  const std::string samples = DOORTRIM_SAMPLE_DOORS;
  const DoorCase doors[] = {
      {"", true, {0, 0, 0}},       {"", false, {0, 0, 0}},        {"", true, {5, -3, 30}},
      {"", false, {-10, 8, 20}},   {"oval", true, {0, 0, 0}},     {"oval", false, {0, 0, 0}},
      {"oval", true, {-3, 2, 28}}, {"oval", false, {12, -6, 35}},
  };
  const ViewCase views[] = {{"side", &kSideAxes}, {"plan", &kPlanAxes}, {"front", &kFrontAxes}};
  bool preferredPlacesClash = false;
  for (const DoorCase& door : doors) {
    DoorInputs inputs;
    if (*door.File != '\0') inputs = LoadedInputs(samples + "/" + door.File + ".brd");
    inputs.Bottom = door.Bottom;
    TBoard board(inputs);
    board.Evaluate(door.Angles.X * kDegree, door.Angles.Y * kDegree, door.Angles.Z * kDegree);
    ViewScale scale;
    ComputeBoundingBox(board.Result(), scale);
    ASSERT_TRUE(ScaleForceArrows(board.Result(), board.Inputs().b, scale));
    for (const ViewCase& view : views) {
      SCOPED_TRACE(std::string(door.File) + (door.Bottom ? " bottom " : " midwater ") + view.Name +
                   " at " + std::to_string(static_cast<double>(door.Angles.Z)));
      const LabelPlacer::Region region = RegionOf(scale, *view.Axes);
      // Label text about as large against the view as the window's label font.
      const long double line = region.VExtent / 25;
      const long double charWidth = 0.6L * line;
      LabelPlacer placer(region, TestMetrics(charWidth, line));
      std::vector<LabelRequest> labels = PointLabels(board, *view.Axes, charWidth, -line);
      const std::vector<LabelRequest> forces =
          ForceLabels(board, scale.ForceScale, *view.Axes, charWidth, -line);
      labels.insert(labels.end(), forces.begin(), forces.end());
      ASSERT_GE(labels.size(), 8u);

      std::vector<Rect> placed;
      std::vector<Rect> preferred;
      for (const LabelRequest& label : labels) {
        const LabelPlacer::Corner at = placer.Place(label);
        const Rect r = TextRect(label.Text, at.H, at.V, charWidth, line);
        EXPECT_TRUE(Within(r, region)) << label.Text;
        for (const Rect& other : placed)
          EXPECT_FALSE(Overlap(r, other)) << label.Text;
        placed.push_back(r);
        const Rect wanted = TextRect(label.Text, label.H, label.V, charWidth, line);
        for (const Rect& other : preferred)
          preferredPlacesClash = preferredPlacesClash || Overlap(wanted, other);
        preferredPlacesClash = preferredPlacesClash || !Within(wanted, region);
        preferred.push_back(wanted);
      }
    }
  }
  // The doors above do put labels over each other or out of the view by the rule alone.
  EXPECT_TRUE(preferredPlacesClash);
}

}  // namespace
