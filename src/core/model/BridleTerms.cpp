#include "model/BridleTerms.h"

#include <cmath>

#include "model/PlaneMath.h"
#include "model/TBoard.h"

void BridleTerms::Refresh(const TBoard& door) {
  // A NaN input never compares equal, so it is worked out every time, as it would be anyway.
  if (known_ && angleH_ == door.BridleAngleH && angleV_ == door.BridleAngleV && chord_ == door.b &&
      height_ == door.H && resistance_ == door.R) {
    return;
  }
  angleH_ = door.BridleAngleH;
  angleV_ = door.BridleAngleV;
  chord_ = door.b;
  height_ = door.H;
  resistance_ = door.R;
  // Each bridle carries a quarter of the trawl's resistance.
  const long double pull = door.R / 4;
  const long double ah = door.BridleAngleH * kDegree;
  const long double av = door.BridleAngleV * kDegree;
  pull_ = {-pull, -pull * std::tan(ah), -pull * std::tan(av)};
  stub_ = door.BridleDirection() * door.BridleStubLength();
  known_ = true;
}
