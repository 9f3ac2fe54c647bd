#include "analysis/TargetSolver.h"

#include <algorithm>
#include <cmath>

namespace {
// The bracket counts as closed once it is this small a part of the range.
constexpr long double kValueResolution = 1e-12L;

bool Usable(const BalanceOutcome& b) {
  return b.Converged && b.Finite();
}

bool OppositeSides(long double a, long double b) {
  return (a < 0 && b > 0) || (a > 0 && b < 0);
}

// The angles on the straight line through two balances, at `value`: where a balance between
// them is likely to lie, so the search from there is short.
AngleTriple Between(long double value, long double va, const AngleTriple& a, long double vb,
                    const AngleTriple& b) {
  const long double t = (value - va) / (vb - va);
  AngleTriple start{};
  for (std::size_t i = 0; i < 3; ++i)
    start[i] = a[i] + t * (b[i] - a[i]);
  return start;
}
}  // namespace

TargetSolver::TargetSolver(const TBoard& door, EditableField setting, long double from,
                           long double to, TargetQuantity quantity, long double targetDeg,
                           const AngleTriple& start, long double tolerance)
    : door_(door),
      setting_(setting),
      from_(from),
      to_(to),
      quantity_(quantity),
      target_(targetDeg),
      start_(start),
      tolerance_(tolerance) {}

long double TargetSolver::AngleOf(const BalanceOutcome& balance, TargetQuantity quantity) {
  switch (quantity) {
    case TargetQuantity::Heel:
      return balance.Angles[0];
    case TargetQuantity::Pitch:
      return balance.Angles[1];
    case TargetQuantity::Attack:
      break;
  }
  return balance.WingAttackDeg;
}

TargetSolver::Sample TargetSolver::BalanceAt(long double value, const AngleTriple& start) {
  door_.Edit([this, value](DoorInputs& inputs) { inputs.*(setting_.Field) = value; });
  Sample s;
  s.Value = value;
  s.Balance = BalanceDoor(door_, start, tolerance_);
  s.Miss = AngleOf(s.Balance, quantity_) - target_;
  ++result_.Balances;
  result_.Evaluations += s.Balance.Evaluations;
  return s;
}

void TargetSolver::Remember(const Sample& s) {
  if (!Usable(s.Balance)) return;
  if (haveNearest_ && !(std::fabs(s.Miss) < std::fabs(result_.AchievedDeg - target_))) return;
  haveNearest_ = true;
  result_.Value = s.Value;
  result_.AchievedDeg = AngleOf(s.Balance, quantity_);
  result_.Balance = s.Balance;
}

TargetSolver::Result TargetSolver::Solve() {
  result_ = Result{};
  haveNearest_ = false;
  const long double resolution = kValueResolution * std::fabs(to_ - from_);

  // The scan: one balance followed from `from` towards `to`, up to the first crossing.
  AngleTriple continued = start_;
  Sample low, high;
  bool haveLow = false, bracketed = false;
  for (int k = 0; k <= kScanIntervals && !bracketed; ++k) {
    const long double value =
        k == kScanIntervals ? to_
                            : from_ + (to_ - from_) * static_cast<long double>(k) / kScanIntervals;
    Sample s = BalanceAt(value, continued);
    // Where a value does not balance, the balance followed may still reach half way; otherwise
    // the next value starts from the last balance.
    if (!Usable(s.Balance) && haveLow) s = BalanceAt((low.Value + value) / 2, continued);
    if (!Usable(s.Balance)) continue;
    continued = s.Balance.Angles;
    Remember(s);
    if (std::fabs(s.Miss) <= kAngleTolerance) {
      result_.Why = Outcome::Found;
      return result_;
    }
    if (haveLow && OppositeSides(low.Miss, s.Miss)) {
      high = s;
      bracketed = true;
    } else {
      low = s;
      haveLow = true;
    }
  }
  if (!bracketed) {
    result_.Why = haveNearest_ ? Outcome::NoCrossing : Outcome::Unbalanced;
    return result_;
  }

  // Regula falsi inside the bracket; the weight of an end that stays twice in a row is halved
  // (Illinois), so the bracket closes from both sides.
  long double fLow = low.Miss, fHigh = high.Miss;
  int keptSide = 0;
  bool stuck = false;  // a value inside the bracket would not balance
  for (int i = 0; i < kMaxRefinements; ++i) {
    if (!(std::fabs(high.Value - low.Value) > resolution)) break;
    long double value = (low.Value * fHigh - high.Value * fLow) / (fHigh - fLow);
    const long double lo = std::min(low.Value, high.Value), hi = std::max(low.Value, high.Value);
    if (!(value > lo && value < hi)) value = (low.Value + high.Value) / 2;
    if (!(value > lo && value < hi)) break;  // no real lies between the ends
    const bool nearLow = std::fabs(value - low.Value) <= std::fabs(value - high.Value);
    Sample s = BalanceAt(
        value, Between(value, low.Value, low.Balance.Angles, high.Value, high.Balance.Angles));
    if (!Usable(s.Balance))
      s = BalanceAt(value, nearLow ? low.Balance.Angles : high.Balance.Angles);
    if (!Usable(s.Balance)) {
      // Where a short cut of the bracket does not balance, its middle may.
      const long double middle = (low.Value + high.Value) / 2;
      stuck = value == middle;
      if (stuck) break;
      s = BalanceAt(middle, nearLow ? low.Balance.Angles : high.Balance.Angles);
      stuck = !Usable(s.Balance);
      if (stuck) break;
    }
    Remember(s);
    if (std::fabs(s.Miss) <= kAngleTolerance) {
      result_.Why = Outcome::Found;
      return result_;
    }
    if (OppositeSides(s.Miss, fHigh)) {
      low = s;
      fLow = s.Miss;
      if (keptSide == +1) fHigh /= 2;
      keptSide = +1;
    } else {
      high = s;
      fHigh = s.Miss;
      if (keptSide == -1) fLow /= 2;
      keptSide = -1;
    }
  }
  // The bracket closed without the tolerance being met: on a steep but smooth stretch the
  // nearest value may still be close enough; otherwise the angle jumps across the target, or
  // the door does not balance where it would cross.
  if (std::fabs(result_.AchievedDeg - target_) <= kFoundTolerance) {
    result_.Why = Outcome::Found;
  } else {
    result_.Why = stuck ? Outcome::Unbalanced : Outcome::Jump;
  }
  return result_;
}
