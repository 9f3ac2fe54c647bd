#include "ThreeViewDrawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QString>

#include "ScaledCanvas.h"
#include "drawing/DrawingPreparation.h"
#include "drawing/DrawnDoor.h"
#include "drawing/LabelPlacer.h"
#include "drawing/ViewLabels.h"
#include "model/Rotation.h"

namespace {

const QColor kWingFill(255, 255, 128);
const QColor kStringerFill(255, 128, 128);
const QColor kWingLines(192, 192, 192);
const QColor kAxes(128, 128, 128);
const QColor kMarks(255, 0, 0);
const QColor kBlack(0, 0, 0);

// The name is what the door's drawings always asked for; no system has it, so Qt picks its
// substitute of that size.
const char* const kLabelFontName = "MS SansSefif";
constexpr int kLabelFontSize = 8;
// A force arrow's head: its sides' length in pixels and their angle to the shaft.
constexpr long double kArrowHead = 6;
constexpr long double kArrowAngle = 0.4L;  // radians, about 23 degrees

// Row 0 of the keel table gives one dot, every other row two.
constexpr int kKeelDotCapacity = 2 * kTableCapacity - 1;

enum Part { kWing, kStringer, kBracket, kUpperStub, kLowerStub, kPartCount };

// One of the three views: which world axes run across and up, where it is seen from.
struct ViewLayout {
  ViewAxes Axes;
  XYZ ViewPoint;
  bool Front;  // measures the label font again for the force labels
};

const ViewLayout kSide{kSideAxes, XYZ(0, -1000, 0), false};
const ViewLayout kPlan{kPlanAxes, XYZ(0, 0, 1000), false};
const ViewLayout kFront{kFrontAxes, XYZ(1000, 0, 0), true};

long double Coord(const XYZ& p, int axis) {
  return axis == 0 ? p.X : (axis == 1 ? p.Y : p.Z);
}

// Draws one view on one surface; a short-lived helper of a single drawing call.
class ViewPainter {
 public:
  ViewPainter(const DrawnDoor& board, long double forceScale, ScaledCanvas& surface,
              QPainter& canvas, const ViewLayout& view)
      : board_(board), forceScale_(forceScale), surface_(surface), canvas_(canvas), view_(view) {}

  long double H(const XYZ& p) const { return Coord(p, view_.Axes.H); }
  long double V(const XYZ& p) const { return Coord(p, view_.Axes.V); }

  void SetPen(const QColor& colour, int width) {
    QPen pen = canvas_.pen();
    pen.setStyle(Qt::SolidLine);
    pen.setColor(colour);
    pen.setWidth(width);  // 0: the thinnest (cosmetic) pen
    canvas_.setPen(pen);
  }

  void SetBrushColour(const QColor& colour) { canvas_.setBrush(QBrush(colour, Qt::SolidPattern)); }

  // The brush keeps its colour while it is clear.
  void SetBrushStyle(Qt::BrushStyle style) {
    QBrush brush = canvas_.brush();
    brush.setStyle(style);
    canvas_.setBrush(brush);
  }

  void Segment(const XYZ& a, const XYZ& b) {
    surface_.MoveTo(H(a), V(a));
    surface_.LineTo(H(b), V(b));
  }

  void Quad(const std::array<XYZ, 4>& q) {
    surface_.FillQuad(H(q[0]), V(q[0]), H(q[1]), V(q[1]), H(q[2]), V(q[2]), H(q[3]), V(q[3]));
  }

  void Dot(long double h, long double v) {
    surface_.MoveTo(h, v);
    surface_.LineTo(h, v);
  }

  void Line(long double h1, long double v1, long double h2, long double v2) {
    surface_.MoveTo(h1, v1);
    surface_.LineTo(h2, v2);
  }

  void DrawPart(int part) {
    switch (part) {
      case kWing:
        SetPen(kBlack, 0);
        SetBrushColour(kWingFill);
        Quad(board_.Result.PosWingOutline);
        SetPen(kWingLines, 0);
        Segment(board_.Result.PosWingAxes[0], board_.Result.PosWingAxes[1]);
        Segment(board_.Result.PosWingAxes[2], board_.Result.PosWingAxes[3]);
        // The edges again, over the reference lines.
        SetPen(kBlack, 0);
        SetBrushStyle(Qt::NoBrush);
        Quad(board_.Result.PosWingOutline);
        SetBrushStyle(Qt::SolidPattern);
        break;
      case kStringer:
        SetPen(kBlack, 0);
        SetBrushColour(kStringerFill);
        Quad(board_.Result.PosStringerOutline);
        break;
      case kBracket:
        SetPen(kBlack, 5);
        Segment(board_.Result.PosBracket[0], board_.Result.PosBracket[1]);
        break;
      case kUpperStub:
        SetPen(kBlack, 0);
        Segment(board_.Result.PosUpperBridleLine[0], board_.Result.PosUpperBridleLine[1]);
        break;
      case kLowerStub:
        SetPen(kBlack, 0);
        Segment(board_.Result.PosLowerBridleLine[0], board_.Result.PosLowerBridleLine[1]);
        break;
      default:
        break;
    }
  }

  void DrawParts(bool hidden) {
    const DrawOrder order = Order(board_.Result, board_.Inputs.Fs, view_.ViewPoint, hidden);
    for (int level = 3; level >= 0; --level) {
      for (int part = 0; part < kPartCount; ++part) {
        if (order[part] == level) DrawPart(part);
      }
    }
  }

  void DrawAxes() {
    const long double hmin = surface_.XMin;
    const long double vmin = surface_.YMin;
    SetPen(kAxes, 1);
    Line(hmin + 2.5L * dh_, 0, hmin + 97.5L * dh_, 0);
    Line(hmin + 97.5L * dh_, 0, hmin + 95 * dh_, dv_);
    Line(hmin + 97.5L * dh_, 0, hmin + 95 * dh_, -dv_);
    Line(0, vmin + 2.5L * dv_, 0, vmin + 97.5L * dv_);
    Line(0, vmin + 97.5L * dv_, dh_, vmin + 95 * dv_);
    Line(0, vmin + 97.5L * dv_, -dh_, vmin + 95 * dv_);
    SetBrushStyle(Qt::NoBrush);
    AxisLetter(view_.Axes.HLetter, hmin + 95 * dh_, -2 * dv_);
    AxisLetter(view_.Axes.VLetter, 2 * dh_, vmin + 95 * dv_);
  }

  // An axis letter; the labels written later keep off it.
  void AxisLetter(char letter, long double h, long double v) {
    const QString text(QChar::fromLatin1(letter));
    surface_.TextOut(text, h, v);
    const long double width = surface_.WorldTextWidth(text);
    const long double height = surface_.WorldTextHeight(text);
    axisLetters_.push_back({std::min(h, h + width), std::max(h, h + width), std::min(v, v + height),
                            std::max(v, v + height)});
  }

  // The placer of this view's labels, measuring in the label font, which is set by then.
  LabelPlacer& Placer() {
    if (!placer_) {
      LabelPlacer::Region region{surface_.XMin, surface_.XExtent, surface_.YMin, surface_.YExtent};
      LabelPlacer::Metrics metrics;
      metrics.TextWidth = [this](const std::string& text) {
        return surface_.WorldTextWidth(QString::fromStdString(text));
      };
      metrics.TextHeight = surface_.WorldTextHeight(QStringLiteral("A"));
      metrics.GapH = std::fabs(surface_.WorldTextWidth(QStringLiteral("A"))) / 3;
      metrics.GapV = std::fabs(metrics.TextHeight) / 3;
      // A pixel between labels, so that rounding to pixels cannot make two of them touch.
      metrics.PadH = std::fabs(surface_.PixelToX(1) - surface_.PixelToX(0));
      metrics.PadV = std::fabs(surface_.PixelToY(1) - surface_.PixelToY(0));
      placer_.emplace(region, std::move(metrics));
      for (const LabelPlacer::Box& letter : axisLetters_)
        placer_->Reserve(letter);
      for (const LabelPlacer::Segment& line : forceLines_)
        placer_->Avoid(line);
    }
    return *placer_;
  }

  void Write(const std::vector<LabelRequest>& labels) {
    for (const LabelRequest& label : labels) {
      const LabelPlacer::Corner at = Placer().Place(label);
      surface_.TextOut(QString::fromStdString(label.Text), at.H, at.V);
    }
  }

  void MeasureLetter() {
    a_ = surface_.WorldTextWidth(QStringLiteral("A"));
    t_ = surface_.WorldTextHeight(QStringLiteral("A"));
  }

  void UseLabelFont() {
    QFont font(QString::fromLatin1(kLabelFontName));
    font.setPointSize(kLabelFontSize);
    canvas_.setFont(font);
  }

  void DrawPoints() {
    SetPen(kMarks, 5);
    SetBrushStyle(Qt::NoBrush);
    UseLabelFont();
    const std::vector<LabelRequest> letters = PointLabels(board_, view_.Axes, a_, t_);
    for (const LabelRequest& letter : letters)
      Dot(letter.AnchorH, letter.AnchorV);
    Write(letters);
  }

  // A force component from its point to its tip, with a head at the tip so that its
  // direction reads; the labels keep off it.
  void Arrow(long double h1, long double v1, long double h2, long double v2) {
    Line(h1, v1, h2, v2);
    forceLines_.push_back({h1, v1, h2, v2});
    // The head is measured in pixels, whatever the view's scales.
    const long double perH = (surface_.PixelToX(100) - surface_.PixelToX(0)) / 100;
    const long double perV = (surface_.PixelToY(100) - surface_.PixelToY(0)) / 100;
    if (perH == 0 || perV == 0) return;
    const long double dx = (h2 - h1) / perH;
    const long double dy = (v2 - v1) / perV;
    const long double length = std::hypot(dx, dy);
    if (!(length > 2 * kArrowHead)) return;  // too short to carry a head
    const long double ux = dx / length;
    const long double uy = dy / length;
    for (const long double side : {-1.0L, 1.0L}) {
      const long double c = std::cos(kArrowAngle);
      const long double sn = side * std::sin(kArrowAngle);
      // The shaft's direction turned back by the head's angle.
      const long double bx = -(ux * c - uy * sn) * kArrowHead;
      const long double by = -(ux * sn + uy * c) * kArrowHead;
      const long double h = h2 + bx * perH;
      const long double v = v2 + by * perV;
      Line(h2, v2, h, v);
      forceLines_.push_back({h2, v2, h, v});
    }
  }

  // The two components of a force in the view: arrows from the point along each axis.
  void LMark(const XYZ& p, const XYZ& f) {
    const long double h = H(p);
    const long double v = V(p);
    Arrow(h, v, h, v + k_ * V(f));
    Arrow(h, v, h + k_ * H(f), v);
  }

  void Gravity() {
    const XYZ& p = board_.Result.PosGravity;
    if (view_.Axes.Plan) {
      Dot(H(p), V(p));
    } else {
      Arrow(H(p), V(p), H(p), V(p) + k_ * V(board_.Result.ForceGravity.Force));
    }
  }

  void Bridle(const XYZ& p, const XYZ& f) {
    if (view_.Axes.Plan) {
      LMark(p, f);
      return;
    }
    Arrow(H(p), V(p), H(p) + k_ * H(f), V(p));
    Arrow(H(p), V(p), H(p), V(p) + k_ * V(f));
  }

  void DrawForces(bool labels) {
    SetPen(kMarks, 1);
    SetBrushStyle(Qt::NoBrush);
    UseLabelFont();
    if (view_.Front) MeasureLetter();
    k_ = forceScale_;
    LMark(board_.Result.PosWingHydro, board_.Result.ForceWing.Force);
    LMark(board_.Result.PosStringerHydro, board_.Result.ForceStringer.Force);
    if (board_.Inputs.Bottom) LMark(board_.Result.PosKeelOrigin, board_.Result.ForceGround.Force);
    Gravity();
    Bridle(board_.Result.PosUpperBridle, board_.Result.ForceUpperBridle.Force);
    Bridle(board_.Result.PosLowerBridle, board_.Result.ForceLowerBridle.Force);
    if (labels) Write(ForceLabels(board_, forceScale_, view_.Axes, a_, t_));
  }

  void DrawKeel(bool keelRotation, const ThreeViewDrawing::Angles& angleRad) {
    SetPen(kBlack, 3);
    const Rotation turn =
        keelRotation ? Rotation(angleRad[0], angleRad[1], angleRad[2]) : Rotation(0, 0, 0);
    const CoefTable& keel = board_.Inputs.KeelGeom;
    const int rows = std::clamp(keel.Count, 0, keel.Capacity());
    if (rows == 0) return;
    std::array<XYZ, kKeelDotCapacity> dots;
    const long double y = board_.Inputs.y0 + board_.Inputs.yk;
    for (int i = rows - 1; i >= 0; --i) {
      const long double x = board_.Inputs.x0 - board_.Inputs.xk;
      const long double z = board_.Inputs.zk - board_.Inputs.z0 + keel.At(i, kKeelZi);
      const long double half = keel.At(i, kKeelXi) / 2;
      // Fore at 2i, aft at 2i - 1; row 0 has one slot and keeps the aft point.
      dots[2 * i] = turn.Apply(XYZ(x + half, y, z));
      dots[std::max(2 * i - 1, 0)] = turn.Apply(XYZ(x - half, y, z));
    }
    for (int i = 0; i < 2 * rows - 1; ++i)
      Dot(H(dots[i]), V(dots[i]));
  }

  void Draw(const ViewFlags& flags, bool keelRotation, const ThreeViewDrawing::Angles& angleRad) {
    dh_ = surface_.XExtent / 100;
    dv_ = surface_.YExtent / 100;
    DrawParts(flags.Hidden);
    DrawAxes();
    MeasureLetter();
    if (flags.Points) DrawPoints();
    if (flags.Forces) DrawForces(flags.Labels);
    DrawKeel(keelRotation, angleRad);
  }

 private:
  const DrawnDoor& board_;
  const long double forceScale_;  // m per N
  ScaledCanvas& surface_;
  QPainter& canvas_;
  const ViewLayout& view_;
  long double dh_ = 0;  // 1 % of the surface's extents
  long double dv_ = 0;
  long double a_ = 0;  // width of "A", world units
  long double t_ = 0;  // height of "A", world units along the vertical axis (negative)
  long double k_ = 0;  // arrow scale, m per N
  std::vector<LabelPlacer::Box> axisLetters_;
  std::vector<LabelPlacer::Segment> forceLines_;
  std::optional<LabelPlacer> placer_;
};

void DrawView(const ViewLayout& view, const DrawnDoor& board, const ViewScale& scale,
              ScaledCanvas& surface, const ViewFlags& flags, bool keelRotation,
              const ThreeViewDrawing::Angles& angleRad) {
  QPainter* canvas = surface.DrawCanvas();
  // A recording that could not be opened loses this drawing silently.
  if (canvas == nullptr || !canvas->isActive()) return;
  ViewPainter(board, scale.ForceScale, surface, *canvas, view).Draw(flags, keelRotation, angleRad);
}

// The region shown along one axis: the box with a tenth of its size as margin on each side.
// A box without extent on this axis (a flat or empty door) gets the largest extent of the
// others, or one metre, centred on it, so that no mapping divides by zero.
void RegionAxis(long double low, long double size, long double fallback, long double& start,
                long double& extent) {
  if (size > 0 && std::isfinite(size)) {
    start = low - size / 10;
    extent = size * 1.2L;
  } else {
    extent = fallback;
    start = low - fallback / 2;
  }
}

}  // namespace

void ThreeViewDrawing::DrawXZ(const DrawnDoor& board, const ViewScale& scale, ScaledCanvas& surface,
                              const ViewFlags& flags, bool keelRotation, const Angles& angleRad) {
  DrawView(kSide, board, scale, surface, flags, keelRotation, angleRad);
}

void ThreeViewDrawing::DrawXY(const DrawnDoor& board, const ViewScale& scale, ScaledCanvas& surface,
                              const ViewFlags& flags, bool keelRotation, const Angles& angleRad) {
  DrawView(kPlan, board, scale, surface, flags, keelRotation, angleRad);
}

void ThreeViewDrawing::DrawYZ(const DrawnDoor& board, const ViewScale& scale, ScaledCanvas& surface,
                              const ViewFlags& flags, bool keelRotation, const Angles& angleRad) {
  DrawView(kFront, board, scale, surface, flags, keelRotation, angleRad);
}

void ThreeViewDrawing::RedrawBalanceViews(const DrawnDoor& board, ViewScale& scale,
                                          const ViewFlags& flags, const Angles& angleRad,
                                          ScaledCanvas& side, ScaledCanvas& plan,
                                          ScaledCanvas& front) {
  // The region the door takes and the arrows' scale.
  ComputeBoundingBox(board.Result, scale);
  ViewFlags shown = flags;
  // No force at all: nothing to scale and no arrow to draw.
  if (flags.Forces && !ScaleForceArrows(board.Result, board.Inputs.b, scale)) shown.Forces = false;

  // Each axis's drawing region, with room around the door.
  const XYZ& low = scale.BoxLow;
  const XYZ& size = scale.BoxSize;
  long double fallback = 1.2L * std::max({size.X, size.Y, size.Z});
  if (!(fallback > 0) || !std::isfinite(fallback)) fallback = 1;
  XYZ start;
  XYZ extent;
  RegionAxis(low.X, size.X, fallback, start.X, extent.X);
  RegionAxis(low.Y, size.Y, fallback, start.Y, extent.Y);
  RegionAxis(low.Z, size.Z, fallback, start.Z, extent.Z);

  // Fresh white surfaces.
  side.Clear();
  plan.Clear();
  front.Clear();

  // Each view at equal scales on both of its axes.
  side.SetEqualScaleRegion(start.X, extent.X, start.Z, extent.Z);
  plan.SetEqualScaleRegion(start.X, extent.X, start.Y, extent.Y);
  front.SetEqualScaleRegion(start.Y, extent.Y, start.Z, extent.Z);

  // Shared axes get one range; the scales are not equalised again.
  side.XMin = std::min(side.XMin, plan.XMin);
  side.XExtent = std::max(side.XExtent, plan.XExtent);
  plan.XMin = side.XMin;
  plan.XExtent = side.XExtent;
  side.YMin = std::min(side.YMin, front.YMin);
  side.YExtent = std::max(side.YExtent, front.YExtent);
  front.YMin = side.YMin;
  front.YExtent = side.YExtent;
  plan.YMin = std::min(plan.YMin, front.XMin);
  plan.YExtent = std::max(plan.YExtent, front.XExtent);
  front.XMin = plan.YMin;
  front.XExtent = plan.YExtent;

  // Each view is drawn, then shown at once with the others.
  DrawXZ(board, scale, side, shown, true, angleRad);
  DrawXY(board, scale, plan, shown, true, angleRad);
  DrawYZ(board, scale, front, shown, true, angleRad);
  side.Finish();
  plan.Finish();
  front.Finish();
}

void ThreeViewDrawing::RedrawDoorViews(const DrawnDoor& board, ViewScale& scale,
                                       const ViewFlags& flags, ScaledCanvas& front,
                                       ScaledCanvas& plan, ScaledCanvas& side) {
  ComputeBoundingBox(board.Result, scale);
  ViewFlags shown = flags;
  // With every force zero there is nothing to scale and no arrow to draw.
  if (shown.Forces && !ScaleForceArrows(board.Result, board.Inputs.b, scale)) shown.Forces = false;

  const XYZ& box = scale.BoxLow;
  const XYZ& size = scale.BoxSize;
  const XYZ low(box.X - 0.1L * size.X, box.Y - 0.1L * size.Y, box.Z - 0.1L * size.Z);
  const XYZ extent(1.2L * size.X, 1.2L * size.Y, 1.2L * size.Z);

  front.Clear();
  plan.Clear();
  side.Clear();

  const Angles unturned{0, 0, 0};
  front.SetEqualScaleRegion(low.Y, extent.Y, low.Z, extent.Z);
  front.Clear();
  DrawYZ(board, scale, front, shown, false, unturned);
  plan.SetEqualScaleRegion(low.X, extent.X, low.Y, extent.Y);
  plan.Clear();
  DrawXY(board, scale, plan, shown, false, unturned);
  side.SetEqualScaleRegion(low.X, extent.X, low.Z, extent.Z);
  side.Clear();
  DrawXZ(board, scale, side, shown, false, unturned);

  front.Finish();
  plan.Finish();
  side.Finish();
}
