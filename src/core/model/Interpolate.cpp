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
  return Interpolate(table.Count, table.Column(0), table.Column(column), key);
}
