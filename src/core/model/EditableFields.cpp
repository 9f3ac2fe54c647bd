#include "model/EditableFields.h"

#include <cmath>

#include "model/FieldLimits.h"
#include "numbers/NumberText.h"
#include "numbers/QuotedToken.h"

const std::array<EditableField, kMainParamCount> kMainParams = {{
    {"y0", &TBoard::y0},   {"yc0", &TBoard::yc0}, {"yc1", &TBoard::yc1}, {"yh", &TBoard::yh},
    {"ys", &TBoard::ys},   {"yg", &TBoard::yg},   {"G", &TBoard::G},     {"x0", &TBoard::x0},
    {"xc0", &TBoard::xc0}, {"xc1", &TBoard::xc1}, {"xg", &TBoard::xg},   {"R", &TBoard::R},
    {"v", &TBoard::v},     {"Fs", &TBoard::Fs},   {"b", &TBoard::b},     {"zh", &TBoard::zh},
    {"zs", &TBoard::zs},   {"zg", &TBoard::zg},   {"z0", &TBoard::z0},   {"zc0", &TBoard::zc0},
    {"zc1", &TBoard::zc1}, {"H", &TBoard::H},     {"F", &TBoard::F},
}};

const std::array<EditableField, 8> kEnvironmentFields = {{
    {"WaterDensity", &TBoard::WaterDensity},
    {"GroundDensity", &TBoard::GroundDensity},
    {"GroundCoef", &TBoard::GroundCoef},
    {"BridleAngleH", &TBoard::BridleAngleH},
    {"BridleAngleV", &TBoard::BridleAngleV},
    {"xk", &TBoard::xk},
    {"yk", &TBoard::yk},
    {"zk", &TBoard::zk},
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

std::optional<std::string> AssignField(TBoard& board, std::string_view assignment) {
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
