#include "ThreeViewDrawing.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "ScaledCanvas.h"
#include "drawing/ViewFlags.h"
#include "model/PlaneMath.h"
#include "model/Rotation.h"
#include "model/TBoard.h"
#include "render/PictureProbe.h"

namespace {

// Positions: pixel coordinates of the recorded picture against the surface's own mapping.
constexpr qreal kPixelTol = 0.5;
// A dot recorded as a disc may be off its centre by a rounding step.
constexpr qreal kDotTol = 1.0;
// World coordinates after a few multiplications.
constexpr double kWorldTol = 1e-9;

const QColor kWingFill(255, 255, 128);
const QColor kStringerFill(255, 128, 128);
const QColor kWingLines(192, 192, 192);
const QColor kAxes(128, 128, 128);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

using Angles = ThreeViewDrawing::Angles;

Angles Radians(long double x, long double y, long double z) {
  return {x * kDegree, y * kDegree, z * kDegree};
}

// The balance window's three surfaces at their design sizes.
struct Views {
  std::unique_ptr<ScaledCanvas> Side = Make(344, 347);
  std::unique_ptr<ScaledCanvas> Plan = Make(344, 198);
  std::unique_ptr<ScaledCanvas> Front = Make(201, 347);

  static std::unique_ptr<ScaledCanvas> Make(int width, int height) {
    auto canvas = std::make_unique<ScaledCanvas>(ScaledCanvas::itMetafile);
    canvas->SetSurfaceSize({width, height});
    canvas->Loaded();
    return canvas;
  }
  // The drawing state the balance window keeps from one drawing to the next.
  ViewScale Scale;

  void Redraw(const DrawnDoor& board, const ViewFlags& flags, const Angles& angles) {
    ThreeViewDrawing::RedrawBalanceViews(board, Scale, flags, angles, *Side, *Plan, *Front);
  }
};

// The default door evaluated at the given angles (degrees).
TBoard DoorAt(long double x, long double y, long double z, bool bottom = true) {
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.Bottom = bottom; });
  board.Evaluate(x * kDegree, y * kDegree, z * kDegree);
  return board;
}

enum class View { Side, Plan, Front };

long double HOf(View view, const XYZ& p) {
  return view == View::Front ? p.Y : p.X;
}
long double VOf(View view, const XYZ& p) {
  return view == View::Plan ? p.Y : p.Z;
}
QPointF Pixel(const ScaledCanvas& pic, View view, const XYZ& p) {
  return QPointF(pic.XToPixel(HOf(view, p)), pic.YToPixel(VOf(view, p)));
}

// Index of the first fill with that brush colour, or -1.
int FirstFill(const PictureProbe& probe, const QColor& colour) {
  for (std::size_t i = 0; i < probe.Fills.size(); ++i) {
    const ProbeFill& fill = probe.Fills[i];
    if (fill.BrushStyle != Qt::NoBrush && PictureProbe::SameColour(fill.BrushColour, colour))
      return static_cast<int>(i);
  }
  return -1;
}

// A fill whose corners are the four points, in order.
bool HasQuad(const PictureProbe& probe, const QColor& brush, const std::vector<QPointF>& corners) {
  for (const ProbeFill& fill : probe.FillsOf(brush)) {
    if (fill.Points.size() < 4) continue;
    bool same = true;
    for (std::size_t i = 0; i < 4; ++i) {
      const QPointF d = fill.Points[static_cast<int>(i)] - corners[i];
      same = same && std::hypot(d.x(), d.y()) <= kPixelTol;
    }
    if (same) return true;
  }
  return false;
}

const ProbeLine* FindLine(const PictureProbe& probe, const QColor& colour, QPointF a, QPointF b) {
  for (const ProbeLine& line : probe.Lines) {
    if (!PictureProbe::SameColour(line.Colour, colour)) continue;
    const QPointF a1 = line.From - a, b1 = line.To - b, a2 = line.From - b, b2 = line.To - a;
    if ((std::hypot(a1.x(), a1.y()) <= kPixelTol && std::hypot(b1.x(), b1.y()) <= kPixelTol) ||
        (std::hypot(a2.x(), a2.y()) <= kPixelTol && std::hypot(b2.x(), b2.y()) <= kPixelTol))
      return &line;
  }
  return nullptr;
}

bool HasLineFrom(const PictureProbe& probe, const QColor& colour, QPointF from) {
  for (const ProbeLine& line : probe.LinesOf(colour)) {
    const QPointF a = line.From - from;
    const QPointF b = line.To - from;
    if (std::hypot(a.x(), a.y()) <= kPixelTol || std::hypot(b.x(), b.y()) <= kPixelTol) return true;
  }
  return false;
}

bool Finite(QPointF p) {
  return std::isfinite(p.x()) && std::isfinite(p.y());
}

struct Arrow {
  XYZ Point;
  XYZ Force;
};

std::vector<Arrow> Arrows(const TBoard& board) {
  return {{board.Result().PosWingHydro, board.Result().ForceWing.Force},
          {board.Result().PosStringerHydro, board.Result().ForceStringer.Force},
          {board.Result().PosGravity, board.Result().ForceGravity.Force},
          {board.Result().PosUpperBridle, board.Result().ForceUpperBridle.Force},
          {board.Result().PosLowerBridle, board.Result().ForceLowerBridle.Force},
          {board.Result().PosKeelOrigin, board.Result().ForceGround.Force}};
}

bool Inside(long double value, long double start, long double extent) {
  return value >= start - kWorldTol && value <= start + extent + kWorldTol;
}

// ---------------------------------------------------------------------------------------
// Depth order, seen in the order of the fills

TEST(ThreeViewOrder, HiddenFlagPaintsWingBeforeStringer) {
  // Turned half round about Z, the side view looks at the back of the wing: the stringer lies
  // behind it.
  TBoard board = DoorAt(0, 0, 180, false);
  Views views;
  ViewFlags flags;
  flags.Hidden = false;
  views.Redraw(board, flags, Radians(0, 0, 180));
  PictureProbe ordered(views.Side->Picture());
  const int wing = FirstFill(ordered, kWingFill);
  const int stringer = FirstFill(ordered, kStringerFill);
  ASSERT_GE(wing, 0) << ordered.Dump().toStdString();
  ASSERT_GE(stringer, 0);
  EXPECT_LT(stringer, wing);

  flags.Hidden = true;
  views.Redraw(board, flags, Radians(0, 0, 180));
  PictureProbe fixed(views.Side->Picture());
  EXPECT_LT(FirstFill(fixed, kWingFill), FirstFill(fixed, kStringerFill));
}

TEST(ThreeViewOrder, StringerInFrontIsPaintedOverTheWing) {
  // At zero angles the side view looks at the warp side, where the stringer is.
  TBoard board = DoorAt(0, 0, 0);
  Views views;
  views.Redraw(board, ViewFlags{}, Radians(0, 0, 0));
  PictureProbe probe(views.Side->Picture());
  EXPECT_LT(FirstFill(probe, kWingFill), FirstFill(probe, kStringerFill));
}

// ---------------------------------------------------------------------------------------
// What one view is made of

TEST(ThreeViewParts, SideViewOutlinesLinesAxesAndLetters) {
  TBoard board = DoorAt(6, -4, 25);
  Views views;
  views.Redraw(board, ViewFlags{}, Radians(6, -4, 25));
  const ScaledCanvas& side = *views.Side;
  PictureProbe probe(side.Picture());
  const auto px = [&](const XYZ& p) { return Pixel(side, View::Side, p); };

  const auto& wing = board.Result().PosWingOutline;
  const std::vector<QPointF> wingCorners = {px(wing[0]), px(wing[1]), px(wing[2]), px(wing[3])};
  EXPECT_TRUE(HasQuad(probe, kWingFill, wingCorners)) << probe.Dump().toStdString();
  // The edges again with a clear brush, over the grey reference lines.
  bool outlineAgain = false;
  for (const ProbeFill& fill : probe.Fills) {
    if (fill.BrushStyle != Qt::NoBrush || fill.Points.size() < 4) continue;
    const QPointF d = fill.Points[0] - wingCorners[0];
    if (std::hypot(d.x(), d.y()) <= kPixelTol && PictureProbe::SameColour(fill.PenColour, kBlack))
      outlineAgain = true;
  }
  EXPECT_TRUE(outlineAgain);
  EXPECT_TRUE(probe.HasLine(kWingLines, px(board.Result().PosWingAxes[0]),
                            px(board.Result().PosWingAxes[1])));
  EXPECT_TRUE(probe.HasLine(kWingLines, px(board.Result().PosWingAxes[2]),
                            px(board.Result().PosWingAxes[3])));

  const auto& str = board.Result().PosStringerOutline;
  EXPECT_TRUE(HasQuad(probe, kStringerFill, {px(str[0]), px(str[1]), px(str[2]), px(str[3])}));

  const ProbeLine* bracket =
      FindLine(probe, kBlack, px(board.Result().PosBracket[0]), px(board.Result().PosBracket[1]));
  ASSERT_NE(bracket, nullptr);
  EXPECT_EQ(bracket->Width, 5);
  EXPECT_TRUE(probe.HasLine(kBlack, px(board.Result().PosUpperBridleLine[0]),
                            px(board.Result().PosUpperBridleLine[1])));
  EXPECT_TRUE(probe.HasLine(kBlack, px(board.Result().PosLowerBridleLine[0]),
                            px(board.Result().PosLowerBridleLine[1])));

  // The axes through the warp point, each with an arrowhead, and their letters.
  const long double dh = side.XExtent / 100;
  const long double dv = side.YExtent / 100;
  const auto at = [&](long double h, long double v) {
    return QPointF(side.XToPixel(h), side.YToPixel(v));
  };
  const long double hmin = side.XMin;
  const long double vmin = side.YMin;
  EXPECT_TRUE(probe.HasLine(kAxes, at(hmin + 2.5L * dh, 0), at(hmin + 97.5L * dh, 0)));
  EXPECT_TRUE(probe.HasLine(kAxes, at(hmin + 97.5L * dh, 0), at(hmin + 95 * dh, dv)));
  EXPECT_TRUE(probe.HasLine(kAxes, at(hmin + 97.5L * dh, 0), at(hmin + 95 * dh, -dv)));
  EXPECT_TRUE(probe.HasLine(kAxes, at(0, vmin + 2.5L * dv), at(0, vmin + 97.5L * dv)));
  EXPECT_TRUE(probe.HasLine(kAxes, at(0, vmin + 97.5L * dv), at(dh, vmin + 95 * dv)));
  EXPECT_TRUE(probe.HasLine(kAxes, at(0, vmin + 97.5L * dv), at(-dh, vmin + 95 * dv)));
  const ProbeText* x = probe.FindText("x");
  const ProbeText* z = probe.FindText("z");
  ASSERT_NE(x, nullptr);
  ASSERT_NE(z, nullptr);
  EXPECT_NEAR(x->TopLeft.x(), at(hmin + 95 * dh, -2 * dv).x(), 1.0);
  EXPECT_NEAR(z->TopLeft.y(), at(2 * dh, vmin + 95 * dv).y(), 1.0);
  EXPECT_EQ(probe.FindText("y"), nullptr);
}

TEST(ThreeViewParts, FrontAndPlanViewsUseTheirAxes) {
  TBoard board = DoorAt(-3, 5, 30);
  Views views;
  views.Redraw(board, ViewFlags{}, Radians(-3, 5, 30));
  PictureProbe plan(views.Plan->Picture());
  PictureProbe front(views.Front->Picture());
  const auto& w = board.Result().PosWingOutline;
  const auto pl = [&](const XYZ& p) { return Pixel(*views.Plan, View::Plan, p); };
  const auto fr = [&](const XYZ& p) { return Pixel(*views.Front, View::Front, p); };
  EXPECT_TRUE(HasQuad(plan, kWingFill, {pl(w[0]), pl(w[1]), pl(w[2]), pl(w[3])}));
  EXPECT_TRUE(HasQuad(front, kWingFill, {fr(w[0]), fr(w[1]), fr(w[2]), fr(w[3])}));
  EXPECT_NE(plan.FindText("x"), nullptr);
  EXPECT_NE(plan.FindText("y"), nullptr);
  EXPECT_EQ(plan.FindText("z"), nullptr);
  EXPECT_NE(front.FindText("y"), nullptr);
  EXPECT_NE(front.FindText("z"), nullptr);
  EXPECT_EQ(front.FindText("x"), nullptr);
}

// ---------------------------------------------------------------------------------------
// Points, forces and labels

TEST(ThreeViewPoints, LettersNextToTheirPoints) {
  TBoard board = DoorAt(4, 2, 28);
  Views views;
  ViewFlags flags;
  flags.Points = true;
  flags.Forces = false;
  views.Redraw(board, flags, Radians(4, 2, 28));
  PictureProbe probe(views.Side->Picture());
  const struct {
    const char* Letter;
    XYZ Point;
  } points[] = {{"W", board.Result().PosWingHydro},    {"S", board.Result().PosStringerHydro},
                {"K", board.Result().PosKeelOrigin},   {"G", board.Result().PosGravity},
                {"C0", board.Result().PosUpperBridle}, {"C1", board.Result().PosLowerBridle}};
  const int letterWidth = QFontMetrics(views.Side->SurfaceFont()).horizontalAdvance("A");
  for (const auto& point : points) {
    const QPointF at = Pixel(*views.Side, View::Side, point.Point);
    EXPECT_TRUE(probe.HasDot(kRed, at, 5, kDotTol)) << point.Letter;
    const ProbeText* letter = probe.FindText(point.Letter);
    ASSERT_NE(letter, nullptr) << point.Letter;
    // A third of a letter right of and above the point.
    EXPECT_GT(letter->TopLeft.x(), at.x()) << point.Letter;
    EXPECT_LT(letter->TopLeft.x(), at.x() + letterWidth) << point.Letter;
    EXPECT_LT(letter->TopLeft.y(), at.y()) << point.Letter;
    EXPECT_EQ(letter->Font.pointSize(), 8) << point.Letter;
  }
  // No force is drawn with the forces flag off.
  EXPECT_EQ(probe.FindText("Wx"), nullptr);
}

TEST(ThreeViewPoints, StringerOfNoAreaHasNoLetterButOutlineAndForce) {
  TBoard board;
  board.Edit([&](DoorInputs& d) { d.Fs = 0; });
  board.Evaluate(3 * kDegree, 1 * kDegree, 27 * kDegree);
  // A stringer of no area carries nothing; give its force record a value to see it drawn.
  Evaluation result = board.Result();
  result.ForceStringer.Force = {-900, 2500, 1200};
  Views views;
  ViewFlags flags;
  flags.Points = true;
  views.Redraw(DrawnDoor(board.Inputs(), result), flags, Radians(3, 1, 27));
  PictureProbe probe(views.Side->Picture());
  EXPECT_EQ(probe.FindText("S"), nullptr);
  EXPECT_NE(probe.FindText("W"), nullptr);
  EXPECT_FALSE(probe.FillsOf(kStringerFill).empty());
  const QPointF s = Pixel(*views.Side, View::Side, board.Result().PosStringerHydro);
  EXPECT_TRUE(HasLineFrom(probe, kRed, s));
  EXPECT_NE(probe.FindText("Sx"), nullptr);
  EXPECT_NE(probe.FindText("Sz"), nullptr);
}

TEST(ThreeViewPoints, MidwaterHasNoKeelPointOrGroundForceButKeelDots) {
  for (bool keelRotation : {true, false}) {
    TBoard board = DoorAt(5, -6, 32, false);
    Views views;
    ViewFlags flags;
    flags.Points = true;
    views.Redraw(board, flags, Radians(0, 0, 0));  // sets the ranges
    const Angles angles = Radians(5, -6, 32);
    views.Side->Clear();
    ThreeViewDrawing::DrawXZ(board, views.Scale, *views.Side, flags, keelRotation, angles);
    views.Side->Finish();
    PictureProbe probe(views.Side->Picture());
    EXPECT_EQ(probe.FindText("K"), nullptr);
    EXPECT_EQ(probe.FindText("Kx"), nullptr);
    EXPECT_EQ(probe.FindText("Kz"), nullptr);
    EXPECT_FALSE(
        HasLineFrom(probe, kRed, Pixel(*views.Side, View::Side, board.Result().PosKeelOrigin)));
    EXPECT_NE(probe.FindText("W"), nullptr);

    // Keel dots: both ends of every row but the tip's, turned with the door when asked.
    const Rotation turn =
        keelRotation ? Rotation(angles[0], angles[1], angles[2]) : Rotation(0, 0, 0);
    const CoefTable& keel = board.Inputs().KeelGeom;
    int expected = 0;
    for (int i = 0; i < keel.Count; ++i) {
      for (int end : {-1, 1}) {
        if (i == 0 && end == 1) continue;
        const XYZ body{board.Inputs().x0 - board.Inputs().xk + end * keel.At(i, kKeelXi) / 2,
                       board.Inputs().y0 + board.Inputs().yk,
                       board.Inputs().zk - board.Inputs().z0 + keel.At(i, kKeelZi)};
        const QPointF at = Pixel(*views.Side, View::Side, turn.Apply(body));
        EXPECT_TRUE(probe.HasDot(kBlack, at, 3, kDotTol)) << "row " << i << " end " << end;
        ++expected;
      }
    }
    EXPECT_EQ(expected, 2 * keel.Count - 1);
  }
}

TEST(ThreeViewPoints, BottomTrawlingShowsKeelPointAndGroundForce) {
  TBoard board = DoorAt(5, -6, 32, true);
  ASSERT_GT(std::fabs(board.Result().ForceGround.Force.Z), 10);
  Views views;
  ViewFlags flags;
  flags.Points = true;
  views.Redraw(board, flags, Radians(5, -6, 32));
  PictureProbe probe(views.Side->Picture());
  EXPECT_NE(probe.FindText("K"), nullptr);
  EXPECT_NE(probe.FindText("Kz"), nullptr);
  EXPECT_TRUE(
      HasLineFrom(probe, kRed, Pixel(*views.Side, View::Side, board.Result().PosKeelOrigin)));
}

TEST(ThreeViewForces, LMarkOfTheWingForce) {
  TBoard board = DoorAt(2, 3, 30);
  Views views;
  views.Redraw(board, ViewFlags{}, Radians(2, 3, 30));
  const ScaledCanvas& plan = *views.Plan;
  PictureProbe probe(plan.Picture());
  const long double k = views.Scale.ForceScale;
  const XYZ& w = board.Result().PosWingHydro;
  const XYZ& f = board.Result().ForceWing.Force;
  const QPointF point = Pixel(plan, View::Plan, w);
  const QPointF vertical(plan.XToPixel(w.X), plan.YToPixel(w.Y + k * f.Y));
  const QPointF horizontal(plan.XToPixel(w.X + k * f.X), plan.YToPixel(w.Y));
  EXPECT_TRUE(probe.HasLine(kRed, vertical, point));
  EXPECT_TRUE(probe.HasLine(kRed, point, horizontal));
  ASSERT_GT(std::fabs(f.X), 10);
  ASSERT_GT(std::fabs(f.Y), 10);
  const ProbeText* wx = probe.FindText("Wx");
  const ProbeText* wy = probe.FindText("Wy");
  ASSERT_NE(wx, nullptr);
  ASSERT_NE(wy, nullptr);
  // "Wx" starts just past the horizontal tip, at its height or, where the arrow's head
  // would strike it through there, a line above or below.
  EXPECT_GT(wx->TopLeft.x(), horizontal.x());
  EXPECT_NEAR(wx->TopLeft.y(), horizontal.y(), 2 * QFontMetricsF(wx->Font).height());
  EXPECT_EQ(wx->Font.pointSize(), 8);
  EXPECT_GT(wy->TopLeft.x(), vertical.x());
}

TEST(ThreeViewForces, LabelsOnlyAboveTenNewtons) {
  const TBoard door = DoorAt(2, 3, 30);
  Evaluation result = door.Result();
  result.ForceWing.Force = {-10, 10.5L, 9.99L};
  result.ForceUpperBridle.Force = {-10.01L, -3, 10};
  const DrawnDoor board(door.Inputs(), result);
  Views views;
  views.Redraw(board, ViewFlags{}, Radians(2, 3, 30));
  PictureProbe side(views.Side->Picture());
  PictureProbe plan(views.Plan->Picture());
  PictureProbe front(views.Front->Picture());
  EXPECT_EQ(side.FindText("Wx"), nullptr);
  EXPECT_EQ(side.FindText("Wz"), nullptr);
  EXPECT_EQ(plan.FindText("Wx"), nullptr);
  EXPECT_NE(plan.FindText("Wy"), nullptr);
  EXPECT_NE(front.FindText("Wy"), nullptr);
  EXPECT_EQ(front.FindText("Wz"), nullptr);
  EXPECT_NE(side.FindText("C0x"), nullptr);
  EXPECT_EQ(side.FindText("C0z"), nullptr);
  EXPECT_EQ(front.FindText("C0y"), nullptr);
  // The big components keep their labels.
  EXPECT_NE(side.FindText("Gz"), nullptr);
  EXPECT_NE(side.FindText("C1x"), nullptr);
  EXPECT_NE(side.FindText("C1z"), nullptr);
  EXPECT_NE(front.FindText("C1y"), nullptr);
  EXPECT_NE(plan.FindText("C1y"), nullptr);

  // Without the labels flag the marks stay and the texts go.
  ViewFlags noLabels;
  noLabels.Labels = false;
  views.Redraw(board, noLabels, Radians(2, 3, 30));
  PictureProbe bare(views.Side->Picture());
  EXPECT_EQ(bare.FindText("Gz"), nullptr);
  EXPECT_EQ(bare.FindText("C1x"), nullptr);
  EXPECT_FALSE(bare.LinesOf(kRed).empty());
}

TEST(ThreeViewForces, PlanViewGravityIsADotWithoutLabel) {
  TBoard board = DoorAt(1, -2, 26);
  Views views;
  views.Redraw(board, ViewFlags{}, Radians(1, -2, 26));
  PictureProbe plan(views.Plan->Picture());
  EXPECT_TRUE(
      plan.HasDot(kRed, Pixel(*views.Plan, View::Plan, board.Result().PosGravity), 0, kDotTol));
  EXPECT_EQ(plan.FindText("Gy"), nullptr);
  // The side view draws it down from G, G * ForceScale long, labelled.
  PictureProbe side(views.Side->Picture());
  const XYZ& g = board.Result().PosGravity;
  const QPointF from = Pixel(*views.Side, View::Side, g);
  const QPointF to(
      views.Side->XToPixel(g.X),
      views.Side->YToPixel(g.Z + views.Scale.ForceScale * board.Result().ForceGravity.Force.Z));
  EXPECT_TRUE(side.HasLine(kRed, from, to));
  EXPECT_NE(side.FindText("Gz"), nullptr);
}

TEST(ThreeViewForces, ForcesOffKeepTheScaleAndDrawNoArrows) {
  TBoard board = DoorAt(2, 3, 30);
  Views views;
  views.Scale.ForceScale = 0.125L;
  views.Scale.MaxForce = 7;
  ViewFlags flags;
  flags.Forces = false;
  views.Redraw(board, flags, Radians(2, 3, 30));
  EXPECT_EQ(views.Scale.ForceScale, 0.125L);
  EXPECT_EQ(views.Scale.MaxForce, 7);
  for (const ScaledCanvas* pic : {views.Side.get(), views.Plan.get(), views.Front.get()}) {
    PictureProbe probe(pic->Picture());
    EXPECT_TRUE(probe.LinesOf(kRed).empty());
    EXPECT_FALSE(probe.FillsOf(kWingFill).empty());
  }
}

// ---------------------------------------------------------------------------------------
// The region shown and the shared ranges

TEST(ThreeViewRegion, OriginAndEveryArrowTipAreShown) {
  const XYZ positions[] = {{0, 0, 0}, {10, -5, 30}, {-25, 15, 45}, {40, -30, -20}};
  for (bool bottom : {true, false}) {
    for (const XYZ& a : positions) {
      TBoard board = DoorAt(a.X, a.Y, a.Z, bottom);
      Views views;
      views.Redraw(board, ViewFlags{}, Radians(a.X, a.Y, a.Z));
      const ScaledCanvas& side = *views.Side;
      const ScaledCanvas& plan = *views.Plan;
      const ScaledCanvas& front = *views.Front;
      const XYZ& size = views.Scale.BoxSize;
      // The warp point lies at least a tenth of the box from every edge.
      EXPECT_GE(0 - side.XMin, 0.1L * size.X - kWorldTol);
      EXPECT_GE(side.XMin + side.XExtent, 0.1L * size.X - kWorldTol);
      EXPECT_GE(0 - side.YMin, 0.1L * size.Z - kWorldTol);
      EXPECT_GE(side.YMin + side.YExtent, 0.1L * size.Z - kWorldTol);
      EXPECT_GE(0 - plan.YMin, 0.1L * size.Y - kWorldTol);
      EXPECT_GE(plan.YMin + plan.YExtent, 0.1L * size.Y - kWorldTol);

      // The longest component is a third of the chord.
      EXPECT_NEAR(views.Scale.MaxForce * views.Scale.ForceScale, board.Inputs().b / 3, kWorldTol);
      for (const Arrow& arrow : Arrows(board)) {
        const XYZ tip = arrow.Point + arrow.Force * views.Scale.ForceScale;
        EXPECT_TRUE(Inside(tip.X, side.XMin, side.XExtent)) << a.X << " " << a.Y << " " << a.Z;
        EXPECT_TRUE(Inside(tip.Z, side.YMin, side.YExtent));
        EXPECT_TRUE(Inside(tip.X, plan.XMin, plan.XExtent));
        EXPECT_TRUE(Inside(tip.Y, plan.YMin, plan.YExtent));
        EXPECT_TRUE(Inside(tip.Y, front.XMin, front.XExtent));
        EXPECT_TRUE(Inside(tip.Z, front.YMin, front.YExtent));
      }
    }
  }
}

TEST(ThreeViewRegion, ViewsShareTheirCommonAxes) {
  // A tall door too: its side view widens x and its front view widens y beyond what the plan
  // view needs, so the plan view takes both ranges over.
  for (const XYZ& a : {XYZ{0, 0, 0}, XYZ{8, -12, 35}, XYZ{-30, 20, 60}, XYZ{0, 0, 1}}) {
    TBoard board;
    if (a == XYZ{0, 0, 1}) {
      board.Edit([&](DoorInputs& d) { d.H = 8; });
    }
    board.Evaluate(a.X * kDegree, a.Y * kDegree, a.Z * kDegree);
    Views views;
    views.Redraw(board, ViewFlags{}, Radians(a.X, a.Y, a.Z));
    EXPECT_EQ(views.Side->XMin, views.Plan->XMin);
    EXPECT_EQ(views.Side->XExtent, views.Plan->XExtent);
    EXPECT_EQ(views.Side->YMin, views.Front->YMin);
    EXPECT_EQ(views.Side->YExtent, views.Front->YExtent);
    EXPECT_EQ(views.Plan->YMin, views.Front->XMin);
    EXPECT_EQ(views.Plan->YExtent, views.Front->XExtent);
    for (const ScaledCanvas* pic : {views.Side.get(), views.Plan.get(), views.Front.get()}) {
      EXPECT_GT(pic->XExtent, 0);
      EXPECT_GT(pic->YExtent, 0);
    }
  }
}

// ---------------------------------------------------------------------------------------
// Degenerate doors

TEST(ThreeViewDegenerate, NoForcesDrawNoArrowsButTheDoor) {
  for (bool bottom : {true, false}) {
    TBoard board;
    board.Edit([&](DoorInputs& d) {
      d.R = 0;
      d.G = 0;
      d.v = 0;
      d.Bottom = bottom;
    });
    board.Evaluate(3 * kDegree, -2 * kDegree, 20 * kDegree);
    for (const Arrow& arrow : Arrows(board))
      ASSERT_EQ(arrow.Force, XYZ{});
    Views views;
    views.Scale.ForceScale = 0.25L;
    ViewFlags flags;
    flags.Points = true;
    views.Redraw(board, flags, Radians(3, -2, 20));
    EXPECT_EQ(views.Scale.MaxForce, 0);
    EXPECT_EQ(views.Scale.ForceScale, 0.25L);  // no scale step without a force
    for (const ScaledCanvas* pic : {views.Side.get(), views.Plan.get(), views.Front.get()}) {
      EXPECT_TRUE(std::isfinite(pic->XMin) && std::isfinite(pic->XExtent));
      EXPECT_TRUE(std::isfinite(pic->YMin) && std::isfinite(pic->YExtent));
      PictureProbe probe(pic->Picture());
      EXPECT_FALSE(probe.FillsOf(kWingFill).empty());
      EXPECT_FALSE(probe.FillsOf(kStringerFill).empty());
      EXPECT_TRUE(probe.LinesOf(kRed).empty());  // the points are dots, not lines
      EXPECT_NE(probe.FindText("W"), nullptr);
      for (const char* label : {"Wx", "Wy", "Wz", "Gz", "C0x", "C1y"})
        EXPECT_EQ(probe.FindText(label), nullptr) << label;
    }
  }
}

TEST(ThreeViewDegenerate, DoorOfNoSizeDrawsWithoutNan) {
  const TBoard door = DoorAt(0, 0, 0);
  Evaluation result = door.Result();
  for (auto* outline : {&result.PosWingOutline, &result.PosWingAxes, &result.PosStringerOutline})
    outline->fill(XYZ{});
  for (auto* pair : {&result.PosBracket, &result.PosUpperBridleLine, &result.PosLowerBridleLine})
    pair->fill(XYZ{});
  for (XYZ* p : {&result.PosWingHydro, &result.PosStringerHydro, &result.PosGravity,
                 &result.PosUpperBridle, &result.PosLowerBridle, &result.PosKeelOrigin})
    *p = XYZ{};
  for (TForce* f : {&result.ForceWing, &result.ForceStringer, &result.ForceGravity,
                    &result.ForceUpperBridle, &result.ForceLowerBridle, &result.ForceGround})
    f->Force = XYZ{};
  DoorInputs inputs = door.Inputs();
  inputs.KeelGeom.Count = 0;
  Views views;
  ViewFlags flags;
  flags.Points = true;
  views.Redraw(DrawnDoor(inputs, result), flags, Radians(0, 0, 0));
  for (const ScaledCanvas* pic : {views.Side.get(), views.Plan.get(), views.Front.get()}) {
    EXPECT_TRUE(std::isfinite(pic->XMin));
    EXPECT_TRUE(std::isfinite(pic->YMin));
    EXPECT_GT(pic->XExtent, 0);
    EXPECT_GT(pic->YExtent, 0);
    EXPECT_TRUE(std::isfinite(pic->XExtent) && std::isfinite(pic->YExtent));
    // The warp point, where everything sits, is inside and away from the edges.
    EXPECT_GT(0 - pic->XMin, pic->XExtent / 4);
    EXPECT_GT(0 - pic->YMin, pic->YExtent / 4);
    PictureProbe probe(pic->Picture());
    ASSERT_FALSE(probe.Lines.empty());
    for (const ProbeLine& line : probe.Lines) {
      EXPECT_TRUE(Finite(line.From) && Finite(line.To));
    }
    for (const ProbeFill& fill : probe.Fills) {
      for (const QPointF& p : fill.Points)
        EXPECT_TRUE(Finite(p));
    }
  }
}

}  // namespace
