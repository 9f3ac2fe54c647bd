#include "report/BalanceFigures.h"

#include "model/PlaneMath.h"
#include "model/TBoard.h"

BalanceFigures ComputeBalanceFigures(const TBoard& board) {
  const XYZ& wing = board.ForceWing.Force;
  const XYZ& stringer = board.ForceStringer.Force;
  BalanceFigures f;
  f.ResistanceKN = (wing.X + stringer.X + board.ForceGround.Force.X) / 1000;
  f.SpreadKN = (wing.Y + stringer.Y) / 1000;
  f.VerticalKN = (wing.Z + stringer.Z + board.ForceGravity.Force.Z) / 1000;
  f.WingAttackDeg = board.WingAttack / kDegree;
  return f;
}
