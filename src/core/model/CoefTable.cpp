#include "model/CoefTable.h"

#include <cmath>
#include <stdexcept>

#include "numbers/NumberFormat.h"

namespace {
std::string RowText(int row) {
  return "row " + std::to_string(row + 1);
}
}  // namespace

std::string_view CoefTable::ColumnName(int column) const {
  return shape_->Columns[Index(column)];
}

std::string CoefTable::ColumnNames() const {
  std::string names;
  for (int c = 0; c < ColumnCount(); ++c) {
    if (c > 0) names += ' ';
    names += ColumnName(c);
  }
  return names;
}

int CoefTable::ColumnIndex(std::string_view name) const {
  for (int c = 0; c < ColumnCount(); ++c) {
    if (ColumnName(c) == name) return c;
  }
  return -1;
}

int CoefTable::CheckedColumn(std::string_view name) const {
  const int column = ColumnIndex(name);
  if (column < 0) {
    throw std::invalid_argument(std::string(Name()) + " table has no column " + std::string(name));
  }
  return column;
}

long double& CoefTable::At(int row, std::string_view column) {
  return At(row, CheckedColumn(column));
}

long double CoefTable::At(int row, std::string_view column) const {
  return At(row, CheckedColumn(column));
}

std::span<long double> CoefTable::Column(int column) {
  return std::span(values_[Index(column)]).first(Index(Capacity()));
}

std::span<const long double> CoefTable::Column(int column) const {
  return std::span(values_[Index(column)]).first(Index(Capacity()));
}

void CoefTable::Clear() {
  Count = 0;
  values_ = {};
}

bool CoefTable::operator==(const CoefTable& other) const {
  if (Name() != other.Name() || Count != other.Count) return false;
  const int rows = Count < 0 ? 0 : (Count > Capacity() ? Capacity() : Count);
  for (int c = 0; c < ColumnCount(); ++c)
    for (int r = 0; r < rows; ++r)
      if (!(At(r, c) == other.At(r, c))) return false;
  return true;
}

std::optional<TableProblem> ValidateTable(const CoefTable& t) {
  const int count = t.Count;
  if (count < 2) {
    return TableProblem{-1, "the table needs at least 2 rows, it has " + std::to_string(count)};
  }
  if (count > t.Capacity()) {
    return TableProblem{-1, "the table holds at most " + std::to_string(t.Capacity()) +
                                " rows, it has " + std::to_string(count)};
  }
  const std::string key(t.ColumnName(0));
  for (int row = 0; row < count; ++row) {
    for (int column = 0; column < t.ColumnCount(); ++column) {
      if (!std::isfinite(t.At(row, column))) {
        return TableProblem{row, RowText(row) + ": " + std::string(t.ColumnName(column)) +
                                     " is not a finite number"};
      }
    }
    if (row > 0 && !(t.At(row, 0) > t.At(row - 1, 0))) {
      return TableProblem{row, RowText(row) + ": " + key + " " + FormatGeneral(t.At(row, 0)) +
                                   " must be greater than the previous row's " +
                                   FormatGeneral(t.At(row - 1, 0))};
    }
  }
  if (!t.Shape().NotNegative) return std::nullopt;

  // With the first key not negative and the keys increasing, the last key is positive.
  if (t.At(0, 0) < 0) {
    return TableProblem{0, RowText(0) + ": " + key + " " + FormatGeneral(t.At(0, 0)) +
                               " must not be negative (" + std::string(t.Shape().KeyOrigin) + ")"};
  }
  for (int row = 0; row < count; ++row) {
    for (int column = 1; column < t.ColumnCount(); ++column) {
      if (t.At(row, column) < 0) {
        return TableProblem{row, RowText(row) + ": " + std::string(t.ColumnName(column)) + " " +
                                     FormatGeneral(t.At(row, column)) + " must not be negative"};
      }
    }
  }
  return std::nullopt;
}
