#include "model/Interpolate.h"

#include <algorithm>
#include <cstddef>

#include "model/CoefTable.h"

long double Interpolate(int n, std::span<const long double> xs, std::span<const long double> ys,
                        long double x) {
  const int rows = std::clamp<int>(n, 0, static_cast<int>(std::min(xs.size(), ys.size())));
  if (rows == 0) return 0;
  if (rows == 1) return ys[0];
  int k = rows - 2;  // at or beyond the last argument: the last segment
  for (int i = 1; i < rows; ++i) {
    if (xs[i] > x) {
      k = i - 1;
      break;
    }
  }
  const long double width = xs[k + 1] - xs[k];
  if (width == 0) return ys[k];
  return ys[k] + (x - xs[k]) / width * (ys[k + 1] - ys[k]);
}

long double Interpolate(const CoefTable& table, int column, long double key) {
  return TableSpot(table, key).Value(column);
}

TableSpot::TableSpot(const CoefTable& table, long double key) : table_(table) {
  const int rows = std::clamp(table.Count, 0, table.Capacity());
  if (rows == 0) {
    empty_ = true;
    return;
  }
  if (rows == 1) {
    onRow_ = true;
    return;
  }
  int k = rows - 2;  // at or beyond the last argument: the last segment
  for (int i = 1; i < rows; ++i) {
    if (table.At(i, 0) > key) {
      k = i - 1;
      break;
    }
  }
  row_ = k;
  const long double start = table.At(k, 0);
  const long double width = table.At(k + 1, 0) - start;
  if (width == 0) {
    onRow_ = true;
    return;
  }
  fraction_ = (key - start) / width;
}

long double TableSpot::Value(int column) const {
  if (empty_) return 0;
  const long double here = table_.At(row_, column);
  if (onRow_) return here;
  return here + fraction_ * (table_.At(row_ + 1, column) - here);
}
