#include "analysis/BalanceOutcome.h"

#include <cmath>
#include <limits>

#include "model/BalanceFigures.h"
#include "model/NewtonSolver.h"
#include "model/TBoard.h"

bool BalanceOutcome::Finite() const {
  for (const long double a : Angles) {
    if (!std::isfinite(a)) return false;
  }
  for (const long double f : {MomentSum, WingAttackDeg, SpreadKN, ResistanceKN, VerticalKN,
                              GroundNormalN, UnliftedWeightN}) {
    if (!std::isfinite(f)) return false;
  }
  return true;
}

SweepPoint BalanceOutcome::AsSweepPoint(long double value) const {
  SweepPoint p;
  p.Value = value;
  p.RotX = Angles[0];
  p.RotY = Angles[1];
  p.RotZ = Angles[2];
  p.WingAttackDeg = WingAttackDeg;
  p.SpreadKN = SpreadKN;
  p.ResistanceKN = ResistanceKN;
  p.VerticalKN = VerticalKN;
  p.SpreadOverResistance = ResistanceKN != 0 ? SpreadKN / std::fabs(ResistanceKN)
                                             : std::numeric_limits<long double>::quiet_NaN();
  p.Converged = Converged;
  p.Iterations = Iterations;
  p.MomentSum = MomentSum;
  return p;
}

BalanceOutcome FiguresOf(const TBoard& door, const AngleTriple& angles) {
  BalanceOutcome o;
  o.Angles = angles;
  const XYZ& m = door.Result().TotalMoment;
  o.MomentSum = std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z);
  const BalanceFigures figures = ComputeBalanceFigures(door);
  o.WingAttackDeg = figures.WingAttackDeg;
  o.SpreadKN = figures.SpreadKN;
  o.ResistanceKN = figures.ResistanceKN;
  o.VerticalKN = figures.VerticalKN;
  o.GroundNormalN = door.Inputs().Bottom ? door.Result().ForceGround.Force.Z : 0;
  // The same sum the evaluation forms for the ground's normal force, before it is cut at 0.
  o.UnliftedWeightN =
      door.Inputs().G - (door.Result().ForceWing.Force.Z + door.Result().ForceStringer.Force.Z);
  return o;
}

BalanceOutcome BalanceDoor(TBoard& door, const AngleTriple& start, long double tolerance) {
  AngleTriple angles = start;
  const NewtonResult r = NewtonSolver(door, tolerance).Solve(angles[0], angles[1], angles[2]);
  BalanceOutcome o = FiguresOf(door, angles);
  o.Converged = r.Converged;
  o.MomentSum = r.MomentSum;
  o.Iterations = r.Iterations;
  o.Evaluations = r.Evaluations;
  return o;
}
