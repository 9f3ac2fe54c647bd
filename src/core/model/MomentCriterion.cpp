#include "model/MomentCriterion.h"

long double CriterionValue(const XYZ& moment, MomentCriterion criterion) {
  switch (criterion) {
    case MomentCriterion::X:
      return moment.X;
    case MomentCriterion::Y:
      return moment.Y;
    case MomentCriterion::Z:
      return moment.Z;
    case MomentCriterion::Sum:
      break;
  }
  return moment.X + moment.Y + moment.Z;
}
