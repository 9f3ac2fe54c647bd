#include "analysis/LiftOff.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
bool Usable(const BalanceOutcome& b) {
  return b.Converged && b.Finite();
}

bool OnGround(const BalanceOutcome& b) {
  return b.UnliftedWeightN > 0;
}
}  // namespace

LiftOff::LiftOff(const TBoard& door, const AngleTriple& start, long double tolerance)
    : door_(door), start_(start), tolerance_(tolerance) {}

long double LiftOff::NormalShareOf(const TBoard& door) {
  const DoorInputs& inputs = door.Inputs();
  if (!inputs.Bottom || !(inputs.G > 0)) return std::numeric_limits<long double>::quiet_NaN();
  return door.Result().ForceGround.Force.Z / inputs.G;
}

LiftOff::Sample LiftOff::BalanceAt(long double speed, const AngleTriple& start) {
  door_.Edit([speed](DoorInputs& inputs) { inputs.v = speed; });
  Sample s{speed, BalanceDoor(door_, start, tolerance_)};
  ++result_.Balances;
  return s;
}

LiftOff::Result LiftOff::Find() {
  result_ = Result{};
  if (!door_.Inputs().Bottom) return result_;
  const long double speed = door_.Inputs().v;
  Sample previous = BalanceAt(speed, start_);
  if (!Usable(previous.Balance)) {
    result_.Why = Outcome::Unbalanced;
    return result_;
  }
  if (!(speed > 0)) {
    result_.Why = Outcome::StaysDown;  // no towing, no lift
    return result_;
  }
  // Up to twice the speed while the door rests on the ground; down towards standstill (short
  // of it: without towing the plates carry nothing) when it is lifted off already.
  const bool up = OnGround(previous.Balance);
  for (int k = 1; k <= kScanIntervals; ++k) {
    const long double step = static_cast<long double>(k) / kScanIntervals;
    const long double next =
        up ? speed * (1 + step) : speed * (1 - step * (kScanIntervals - 1) / kScanIntervals);
    const Sample s = BalanceAt(next, previous.Balance.Angles);
    // A speed that does not balance is passed over: the next starts from the last balance.
    if (!Usable(s.Balance)) continue;
    if (OnGround(s.Balance) != OnGround(previous.Balance)) {
      return up ? Refine(previous, s) : Refine(s, previous);
    }
    previous = s;
  }
  result_.Why = up ? Outcome::StaysDown : Outcome::Unbalanced;
  return result_;
}

LiftOff::Result LiftOff::Refine(Sample low, Sample high) {
  // low rests on the ground, high is lifted off; both balance.
  long double fLow = low.Balance.UnliftedWeightN, fHigh = high.Balance.UnliftedWeightN;
  Sample best = std::fabs(fLow) <= std::fabs(fHigh) ? low : high;
  int keptSide = 0;
  for (int i = 0;
       i < kMaxRefinements && !(std::fabs(best.Balance.UnliftedWeightN) <= kForceTolerance); ++i) {
    long double speed = (low.Speed * fHigh - high.Speed * fLow) / (fHigh - fLow);
    if (!(speed > low.Speed && speed < high.Speed)) speed = (low.Speed + high.Speed) / 2;
    if (!(speed > low.Speed && speed < high.Speed)) break;  // no real lies between them
    const bool nearLow = speed - low.Speed <= high.Speed - speed;
    Sample s = BalanceAt(speed, nearLow ? low.Balance.Angles : high.Balance.Angles);
    // From the other end's balance the search may find its way.
    if (!Usable(s.Balance))
      s = BalanceAt(speed, nearLow ? high.Balance.Angles : low.Balance.Angles);
    if (!Usable(s.Balance)) break;
    const long double f = s.Balance.UnliftedWeightN;
    if (std::fabs(f) < std::fabs(best.Balance.UnliftedWeightN)) best = s;
    if (OnGround(s.Balance)) {
      low = s;
      fLow = f;
      if (keptSide == +1) fHigh /= 2;
      keptSide = +1;
    } else {
      high = s;
      fHigh = f;
      if (keptSide == -1) fLow /= 2;
      keptSide = -1;
    }
  }
  result_.SpeedLowMps = low.Speed;
  result_.SpeedHighMps = high.Speed;
  result_.LowBalance = low.Balance;
  result_.HighBalance = high.Balance;
  result_.Balance = best.Balance;
  result_.SpeedMps = best.Speed;
  result_.Why = std::fabs(best.Balance.UnliftedWeightN) <= kToldForce ? Outcome::LiftsOff
                                                                      : Outcome::Unsettled;
  return result_;
}
