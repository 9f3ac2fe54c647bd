#include <cmath>
#include <utility>

#include "model/PlaneMath.h"
#include "model/Rotation.h"
#include "model/TBoard.h"

namespace {

using PointField = XYZ TBoard::*;
using Outline4 = std::array<XYZ, 4> TBoard::*;
using Outline2 = std::array<XYZ, 2> TBoard::*;

constexpr std::pair<PointField, PointField> kSinglePoints[] = {
    {&TBoard::PtWingHydro, &TBoard::PosWingHydro},
    {&TBoard::PtStringerHydro, &TBoard::PosStringerHydro},
    {&TBoard::PtGravity, &TBoard::PosGravity},
    {&TBoard::PtUpperBridle, &TBoard::PosUpperBridle},
    {&TBoard::PtLowerBridle, &TBoard::PosLowerBridle},
    {&TBoard::PtKeelOrigin, &TBoard::PosKeelOrigin}};

constexpr std::pair<Outline4, Outline4> kOutlines4[] = {
    {&TBoard::WingOutline, &TBoard::PosWingOutline},
    {&TBoard::WingAxes, &TBoard::PosWingAxes},
    {&TBoard::StringerOutline, &TBoard::PosStringerOutline}};

constexpr std::pair<Outline2, Outline2> kOutlines2[] = {
    {&TBoard::Bracket, &TBoard::PosBracket},
    {&TBoard::UpperBridleLine, &TBoard::PosUpperBridleLine},
    {&TBoard::LowerBridleLine, &TBoard::PosLowerBridleLine}};

}  // namespace

long double TBoard::BridleStubLength() const {
  return (b + H) / 6;
}

XYZ TBoard::BridleDirection() const {
  const long double ah = BridleAngleH * kDegree;
  const long double av = BridleAngleV * kDegree;
  return {std::cos(ah), std::sin(ah), std::cos(ah) * std::sin(av) / std::cos(av)};
}

void TBoard::ComputeGeometry() {
  PtWingHydro = {x0, y0 + yh, zh - z0};  // positioning moves X along the chord
  PtStringerHydro = {x0, y0 + ys, zs - z0};
  PtGravity = {x0 - xg, y0 + yg, zg - z0};
  PtUpperBridle = {x0 - xc0, y0 + yc0, zc0 - z0};
  PtLowerBridle = {x0 - xc1, y0 + yc1, zc1 - z0};
  PtKeelOrigin = {x0 - xk, y0 + yk, zk - z0};

  WingOutline = {XYZ{x0, y0, -z0}, XYZ{x0, y0, H - z0}, XYZ{x0 - b, y0, H - z0},
                 XYZ{x0 - b, y0, -z0}};
  WingAxes = {XYZ{0, y0, -z0}, XYZ{0, y0, H - z0}, XYZ{x0, y0, 0}, XYZ{x0 - b, y0, 0}};

  // A plate of length bs and width Fs/bs at the stringer's height, on the warp side of the
  // wing. A stringer of no chord has no width rather than an undefined one.
  const long double width = bs != 0 ? Fs / bs : 0;
  const long double h = zs - z0;
  StringerOutline = {XYZ{x0, y0, h}, XYZ{x0, y0 - width, h}, XYZ{x0 - bs, y0 - width, h},
                     XYZ{x0 - bs, y0, h}};

  Bracket = {XYZ{0, 0, 0}, XYZ{0, y0, 0}};

  const XYZ stub = BridleDirection() * BridleStubLength();
  UpperBridleLine = {PtUpperBridle, PtUpperBridle - stub};
  LowerBridleLine = {PtLowerBridle, PtLowerBridle - stub};

  CopyBodyToPositioned();
}

void TBoard::CopyBodyToPositioned() {
  lastTurn_ = Rotation(0, 0, 0);
  for (const auto& [body, pos] : kSinglePoints)
    this->*pos = this->*body;
  for (const auto& [body, pos] : kOutlines4)
    this->*pos = this->*body;
  for (const auto& [body, pos] : kOutlines2)
    this->*pos = this->*body;
}

void TBoard::TurnBodyToPositioned(const Rotation& turn) {
  // The centres of pressure are placed by the positioning itself, which moves them along the
  // chord first.
  PosGravity = turn.Apply(PtGravity);
  PosUpperBridle = turn.Apply(PtUpperBridle);
  PosLowerBridle = turn.Apply(PtLowerBridle);
  PosKeelOrigin = turn.Apply(PtKeelOrigin);
  lastTurn_ = turn;
}

void TBoard::TurnOutlines() {
  TurnOutlinesBy(lastTurn_);
}

void TBoard::TurnOutlinesBy(const Rotation& turn) {
  for (const auto& [body, pos] : kOutlines4) {
    for (std::size_t i = 0; i < 4; ++i)
      (this->*pos)[i] = turn.Apply((this->*body)[i]);
  }
  // Only the attachment end of each bridle stub turns with the door; the stubs keep their
  // direction in the water.
  PosBracket[0] = turn.Apply(Bracket[0]);
  PosBracket[1] = turn.Apply(Bracket[1]);
  PosUpperBridleLine[0] = turn.Apply(UpperBridleLine[0]);
  PosLowerBridleLine[0] = turn.Apply(LowerBridleLine[0]);
  const XYZ& stub = bridleTerms_.Stub();
  PosUpperBridleLine[1] = PosUpperBridleLine[0] - stub;
  PosLowerBridleLine[1] = PosLowerBridleLine[0] - stub;
}
