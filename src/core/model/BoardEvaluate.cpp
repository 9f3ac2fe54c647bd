#include <algorithm>
#include <cmath>

#include "model/Interpolate.h"
#include "model/KeelGround.h"
#include "model/PlaneMath.h"
#include "model/Rotation.h"
#include "model/TBoard.h"

namespace {
// Cosine and sine of the angle AngleInYZ gives the vector, read off the vector itself rather
// than from the angle: the same values without an argument reduction and two series.
RealPair DirectionInYZ(const XYZ& v) {
  const long double r = std::sqrt(v.Y * v.Y + v.Z * v.Z);
  if (r == 0) return {1, 0};  // AngleInYZ is 0 there
  return {v.Y / r, v.Z / r};
}
}  // namespace

long double TBoard::DynamicPressure() const {
  return inputs_.WaterDensity * inputs_.v * inputs_.v / 2;
}

long double TBoard::WingResistance() const {
  return Interpolate(inputs_.Hydro, kHydroCx, result_.WingAttack / kDegree) * DynamicPressure() *
         inputs_.F;
}

long double TBoard::WingSpread() const {
  return Interpolate(inputs_.Hydro, kHydroCy, result_.WingAttack / kDegree) * DynamicPressure() *
         inputs_.F;
}

long double TBoard::StringerResistance() const {
  return Interpolate(inputs_.StringerHydro, kHydroCx, result_.StringerAttack / kDegree) *
         DynamicPressure() * inputs_.Fs;
}

long double TBoard::StringerSpread() const {
  return Interpolate(inputs_.StringerHydro, kHydroCy, result_.StringerAttack / kDegree) *
         DynamicPressure() * inputs_.Fs;
}

long double TBoard::WingNormalDir() const {
  return wingNormal_.AngleInYZ();
}

long double TBoard::StringerNormalDir() const {
  return stringerNormal_.AngleInYZ();
}

void TBoard::Position(long double alpha, long double beta, long double gamma) {
  const Rotation turn(alpha, beta, gamma);
  PositionBy(turn);
  TurnOutlinesBy(turn);
}

void TBoard::PositionBy(const Rotation& turn) {
  const DoorInputs& in = inputs_;
  Evaluation& r = result_;
  wingNormal_ = turn.Apply({0, 1, 0});
  r.WingAttack = wingNormal_.AngleToX() - kPi / 2;
  stringerNormal_ = turn.Apply({0, 0, 1});
  r.StringerAttack = stringerNormal_.AngleToX() - kPi / 2;

  // The centres of pressure move along the chord with the attack angle, whatever its sign.
  // They are results of this position: the body-frame points keep what the inputs give.
  XYZ wingHydro = body_.PtWingHydro;
  wingHydro.X = in.x0 - in.b * Interpolate(in.Hydro, kHydroCd, std::fabs(r.WingAttack) / kDegree);
  XYZ stringerHydro = body_.PtStringerHydro;
  stringerHydro.X = in.x0 - in.bs * Interpolate(in.StringerHydro, kHydroCd,
                                                std::fabs(r.StringerAttack) / kDegree);

  TurnBodyToPositioned(turn);
  r.PosWingHydro = turn.Apply(wingHydro);
  r.PosStringerHydro = turn.Apply(stringerHydro);
}

void TBoard::Evaluate(long double alpha, long double beta, long double gamma) {
  EvaluateMoments(alpha, beta, gamma);
  TurnOutlinesBy(lastTurn_);
}

void TBoard::EvaluateMoments(long double alpha, long double beta, long double gamma) {
  // One set of sines and cosines for the whole evaluation, the keel's contact included; what
  // depends on the inputs alone is kept from the last evaluation while they stay the same.
  const Rotation turn(alpha, beta, gamma);
  PositionBy(turn);
  const DoorInputs& in = inputs_;
  Evaluation& r = result_;

  r.ForceGravity.Set(r.PosGravity, 0, 0, -in.G);

  // Each bridle carries a quarter of the trawl's resistance, fixed in the world frame.
  const XYZ& pull = bridlePull_;
  r.ForceUpperBridle.Set(r.PosUpperBridle, pull.X, pull.Y, pull.Z);
  r.ForceLowerBridle.Set(r.PosLowerBridle, pull.X, pull.Y, pull.Z);

  // Each plate's table is searched once for both coefficients; the products are formed as
  // WingResistance() and the others form them.
  const long double q = DynamicPressure();
  const TableSpot wing(in.Hydro, r.WingAttack / kDegree);
  const long double wingSpread = wing.Value(kHydroCy) * q * in.F;
  const auto [wingCos, wingSin] = DirectionInYZ(wingNormal_);
  // Positioning turned the application points already.
  r.ForceWing.Set(r.PosWingHydro, -(wing.Value(kHydroCx) * q * in.F), wingSpread * wingCos,
                  wingSpread * wingSin);
  const TableSpot stringer(in.StringerHydro, r.StringerAttack / kDegree);
  const long double stringerSpread = stringer.Value(kHydroCy) * q * in.Fs;
  const auto [stringerCos, stringerSin] = DirectionInYZ(stringerNormal_);
  r.ForceStringer.Set(r.PosStringerHydro, -(stringer.Value(kHydroCx) * q * in.Fs),
                      stringerSpread * stringerCos, stringerSpread * stringerSin);

  if (in.Bottom) {
    // The weight the plates' lift leaves to the ground.
    const long double lifted = wingSpread * wingSin + stringerSpread * stringerSin;
    const KeelGround keel(*this, gamma, turn, std::max<long double>(0, in.G - lifted));
    r.PosKeelOrigin = keel.ContactPoint();
    r.ForceGround.Set(r.PosKeelOrigin, keel.GroundResistance(), 0, keel.GroundNormalForce());
  } else {
    // No ground: a zero force at the keel origin, which positioning turned already.
    r.ForceGround.Set(r.PosKeelOrigin, 0, 0, 0);
  }
  const TForce* forces[] = {&r.ForceWing,        &r.ForceStringer,    &r.ForceGravity,
                            &r.ForceUpperBridle, &r.ForceLowerBridle, &r.ForceGround};
  r.TotalForce = {};
  r.TotalMoment = {};
  for (const TForce* f : forces) {
    const XYZ& p = f->Point;
    const XYZ& v = f->Force;
    r.TotalForce = r.TotalForce + v;
    // X and Z by the right-hand rule; Y the other way round, matching the rotation
    // convention in which a positive turn about Y brings +X towards +Z.
    r.TotalMoment.X += v.Z * p.Y - v.Y * p.Z;
    r.TotalMoment.Y += v.Z * p.X - v.X * p.Z;
    r.TotalMoment.Z += v.Y * p.X - v.X * p.Y;
  }
}
