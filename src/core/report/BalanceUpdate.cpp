#include "report/BalanceUpdate.h"

#include "model/PlaneMath.h"
#include "model/TBoard.h"

XYZ EvaluateWithStability(TBoard& board, long double x, long double y, long double z) {
  const long double ax = x * kDegree, ay = y * kDegree, az = z * kDegree;
  XYZ turned;  // each moment one degree further about its own axis
  board.Evaluate(ax + kDegree, ay, az);
  turned.X = board.Result().TotalMoment.X;
  board.Evaluate(ax, ay + kDegree, az);
  turned.Y = board.Result().TotalMoment.Y;
  board.Evaluate(ax, ay, az + kDegree);
  turned.Z = board.Result().TotalMoment.Z;
  board.Evaluate(ax, ay, az);
  return turned - board.Result().TotalMoment;
}
