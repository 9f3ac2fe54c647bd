#include <cmath>

#include "model/Interpolate.h"
#include "model/KeelGround.h"
#include "model/PlaneMath.h"
#include "model/Rotation.h"
#include "model/TBoard.h"

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

void TBoard::Position(long double alpha, long double beta, long double gamma) {
  PositionBy(Rotation(alpha, beta, gamma));
}

void TBoard::PositionBy(const Rotation& turn) {
  const XYZ wingNormal = turn.Apply({0, 1, 0});
  WingAttack = wingNormal.AngleToX() - kPi / 2;
  WingNormalDir = wingNormal.AngleInYZ();
  const XYZ stringerNormal = turn.Apply({0, 0, 1});
  StringerAttack = stringerNormal.AngleToX() - kPi / 2;
  StringerNormalDir = stringerNormal.AngleInYZ();

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
  // The bridles keep their direction in the water when the door turns.
  const XYZ stub = BridleDirection() * BridleStubLength();
  PosUpperBridleLine[1] = PosUpperBridleLine[0] - stub;
  PosLowerBridleLine[1] = PosLowerBridleLine[0] - stub;
}

void TBoard::Evaluate(long double alpha, long double beta, long double gamma) {
  // One set of sines and cosines for the whole evaluation, the keel's contact included.
  const Rotation turn(alpha, beta, gamma);
  PositionBy(turn);

  ForceGravity.Set(PosGravity, 0, 0, -G);

  // Each bridle carries a quarter of the trawl's resistance, fixed in the world frame.
  const long double pull = R / 4;
  const long double ah = BridleAngleH * kDegree;
  const long double av = BridleAngleV * kDegree;
  ForceUpperBridle.Set(PosUpperBridle, -pull, -pull * std::tan(ah), -pull * std::tan(av));
  ForceLowerBridle.Set(PosLowerBridle, -pull, -pull * std::tan(ah), -pull * std::tan(av));

  const long double wingSpread = WingSpread();
  // Positioning turned the application points already.
  ForceWing.Set(PosWingHydro, -WingResistance(), wingSpread * std::cos(WingNormalDir),
                wingSpread * std::sin(WingNormalDir));
  const long double stringerSpread = StringerSpread();
  ForceStringer.Set(PosStringerHydro, -StringerResistance(),
                    stringerSpread * std::cos(StringerNormalDir),
                    stringerSpread * std::sin(StringerNormalDir));

  if (Bottom) {
    const KeelGround keel(*this, gamma, turn);
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
