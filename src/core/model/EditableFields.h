#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/DoorInputs.h"

// The scalar fields of the door a user can edit, by their model names. Used wherever a field is
// addressed by name: the data file's records, command-line overrides, the variable search.
struct EditableField {
  std::string_view Name;
  long double DoorInputs::*Field;
};

// The 23 main parameters in their stored order (index = index of their Range record).
extern const std::array<EditableField, kMainParamCount> kMainParams;
// Environment, trawl and keel values in their stored order.
extern const std::array<EditableField, 8> kEnvironmentFields;

// Main parameters first, then the environment fields; nothing when the name is unknown.
std::optional<EditableField> FindEditableField(std::string_view name);
// Index of a main parameter in the stored order, or -1.
int MainParamIndex(std::string_view name);

// Why a value cannot be stored in the named field, or nothing when it can: every value must be
// finite and lie in the range of the window's field for it (FieldLimits).
std::optional<std::string> CheckFieldValue(std::string_view name, long double value);

// Applies "NAME=VALUE" (VALUE with "." as decimal separator) to that one field, as a dialog
// would: setting b leaves bs alone, setting z0 leaves zs alone. Returns the reason when the
// name is unknown, the value is missing or malformed, or the value is not allowed; the door is
// then unchanged.
std::optional<std::string> AssignField(DoorInputs& board, std::string_view assignment);
