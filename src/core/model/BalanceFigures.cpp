#include "model/BalanceFigures.h"

#include "model/PlaneMath.h"
#include "model/TBoard.h"

BalanceFigures ComputeBalanceFigures(const TBoard& board) {
  const XYZ& wing = board.Result().ForceWing.Force;
  const XYZ& stringer = board.Result().ForceStringer.Force;
  BalanceFigures f;
  f.ResistanceKN = (wing.X + stringer.X + board.Result().ForceGround.Force.X) / 1000;
  f.SpreadKN = (wing.Y + stringer.Y) / 1000;
  f.VerticalKN = (wing.Z + stringer.Z + board.Result().ForceGravity.Force.Z) / 1000;
  f.WingAttackDeg = board.Result().WingAttack / kDegree;
  return f;
}
