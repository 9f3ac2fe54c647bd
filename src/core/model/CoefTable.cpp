#include "model/CoefTable.h"

#include <cmath>
#include <utility>

#include "numbers/NumberFormat.h"

namespace {
std::string RowText(int row) {
  return "row " + std::to_string(row + 1);
}
}  // namespace

std::optional<TableProblem> ValidateTable(int count, int capacity, NamedColumn key,
                                          std::initializer_list<NamedColumn> others) {
  if (count < 2) {
    return TableProblem{-1, "the table needs at least 2 rows, it has " + std::to_string(count)};
  }
  if (count > capacity) {
    return TableProblem{-1, "the table holds at most " + std::to_string(capacity) +
                                " rows, it has " + std::to_string(count)};
  }
  for (int row = 0; row < count; ++row) {
    if (!std::isfinite(key.Values[row])) {
      return TableProblem{row,
                          RowText(row) + ": " + std::string(key.Name) + " is not a finite number"};
    }
    for (const NamedColumn& column : others) {
      if (!std::isfinite(column.Values[row])) {
        return TableProblem{
            row, RowText(row) + ": " + std::string(column.Name) + " is not a finite number"};
      }
    }
    if (row > 0 && !(key.Values[row] > key.Values[row - 1])) {
      return TableProblem{row, RowText(row) + ": " + std::string(key.Name) + " " +
                                   FormatGeneral(key.Values[row]) +
                                   " must be greater than the previous row's " +
                                   FormatGeneral(key.Values[row - 1])};
    }
  }
  return std::nullopt;
}

std::optional<TableProblem> ValidateTable(const GroundTable& t) {
  return ValidateTable(t.Count, GroundTable::Capacity, {"Angle", t.Angle}, {{"Cx", t.Cx}});
}

// Depths count up from the keel tip, so the keel-ground computation brackets the sunk depth
// between 0 and the last Zi and measures the side area down to the tip. A depth below the tip,
// or a negative chord or thickness, gives the keel a negative area: the ground would then push
// the door forward. With Zi[0] >= 0 and increasing depths the last Zi is positive as well.
std::optional<TableProblem> ValidateTable(const KeelGeomTable& t) {
  if (auto problem = ValidateTable(t.Count, KeelGeomTable::Capacity, {"Zi", t.Zi},
                                   {{"Xi", t.Xi}, {"Yi", t.Yi}})) {
    return problem;
  }
  if (t.Zi[0] < 0) {
    return TableProblem{0, RowText(0) + ": Zi " + FormatGeneral(t.Zi[0]) +
                               " must not be negative (depths count up from the keel tip)"};
  }
  for (int row = 0; row < t.Count; ++row) {
    for (const auto& [name, values] : {std::pair{"Xi", &t.Xi}, std::pair{"Yi", &t.Yi}}) {
      if ((*values)[row] < 0) {
        return TableProblem{row, RowText(row) + ": " + name + " " + FormatGeneral((*values)[row]) +
                                     " must not be negative"};
      }
    }
  }
  return std::nullopt;
}
