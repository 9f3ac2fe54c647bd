#include <cmath>
#include <utility>

#include "model/PlaneMath.h"
#include "model/Rotation.h"
#include "model/TBoard.h"

namespace {

using PointField = XYZ BodyPoints::*;
using PosField = XYZ Evaluation::*;
using Outline4 = std::array<XYZ, 4> BodyPoints::*;
using PosOutline4 = std::array<XYZ, 4> Evaluation::*;
using Outline2 = std::array<XYZ, 2> BodyPoints::*;
using PosOutline2 = std::array<XYZ, 2> Evaluation::*;

constexpr std::pair<PointField, PosField> kSinglePoints[] = {
    {&BodyPoints::PtWingHydro, &Evaluation::PosWingHydro},
    {&BodyPoints::PtStringerHydro, &Evaluation::PosStringerHydro},
    {&BodyPoints::PtGravity, &Evaluation::PosGravity},
    {&BodyPoints::PtUpperBridle, &Evaluation::PosUpperBridle},
    {&BodyPoints::PtLowerBridle, &Evaluation::PosLowerBridle},
    {&BodyPoints::PtKeelOrigin, &Evaluation::PosKeelOrigin}};

constexpr std::pair<Outline4, PosOutline4> kOutlines4[] = {
    {&BodyPoints::WingOutline, &Evaluation::PosWingOutline},
    {&BodyPoints::WingAxes, &Evaluation::PosWingAxes},
    {&BodyPoints::StringerOutline, &Evaluation::PosStringerOutline}};

constexpr std::pair<Outline2, PosOutline2> kOutlines2[] = {
    {&BodyPoints::Bracket, &Evaluation::PosBracket},
    {&BodyPoints::UpperBridleLine, &Evaluation::PosUpperBridleLine},
    {&BodyPoints::LowerBridleLine, &Evaluation::PosLowerBridleLine}};

}  // namespace

long double TBoard::BridleStubLength() const {
  return (inputs_.b + inputs_.H) / 6;
}

XYZ TBoard::BridleDirection() const {
  const long double ah = inputs_.BridleAngleH * kDegree;
  const long double av = inputs_.BridleAngleV * kDegree;
  return {std::cos(ah), std::sin(ah), std::cos(ah) * std::sin(av) / std::cos(av)};
}

void TBoard::ComputeGeometry() {
  const DoorInputs& in = inputs_;
  const long double x0 = in.x0, y0 = in.y0, z0 = in.z0, b = in.b, H = in.H, bs = in.bs;
  BodyPoints& p = body_;
  p.PtWingHydro = {x0, y0 + in.yh, in.zh - z0};  // positioning moves X along the chord
  p.PtStringerHydro = {x0, y0 + in.ys, in.zs - z0};
  p.PtGravity = {x0 - in.xg, y0 + in.yg, in.zg - z0};
  p.PtUpperBridle = {x0 - in.xc0, y0 + in.yc0, in.zc0 - z0};
  p.PtLowerBridle = {x0 - in.xc1, y0 + in.yc1, in.zc1 - z0};
  p.PtKeelOrigin = {x0 - in.xk, y0 + in.yk, in.zk - z0};

  p.WingOutline = {XYZ{x0, y0, -z0}, XYZ{x0, y0, H - z0}, XYZ{x0 - b, y0, H - z0},
                   XYZ{x0 - b, y0, -z0}};
  p.WingAxes = {XYZ{0, y0, -z0}, XYZ{0, y0, H - z0}, XYZ{x0, y0, 0}, XYZ{x0 - b, y0, 0}};

  // A plate of length bs and width Fs/bs at the stringer's height, on the warp side of the
  // wing. A stringer of no chord has no width rather than an undefined one.
  const long double width = bs != 0 ? in.Fs / bs : 0;
  const long double h = in.zs - z0;
  p.StringerOutline = {XYZ{x0, y0, h}, XYZ{x0, y0 - width, h}, XYZ{x0 - bs, y0 - width, h},
                       XYZ{x0 - bs, y0, h}};

  p.Bracket = {XYZ{0, 0, 0}, XYZ{0, y0, 0}};

  bridleStub_ = BridleDirection() * BridleStubLength();
  p.UpperBridleLine = {p.PtUpperBridle, p.PtUpperBridle - bridleStub_};
  p.LowerBridleLine = {p.PtLowerBridle, p.PtLowerBridle - bridleStub_};

  // Each bridle carries a quarter of the trawl's resistance.
  const long double pull = in.R / 4;
  const long double ah = in.BridleAngleH * kDegree;
  const long double av = in.BridleAngleV * kDegree;
  bridlePull_ = {-pull, -pull * std::tan(ah), -pull * std::tan(av)};

  CopyBodyToPositioned();
}

void TBoard::CopyBodyToPositioned() {
  lastTurn_ = Rotation(0, 0, 0);
  for (const auto& [body, pos] : kSinglePoints)
    result_.*pos = body_.*body;
  for (const auto& [body, pos] : kOutlines4)
    result_.*pos = body_.*body;
  for (const auto& [body, pos] : kOutlines2)
    result_.*pos = body_.*body;
}

void TBoard::TurnBodyToPositioned(const Rotation& turn) {
  // The centres of pressure are placed by the positioning itself, which moves them along the
  // chord first.
  result_.PosGravity = turn.Apply(body_.PtGravity);
  result_.PosUpperBridle = turn.Apply(body_.PtUpperBridle);
  result_.PosLowerBridle = turn.Apply(body_.PtLowerBridle);
  result_.PosKeelOrigin = turn.Apply(body_.PtKeelOrigin);
  lastTurn_ = turn;
}

void TBoard::TurnOutlines() {
  TurnOutlinesBy(lastTurn_);
}

void TBoard::TurnOutlinesBy(const Rotation& turn) {
  for (const auto& [body, pos] : kOutlines4) {
    for (std::size_t i = 0; i < 4; ++i)
      (result_.*pos)[i] = turn.Apply((body_.*body)[i]);
  }
  // Only the attachment end of each bridle stub turns with the door; the stubs keep their
  // direction in the water.
  Evaluation& r = result_;
  r.PosBracket[0] = turn.Apply(body_.Bracket[0]);
  r.PosBracket[1] = turn.Apply(body_.Bracket[1]);
  r.PosUpperBridleLine[0] = turn.Apply(body_.UpperBridleLine[0]);
  r.PosLowerBridleLine[0] = turn.Apply(body_.LowerBridleLine[0]);
  r.PosUpperBridleLine[1] = r.PosUpperBridleLine[0] - bridleStub_;
  r.PosLowerBridleLine[1] = r.PosLowerBridleLine[0] - bridleStub_;
}
