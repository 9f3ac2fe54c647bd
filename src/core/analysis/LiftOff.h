#pragma once

#include "analysis/BalanceOutcome.h"
#include "model/TBoard.h"

// How firmly a bottom-trawled door rests on the ground: the ground's normal force as a share of
// the door's weight, and the towing speed at which the plates' lift would carry the whole
// weight, so that the door lifts off (the normal force reaches zero).
//
// The speed is found by continuation: the door is balanced at its towing speed, then at speeds
// rising in kScanIntervals equal steps up to twice that speed, each search starting from the
// balance before; within the first step across which the weight left to the ground changes
// sign, regula falsi (Illinois) closes in until it is within kForceTolerance of zero. A door
// already lifted off at its towing speed is followed the other way, down towards standstill.
// Some doors do not balance just before they lift off; where the bracket closes onto such
// speeds, only the two speeds between which the door lifts off are told (Unsettled).
class LiftOff {
 public:
  static constexpr int kScanIntervals = 16;
  static constexpr long double kForceTolerance = 0.5L;  // N
  // A speed is told as the lift-off only where the weight left to the ground is this small, N.
  static constexpr long double kToldForce = 1;
  static constexpr int kMaxRefinements = 60;

  enum class Outcome {
    LiftsOff,    // SpeedMps holds the speed
    StaysDown,   // the door keeps to the ground up to twice its towing speed
    Unsettled,   // lifts off between SpeedLowMps and SpeedHighMps, but balances nowhere between
    Unbalanced,  // the door does not balance on the way
    Midwater,    // no ground to lift off from
  };

  struct Result {
    Outcome Why = Outcome::Midwater;
    long double SpeedMps = 0;  // towing speed of the lift-off, m/s
    // The speeds closest to the lift-off at which the door balances on the ground and off it.
    long double SpeedLowMps = 0, SpeedHighMps = 0;
    BalanceOutcome LowBalance, HighBalance;  // the balances there
    BalanceOutcome Balance;                  // the balance at that speed
    int Balances = 0;                        // speeds balanced
  };

  // start: angles (degrees) of the first search, at the door's own speed.
  LiftOff(const TBoard& door, const AngleTriple& start, long double tolerance);

  Result Find();

  // The ground's normal force over the weight in the door's last evaluation; NaN in midwater or
  // for a door without weight.
  static long double NormalShareOf(const TBoard& door);

 private:
  struct Sample {
    long double Speed = 0;
    BalanceOutcome Balance;
  };
  Sample BalanceAt(long double speed, const AngleTriple& start);
  Result Refine(Sample low, Sample high);

  TBoard door_;
  AngleTriple start_;
  long double tolerance_;
  Result result_;
};
