#include "DoorDelta.h"

#include <array>

#include "model/EditableFields.h"

namespace {

// Every real of the inputs: the main parameters, the environment and the stringer chord.
std::vector<long double DoorInputs::*> ScalarFields() {
  std::vector<long double DoorInputs::*> fields;
  for (const EditableField& field : kMainParams)
    fields.push_back(field.Field);
  for (const EditableField& field : kEnvironmentFields)
    fields.push_back(field.Field);
  fields.push_back(&DoorInputs::bs);
  return fields;
}

constexpr std::array<CoefTable DoorInputs::*, 4> kTables = {
    &DoorInputs::Hydro, &DoorInputs::StringerHydro, &DoorInputs::Ground, &DoorInputs::KeelGeom};
constexpr std::array<std::string DoorInputs::*, 3> kTexts = {
    &DoorInputs::FrontPicture, &DoorInputs::PlanPicture, &DoorInputs::SidePicture};

}  // namespace

DoorDelta DoorDelta::Between(const DoorState& before, const DoorState& after) {
  static const std::vector<long double DoorInputs::*> scalars = ScalarFields();
  DoorDelta delta;
  const DoorInputs& a = before.Door;
  const DoorInputs& b = after.Door;
  for (long double DoorInputs::*field : scalars) {
    if (!(a.*field == b.*field)) delta.scalars_.push_back({field, {a.*field, b.*field}});
  }
  for (int i = 0; i < kMainParamCount; ++i) {
    if (!(a.Ranges[i] == b.Ranges[i])) delta.ranges_.push_back({i, {a.Ranges[i], b.Ranges[i]}});
  }
  for (CoefTable DoorInputs::*table : kTables) {
    if (!(a.*table == b.*table)) delta.tables_.push_back({table, {a.*table, b.*table}});
  }
  for (std::string DoorInputs::*text : kTexts) {
    if (a.*text != b.*text) delta.texts_.push_back({text, {a.*text, b.*text}});
  }
  if (a.Bottom != b.Bottom) delta.mode_ = Change<bool>{a.Bottom, b.Bottom};
  if (!(before.Angles == after.Angles))
    delta.angles_ = Change<BalanceAngles>{before.Angles, after.Angles};
  return delta;
}

bool DoorDelta::Empty() const {
  return PartCount() == 0;
}

int DoorDelta::PartCount() const {
  return static_cast<int>(scalars_.size() + ranges_.size() + tables_.size() + texts_.size()) +
         (mode_ ? 1 : 0) + (angles_ ? 1 : 0);
}

void DoorDelta::Apply(DoorState& state, bool forward) const {
  const auto pick = [forward](const auto& change) -> const auto& {
    return forward ? change.After : change.Before;
  };
  DoorInputs& door = state.Door;
  for (const ScalarChange& c : scalars_)
    door.*c.Field = pick(c.Value);
  for (const RangeChange& c : ranges_)
    door.Ranges[static_cast<std::size_t>(c.Index)] = pick(c.Value);
  for (const TableChange& c : tables_)
    door.*c.Table = pick(c.Value);
  for (const TextChange& c : texts_)
    door.*c.Field = pick(c.Value);
  if (mode_) door.Bottom = pick(*mode_);
  if (angles_) state.Angles = pick(*angles_);
}
