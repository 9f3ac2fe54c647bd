#pragma once

#include "analysis/BalanceOutcome.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"

// What the balanced door is asked to reach: its wing attack angle, its heel (rotation about X)
// or its pitch (rotation about Y).
enum class TargetQuantity { Attack, Heel, Pitch };

// The value of one setting of the door (a main parameter or an environment value) between two
// ends that brings the balanced door to a target angle.
//
// A door balances differently for each value of the setting, and may balance in more than one
// position; the search follows one balance from the first end on, each balance starting from
// the one before (continuation):
// - It balances the door at kScanIntervals + 1 evenly spaced values from `from` to `to` and
//   stops at the first interval across which the angle passes the target (the bracket). A
//   value that does not balance is tried once more half way back to the last balance.
// - Within the bracket it takes regula falsi steps (the Illinois variant, which halves the
//   weight of an end that stays put), each balance starting between those of the two ends
//   (on the straight line through them; failing that, from the nearer one),
//   until the angle is within kAngleTolerance of the target.
// - An angle that jumps across the target instead (another balance takes over on the way)
//   closes the bracket onto the jump without meeting the tolerance: not found, with the value
//   nearest the target.
// Not found is also where the angle keeps to one side of the target over the whole range, or
// no value balances; the result then carries the value that came nearest.
class TargetSolver {
 public:
  static constexpr int kScanIntervals = 8;
  // The search stops once the balanced angle is this close to the target, degrees.
  static constexpr long double kAngleTolerance = 0.001L;
  // A value whose angle misses the target by more than this is not a solution, degrees: the
  // balance itself is found to 0.1 N*m only.
  static constexpr long double kFoundTolerance = 0.01L;
  static constexpr int kMaxRefinements = 60;

  enum class Outcome {
    Found,
    NoCrossing,  // the angle stays on one side of the target over the whole range
    Jump,        // the angle jumps across the target between two values that both balance
    Unbalanced,  // no value balanced, or none in the bracket
  };

  struct Result {
    Outcome Why = Outcome::Unbalanced;
    bool Found() const { return Why == Outcome::Found; }
    long double Value = 0;        // the value found, or the one that came nearest
    long double AchievedDeg = 0;  // the angle the door balances at with it
    BalanceOutcome Balance;       // the balance at Value
    int Balances = 0;             // values balanced, both ends included
    int Evaluations = 0;          // evaluations of the door in all those searches
  };

  // from < to or from > to; the start angles (degrees) are those of the first search.
  TargetSolver(const TBoard& door, EditableField setting, long double from, long double to,
               TargetQuantity quantity, long double targetDeg, const AngleTriple& start,
               long double tolerance);

  Result Solve();

  // The angle a balance shows for a quantity, degrees.
  static long double AngleOf(const BalanceOutcome& balance, TargetQuantity quantity);

 private:
  struct Sample {
    long double Value = 0;
    BalanceOutcome Balance;
    long double Miss = 0;  // angle minus target
  };
  Sample BalanceAt(long double value, const AngleTriple& start);
  // Keeps the sample when it comes nearer the target than the nearest so far.
  void Remember(const Sample& s);

  TBoard door_;
  EditableField setting_;
  long double from_, to_;
  TargetQuantity quantity_;
  long double target_;
  AngleTriple start_;
  long double tolerance_;
  Result result_;
  bool haveNearest_ = false;
};
