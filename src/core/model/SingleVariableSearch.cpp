#include "model/SingleVariableSearch.h"

#include <cmath>
#include <optional>
#include <utility>

#include "model/EditableFields.h"
#include "model/FieldLimits.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {

SingleVariableSearch::CriterionAt DoorCriterion(TBoard& door, int paramIndex,
                                                MomentCriterion criterion, long double x,
                                                long double y, long double z) {
  long double DoorInputs::*field = kMainParams.at(static_cast<std::size_t>(paramIndex)).Field;
  return [&door, field, criterion, x, y, z](long double value) {
    door.Edit([field, value](DoorInputs& inputs) { inputs.*field = value; });
    door.Evaluate(x * kDegree, y * kDegree, z * kDegree);
    return CriterionValue(door.Result().TotalMoment, criterion);
  };
}

}  // namespace

SingleVariableSearch::SingleVariableSearch(TBoard& door, int paramIndex, MomentCriterion criterion,
                                           long double from, long double to, long double x,
                                           long double y, long double z)
    : SingleVariableSearch(DoorCriterion(door, paramIndex, criterion, x, y, z), from, to) {
  // A range record may reach past the field (the sample doors' do): the value found must not.
  if (const std::optional<FieldLimits> limits = LimitsOfField(kMainParams[paramIndex].Name)) {
    const FieldLimits::Interval within = limits->Clamp(from, to);
    from_ = within.From;
    to_ = within.To;
  }
}

SingleVariableSearch::SingleVariableSearch(CriterionAt criterionAt, long double from,
                                           long double to)
    : criterionAt_(std::move(criterionAt)), from_(from), to_(to) {}

long double SingleVariableSearch::Try(long double value) {
  value_ = value;
  criterion_ = criterionAt_(value);
  ++evaluations_;
  return criterion_;
}

void SingleVariableSearch::KeepIfBetter(long double value, long double criterion,
                                        bool latestOfEqual) {
  const long double magnitude = std::fabs(criterion);
  const long double bestMagnitude = std::fabs(bestCriterion_);
  if (magnitude < bestMagnitude || (latestOfEqual && magnitude == bestMagnitude)) {
    best_ = value;
    bestCriterion_ = criterion;
  }
}

bool SingleVariableSearch::Step() {
  if (finished_) return true;
  switch (phase_) {
    case Phase::From:
      fromCriterion_ = Try(from_);
      best_ = from_;
      bestCriterion_ = fromCriterion_;
      phase_ = Phase::To;
      break;
    case Phase::To: {
      const long double toCriterion = Try(to_);
      if (fromCriterion_ * toCriterion >= 0) {
        // No change of sign: the scan starts again from From, and To is no candidate.
        method_ = Method::Scan;
        phase_ = Phase::Scan;
        scanStep_ = (to_ - from_) / kScanPoints;
        if (!(from_ < to_)) Finish(from_, fromCriterion_);
      } else {
        method_ = Method::Bisection;
        phase_ = Phase::Bisection;
        low_ = from_;
        high_ = to_;
        KeepIfBetter(to_, toCriterion, true);
      }
      break;
    }
    case Phase::Scan:
      StepScan();
      break;
    case Phase::Bisection:
      StepBisection();
      break;
  }
  return finished_;
}

void SingleVariableSearch::Run() {
  while (!Step()) {
  }
}

void SingleVariableSearch::StepScan() {
  // Each point from From itself rather than by adding the step up: the sum drifts and could
  // add a 21st point just below To.
  const long double value = from_ + scanIndex_ * scanStep_;
  KeepIfBetter(value, Try(value), false);  // the first of equal minima stays
  ++scanIndex_;
  const long double next = from_ + scanIndex_ * scanStep_;
  if (scanIndex_ >= kScanPoints || !(next < to_)) Finish(best_, bestCriterion_);
}

void SingleVariableSearch::StepBisection() {
  const long double middle = (low_ + high_) / 2;
  const long double criterion = Try(middle);
  ++halvings_;
  KeepIfBetter(middle, criterion, true);
  if (std::fabs(criterion) < kZeroTolerance) {
    reachedTolerance_ = true;
    Finish(middle, criterion);
    return;
  }
  if (criterion * fromCriterion_ > 0) {
    low_ = middle;
  } else {
    high_ = middle;
  }
  // A criterion that jumps across zero keeps its magnitude however narrow the interval gets.
  const long double next = (low_ + high_) / 2;
  if (halvings_ >= kMaxHalvings || next == low_ || next == high_) Finish(best_, bestCriterion_);
}

void SingleVariableSearch::Finish(long double value, long double criterion) {
  finished_ = true;
  if (value != value_) {
    // Leave the variable and the door's results at the value found.
    criterionAt_(value);
    value_ = value;
  }
  criterion_ = criterion;
}
