#pragma once

#include <functional>
#include <vector>

#include "model/BalanceMethod.h"
#include "model/EditableFields.h"
#include "model/SweepPoint.h"
#include "model/TBoard.h"

// Balances a door for a row of values of one field (a main parameter or an environment value),
// evenly spaced from one value to another, both included. Each step starts its search from the
// balance of the step before (the last one that balanced), so the row follows one balance as
// the field changes and each search is short.
//
// The sweep works on its own copy of the door: the door it was given is not touched. A window
// calls Step from a timer and shows Points() as they come; Run does it all at once.
class ParameterSweep {
 public:
  // count >= 2 values from `from` to `to`; start angles in degrees for the first search;
  // tolerance bounds |Mx| + |My| + |Mz| in N*m.
  ParameterSweep(const TBoard& door, EditableField variable, long double from, long double to,
                 int count, BalanceMethod method, long double x, long double y, long double z,
                 long double tolerance);

  // Balances the next value. Returns true once every value has been balanced; steps after
  // that do nothing and return true.
  bool Step();
  // Steps until the end, asking cancelRequested (when given) after each step; a true answer
  // stops the sweep with the points so far kept. Returns true when the sweep is complete.
  bool Run(const std::function<bool()>& cancelRequested = {});

  // From now on only the last point is kept, for a caller that writes each point out as it
  // comes: the memory then stays the same however many values the row has.
  void KeepOnlyLastPoint();

  bool Finished() const { return done_ >= count_; }
  // How many values have been balanced.
  int Done() const { return done_; }
  // The point of the value balanced last; only valid after a Step.
  const SweepPoint& LastPoint() const { return last_; }
  int Count() const { return count_; }
  // The i-th value of the row (0 .. Count()-1).
  long double ValueAt(int i) const;
  // Every point so far, unless only the last is kept.
  const std::vector<SweepPoint>& Points() const { return points_; }
  // The sweep's door, holding the field's last value and the evaluation of the last balance.
  const TBoard& Door() const { return door_; }

 private:
  TBoard door_;
  EditableField variable_;
  long double from_, to_;
  int count_;
  BalanceMethod method_;
  long double startX_, startY_, startZ_;
  long double tolerance_;
  std::vector<SweepPoint> points_;
  bool keepAll_ = true;
  int done_ = 0;
  SweepPoint last_;
};
