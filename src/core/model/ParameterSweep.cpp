#include "model/ParameterSweep.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/BalanceFigures.h"
#include "model/NewtonSolver.h"

ParameterSweep::ParameterSweep(const TBoard& door, EditableField variable, long double from,
                               long double to, int count, BalanceMethod method, long double x,
                               long double y, long double z, long double tolerance)
    : door_(door),
      variable_(variable),
      from_(from),
      to_(to),
      count_(std::max(count, 2)),
      method_(method),
      startX_(x),
      startY_(y),
      startZ_(z),
      tolerance_(tolerance) {}

void ParameterSweep::KeepOnlyLastPoint() {
  keepAll_ = false;
  points_.clear();
  points_.shrink_to_fit();
}

long double ParameterSweep::ValueAt(int i) const {
  // The last value is `to` itself, not the sum of count-1 rounded steps.
  if (i >= count_ - 1) return to_;
  return from_ + (to_ - from_) * static_cast<long double>(i) / (count_ - 1);
}

bool ParameterSweep::Step() {
  if (Finished()) return true;
  SweepPoint point;
  point.Value = ValueAt(done_);
  door_.Edit([this, &point](DoorInputs& inputs) { inputs.*(variable_.Field) = point.Value; });
  long double x = startX_, y = startY_, z = startZ_;
  if (method_ == BalanceMethod::Newton) {
    const NewtonResult r = NewtonSolver(door_, tolerance_).Solve(x, y, z);
    point.Converged = r.Converged;
    point.Iterations = r.Iterations;
    point.MomentSum = r.MomentSum;
  } else {
    const SolveResult r = door_.Solve(x, y, z, tolerance_);  // recomputes the geometry
    point.Converged = r.Converged;
    point.Iterations = r.Iterations;
    const XYZ& m = door_.Result().TotalMoment;
    point.MomentSum = std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z);
  }
  point.RotX = x;
  point.RotY = y;
  point.RotZ = z;
  const BalanceFigures figures = ComputeBalanceFigures(door_);
  point.WingAttackDeg = figures.WingAttackDeg;
  point.SpreadKN = figures.SpreadKN;
  point.ResistanceKN = figures.ResistanceKN;
  point.VerticalKN = figures.VerticalKN;
  point.SpreadOverResistance = figures.ResistanceKN != 0
                                   ? figures.SpreadKN / std::fabs(figures.ResistanceKN)
                                   : std::numeric_limits<long double>::quiet_NaN();
  // Continuation: the next search starts from this balance, unless this one failed.
  if (point.Converged) {
    startX_ = x;
    startY_ = y;
    startZ_ = z;
  }
  last_ = point;
  ++done_;
  if (keepAll_) points_.push_back(point);
  return Finished();
}

bool ParameterSweep::Run(const std::function<bool()>& cancelRequested) {
  while (!Step()) {
    if (cancelRequested && cancelRequested()) return false;
  }
  return true;
}
