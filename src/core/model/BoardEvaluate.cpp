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
  return WaterDensity * v * v / 2;
}

long double TBoard::WingResistance() const {
  return Interpolate(Hydro, kHydroCx, WingAttack / kDegree) * DynamicPressure() * F;
}

long double TBoard::WingSpread() const {
  return Interpolate(Hydro, kHydroCy, WingAttack / kDegree) * DynamicPressure() * F;
}

long double TBoard::StringerResistance() const {
  return Interpolate(StringerHydro, kHydroCx, StringerAttack / kDegree) * DynamicPressure() * Fs;
}

long double TBoard::StringerSpread() const {
  return Interpolate(StringerHydro, kHydroCy, StringerAttack / kDegree) * DynamicPressure() * Fs;
}

long double TBoard::WingNormalDir() const {
  return wingNormal_.AngleInYZ();
}

long double TBoard::StringerNormalDir() const {
  return stringerNormal_.AngleInYZ();
}

void TBoard::Position(long double alpha, long double beta, long double gamma) {
  bridleTerms_.Refresh(*this);
  const Rotation turn(alpha, beta, gamma);
  PositionBy(turn);
  TurnOutlinesBy(turn);
}

void TBoard::PositionBy(const Rotation& turn) {
  wingNormal_ = turn.Apply({0, 1, 0});
  WingAttack = wingNormal_.AngleToX() - kPi / 2;
  stringerNormal_ = turn.Apply({0, 0, 1});
  StringerAttack = stringerNormal_.AngleToX() - kPi / 2;

  // The centres of pressure move along the chord with the attack angle, whatever its sign.
  // They are results of this position: the body-frame points keep what the inputs give.
  XYZ wingHydro = PtWingHydro;
  wingHydro.X = x0 - b * Interpolate(Hydro, kHydroCd, std::fabs(WingAttack) / kDegree);
  XYZ stringerHydro = PtStringerHydro;
  stringerHydro.X =
      x0 - bs * Interpolate(StringerHydro, kHydroCd, std::fabs(StringerAttack) / kDegree);

  TurnBodyToPositioned(turn);
  PosWingHydro = turn.Apply(wingHydro);
  PosStringerHydro = turn.Apply(stringerHydro);
}

void TBoard::Evaluate(long double alpha, long double beta, long double gamma) {
  EvaluateMoments(alpha, beta, gamma);
  TurnOutlinesBy(lastTurn_);
}

void TBoard::EvaluateMoments(long double alpha, long double beta, long double gamma) {
  // One set of sines and cosines for the whole evaluation, the keel's contact included; what
  // depends on the inputs alone is kept from the last evaluation while they stay the same.
  const Rotation turn(alpha, beta, gamma);
  bridleTerms_.Refresh(*this);
  PositionBy(turn);

  ForceGravity.Set(PosGravity, 0, 0, -G);

  // Each bridle carries a quarter of the trawl's resistance, fixed in the world frame.
  const XYZ& pull = bridleTerms_.Pull();
  ForceUpperBridle.Set(PosUpperBridle, pull.X, pull.Y, pull.Z);
  ForceLowerBridle.Set(PosLowerBridle, pull.X, pull.Y, pull.Z);

  // Each plate's table is searched once for both coefficients; the products are formed as
  // WingResistance() and the others form them.
  const long double q = DynamicPressure();
  const TableSpot wing(Hydro, WingAttack / kDegree);
  const long double wingSpread = wing.Value(kHydroCy) * q * F;
  const auto [wingCos, wingSin] = DirectionInYZ(wingNormal_);
  // Positioning turned the application points already.
  ForceWing.Set(PosWingHydro, -(wing.Value(kHydroCx) * q * F), wingSpread * wingCos,
                wingSpread * wingSin);
  const TableSpot stringer(StringerHydro, StringerAttack / kDegree);
  const long double stringerSpread = stringer.Value(kHydroCy) * q * Fs;
  const auto [stringerCos, stringerSin] = DirectionInYZ(stringerNormal_);
  ForceStringer.Set(PosStringerHydro, -(stringer.Value(kHydroCx) * q * Fs),
                    stringerSpread * stringerCos, stringerSpread * stringerSin);

  if (Bottom) {
    // The weight the plates' lift leaves to the ground.
    const long double lifted = wingSpread * wingSin + stringerSpread * stringerSin;
    const KeelGround keel(*this, gamma, turn, std::max<long double>(0, G - lifted));
    PosKeelOrigin = keel.ContactPoint();
    ForceGround.Set(PosKeelOrigin, keel.GroundResistance(), 0, keel.GroundNormalForce());
  } else {
    // No ground: a zero force at the keel origin, which positioning turned already.
    ForceGround.Set(PosKeelOrigin, 0, 0, 0);
  }
  const TForce* forces[] = {&ForceWing,        &ForceStringer,    &ForceGravity,
                            &ForceUpperBridle, &ForceLowerBridle, &ForceGround};
  TotalForce = {};
  TotalMoment = {};
  for (const TForce* f : forces) {
    const XYZ& p = f->Point;
    const XYZ& v = f->Force;
    TotalForce = TotalForce + v;
    // X and Z by the right-hand rule; Y the other way round, matching the rotation
    // convention in which a positive turn about Y brings +X towards +Z.
    TotalMoment.X += v.Z * p.Y - v.Y * p.Z;
    TotalMoment.Y += v.Z * p.X - v.X * p.Z;
    TotalMoment.Z += v.Y * p.X - v.X * p.Y;
  }
}
