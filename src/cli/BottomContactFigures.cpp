#include "BottomContactFigures.h"

#include <cmath>
#include <ostream>

#include "PositionOptions.h"
#include "model/TBoard.h"
#include "numbers/NumberFormat.h"

BottomContactFigures BottomContactFigures::Of(const TBoard& door, const AngleTriple& angles) {
  BottomContactFigures f;
  f.bottom_ = door.Inputs().Bottom;
  if (!f.bottom_) return f;
  f.share_ = LiftOff::NormalShareOf(door);
  f.twiceSpeed_ = 2 * door.Inputs().v;
  f.liftOff_ = LiftOff(door, angles, kBalanceTolerance).Find();
  return f;
}

void BottomContactFigures::AddTo(nlohmann::ordered_json& j) const {
  const bool share = bottom_ && std::isfinite(share_);
  j["ground_normal_share"] =
      share ? nlohmann::ordered_json(static_cast<double>(share_)) : nlohmann::ordered_json(nullptr);
  const bool speed =
      bottom_ && liftOff_.Why == LiftOff::Outcome::LiftsOff && std::isfinite(liftOff_.SpeedMps);
  j["lift_off_speed_mps"] = speed ? nlohmann::ordered_json(static_cast<double>(liftOff_.SpeedMps))
                                  : nlohmann::ordered_json(nullptr);
}

void BottomContactFigures::Print(std::ostream& out) const {
  if (!bottom_) return;
  out << "Ground normal force:  ";
  if (std::isfinite(share_)) {
    out << FormatFloat("##0.0", share_ * 100) << " % of the weight\n";
  } else {
    out << "- (the door has no weight)\n";
  }
  out << "Lift-off speed:       ";
  switch (liftOff_.Why) {
    case LiftOff::Outcome::LiftsOff:
      out << FormatFloat("##0.000", liftOff_.SpeedMps) << " m/s\n";
      break;
    case LiftOff::Outcome::StaysDown:
      out << "none up to " << FormatFloat("##0.00", twiceSpeed_) << " m/s\n";
      break;
    case LiftOff::Outcome::Unsettled:
      out << "between " << FormatFloat("##0.000", liftOff_.SpeedLowMps) << " and "
          << FormatFloat("##0.000", liftOff_.SpeedHighMps)
          << " m/s (the door does not balance between them)\n";
      break;
    case LiftOff::Outcome::Unbalanced:
    case LiftOff::Outcome::Midwater:
      out << "- (the door does not balance on the way)\n";
      break;
  }
}
