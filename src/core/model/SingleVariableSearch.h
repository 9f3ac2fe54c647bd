#pragma once

#include <functional>

#include "model/MomentCriterion.h"

class TBoard;

// Searches one main parameter of the door, between two values, for the value that brings a
// moment criterion to zero with the door held at fixed rotation angles, or as near to zero as
// the range allows.
//
// Both ends are evaluated first. When the criterion has the same sign at both (or is zero at
// one), a scan tries kScanPoints evenly spaced values from From on, To itself excluded, and
// keeps the one with the smallest |criterion|: of equal ones the first. When the sign changes,
// the interval is halved until |criterion| < kZeroTolerance. A criterion that jumps across zero
// instead of passing through it (the keel starting to touch the ground) never gets there, so
// the halving also stops once the interval no longer shrinks or after kMaxHalvings, and the
// value with the smallest |criterion| seen, the ends included, is kept: of equal ones the
// latest, which lies nearest to where the sign changes.
//
// Each Step makes one evaluation, so that a window can drive the search from a timer and show
// every value tried; Run finishes it at once. When the search ends, the variable holds the
// value found and the door the results of an evaluation there.
class SingleVariableSearch {
 public:
  enum class Method { Undecided, Scan, Bisection };

  static constexpr int kScanPoints = 20;
  static constexpr long double kZeroTolerance = 0.001L;  // N*m
  static constexpr int kMaxHalvings = 200;

  // Sets the variable to the value, evaluates and returns the criterion (N*m).
  using CriterionAt = std::function<long double(long double value)>;

  // The main parameter paramIndex (stored order, see kMainParams) of the door, set as the
  // projections dialog sets it and followed by ComputeGeometry; the door is evaluated at the
  // rotation angles x, y, z (degrees). The search keeps within the parameter's field range
  // (FieldLimits::Clamp): the value found is always one the door can hold and save.
  SingleVariableSearch(TBoard& door, int paramIndex, MomentCriterion criterion, long double from,
                       long double to, long double x, long double y, long double z);
  // Any variable: criterionAt does the setting and the evaluating (the balance window's
  // own update, for instance).
  SingleVariableSearch(CriterionAt criterionAt, long double from, long double to);

  // Makes the next evaluation. Returns true once the search has ended; steps after the end
  // evaluate nothing and return true.
  bool Step();
  // Steps until the end.
  void Run();

  bool Finished() const { return finished_; }
  // Decided by the second evaluation (the end To).
  Method SearchMethod() const { return method_; }
  // The value of the last evaluation and its criterion; once finished, the value found and its
  // criterion.
  long double Value() const { return value_; }
  long double Criterion() const { return criterion_; }
  // Values tried, the two ends included. The closing evaluation at the value found, when it
  // was not the last one tried, is not counted.
  int Evaluations() const { return evaluations_; }
  // The bisection ended with |criterion| < kZeroTolerance.
  bool ReachedTolerance() const { return reachedTolerance_; }
  // The interval searched, From end first: the one asked for, or its part within the field's
  // range.
  long double From() const { return from_; }
  long double To() const { return to_; }

 private:
  enum class Phase { From, To, Scan, Bisection };

  long double Try(long double value);
  void KeepIfBetter(long double value, long double criterion, bool latestOfEqual);
  void StepScan();
  void StepBisection();
  void Finish(long double value, long double criterion);

  CriterionAt criterionAt_;
  long double from_, to_;
  long double fromCriterion_ = 0;
  Phase phase_ = Phase::From;
  Method method_ = Method::Undecided;
  int scanIndex_ = 0;
  long double scanStep_ = 0;
  long double low_ = 0, high_ = 0;  // bisection interval; low_ has the sign of the From end
  int halvings_ = 0;
  long double best_ = 0, bestCriterion_ = 0;
  long double value_ = 0, criterion_ = 0;
  int evaluations_ = 0;
  bool finished_ = false;
  bool reachedTolerance_ = false;
};
