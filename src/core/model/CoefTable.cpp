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
    TableProblem problem;
    problem.Row = -1;
    problem.Message = "the table needs at least 2 rows, it has " + std::to_string(count);
    problem.What = TableProblem::Kind::TooFewRows;
    problem.Count = count;
    return problem;
  }
  if (count > t.Capacity()) {
    TableProblem problem;
    problem.Row = -1;
    problem.Message = "the table holds at most " + std::to_string(t.Capacity()) + " rows, it has " +
                      std::to_string(count);
    problem.What = TableProblem::Kind::TooManyRows;
    problem.Count = count;
    problem.Capacity = t.Capacity();
    return problem;
  }
  const std::string key(t.ColumnName(0));
  for (int row = 0; row < count; ++row) {
    for (int column = 0; column < t.ColumnCount(); ++column) {
      if (!std::isfinite(t.At(row, column))) {
        TableProblem problem;
        problem.Row = row;
        problem.Message =
            RowText(row) + ": " + std::string(t.ColumnName(column)) + " is not a finite number";
        problem.What = TableProblem::Kind::NotFinite;
        problem.Column = t.ColumnName(column);
        return problem;
      }
    }
    if (row > 0 && !(t.At(row, 0) > t.At(row - 1, 0))) {
      TableProblem problem;
      problem.Row = row;
      problem.Message = RowText(row) + ": " + key + " " + FormatGeneral(t.At(row, 0)) +
                        " must be greater than the previous row's " +
                        FormatGeneral(t.At(row - 1, 0));
      problem.What = TableProblem::Kind::NotIncreasing;
      problem.Column = key;
      problem.Value = FormatGeneral(t.At(row, 0));
      problem.Previous = FormatGeneral(t.At(row - 1, 0));
      return problem;
    }
  }
  if (!t.Shape().NotNegative) return std::nullopt;

  // With the first key not negative and the keys increasing, the last key is positive.
  if (t.At(0, 0) < 0) {
    TableProblem problem;
    problem.Row = 0;
    problem.Message = RowText(0) + ": " + key + " " + FormatGeneral(t.At(0, 0)) +
                      " must not be negative (" + std::string(t.Shape().KeyOrigin) + ")";
    problem.What = TableProblem::Kind::NegativeKey;
    problem.Column = key;
    problem.Value = FormatGeneral(t.At(0, 0));
    return problem;
  }
  for (int row = 0; row < count; ++row) {
    for (int column = 1; column < t.ColumnCount(); ++column) {
      if (t.At(row, column) < 0) {
        TableProblem problem;
        problem.Row = row;
        problem.Message = RowText(row) + ": " + std::string(t.ColumnName(column)) + " " +
                          FormatGeneral(t.At(row, column)) + " must not be negative";
        problem.What = TableProblem::Kind::Negative;
        problem.Column = t.ColumnName(column);
        problem.Value = FormatGeneral(t.At(row, column));
        return problem;
      }
    }
  }
  return std::nullopt;
}
