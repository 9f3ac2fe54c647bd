#include "model/EditableFields.h"

#include <cmath>

#include "model/FieldLimits.h"
#include "numbers/NumberText.h"
#include "numbers/QuotedToken.h"

const std::array<EditableField, kMainParamCount> kMainParams = {{
    {"y0", &DoorInputs::y0},   {"yc0", &DoorInputs::yc0}, {"yc1", &DoorInputs::yc1},
    {"yh", &DoorInputs::yh},   {"ys", &DoorInputs::ys},   {"yg", &DoorInputs::yg},
    {"G", &DoorInputs::G},     {"x0", &DoorInputs::x0},   {"xc0", &DoorInputs::xc0},
    {"xc1", &DoorInputs::xc1}, {"xg", &DoorInputs::xg},   {"R", &DoorInputs::R},
    {"v", &DoorInputs::v},     {"Fs", &DoorInputs::Fs},   {"b", &DoorInputs::b},
    {"zh", &DoorInputs::zh},   {"zs", &DoorInputs::zs},   {"zg", &DoorInputs::zg},
    {"z0", &DoorInputs::z0},   {"zc0", &DoorInputs::zc0}, {"zc1", &DoorInputs::zc1},
    {"H", &DoorInputs::H},     {"F", &DoorInputs::F},
}};

const std::array<EditableField, 8> kEnvironmentFields = {{
    {"WaterDensity", &DoorInputs::WaterDensity},
    {"GroundDensity", &DoorInputs::GroundDensity},
    {"GroundCoef", &DoorInputs::GroundCoef},
    {"BridleAngleH", &DoorInputs::BridleAngleH},
    {"BridleAngleV", &DoorInputs::BridleAngleV},
    {"xk", &DoorInputs::xk},
    {"yk", &DoorInputs::yk},
    {"zk", &DoorInputs::zk},
}};

std::optional<EditableField> FindEditableField(std::string_view name) {
  for (const EditableField& f : kMainParams) {
    if (f.Name == name) return f;
  }
  for (const EditableField& f : kEnvironmentFields) {
    if (f.Name == name) return f;
  }
  return std::nullopt;
}

int MainParamIndex(std::string_view name) {
  for (int i = 0; i < kMainParamCount; ++i) {
    if (kMainParams[i].Name == name) return i;
  }
  return -1;
}

std::optional<std::string> CheckFieldValue(std::string_view name, long double value) {
  if (!std::isfinite(value)) return std::string(name) + " must be a finite number";
  const std::optional<FieldLimits> limits = LimitsOfField(name);
  if (limits && !limits->Admits(value)) {
    return std::string(name) + " is out of range: " + limits->IntervalText() +
           " (the range of its field)";
  }
  return std::nullopt;
}

std::optional<std::string> AssignField(DoorInputs& board, std::string_view assignment) {
  const std::size_t eq = assignment.find('=');
  if (eq == std::string_view::npos) {
    return QuotedToken(assignment) + " is not of the form NAME=VALUE";
  }
  const std::string_view name = assignment.substr(0, eq);
  const std::string_view text = assignment.substr(eq + 1);
  const std::optional<EditableField> field = FindEditableField(name);
  if (!field) return "unknown field " + QuotedToken(name);
  if (text.empty()) return "missing value for " + std::string(name);
  long double value = 0;
  if (!ConvertStrict(text, value)) {
    // A number too large or too small to be held is still a number: it is out of range.
    if (HasRealSyntax(text)) {
      const std::optional<FieldLimits> limits = LimitsOfField(name);
      return QuotedToken(text) + " for " + std::string(name) + " is out of range" +
             (limits ? ": " + limits->IntervalText() + " (the range of its field)" : std::string());
    }
    return "malformed number " + QuotedToken(text) + " for " + std::string(name);
  }
  if (auto problem = CheckFieldValue(name, value)) return problem;
  board.*(field->Field) = value;
  return std::nullopt;
}
