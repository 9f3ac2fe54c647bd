#pragma once

#include <span>

class CoefTable;

// Linear look-up in a table with rows 0 .. n-1 and increasing arguments xs. Outside the
// table the end segments are extended (no clamping). A table that cannot interpolate never
// divides by zero or reads past its columns: no rows give 0, one row gives its value, and
// a segment of zero width gives the value at its start.
long double Interpolate(int n, std::span<const long double> xs, std::span<const long double> ys,
                        long double x);

// The same look-up of one column of a coefficient table against its key column.
long double Interpolate(const CoefTable& table, int column, long double key);

// Where a key falls in a table: found once, it serves every column of the row it names, so a
// table read in several columns at one key is searched only once. The values are exactly those
// of Interpolate.
class TableSpot {
 public:
  TableSpot(const CoefTable& table, long double key);
  long double Value(int column) const;

 private:
  const CoefTable& table_;
  int row_ = 0;
  long double fraction_ = 0;  // of the segment from row_ to row_ + 1
  bool empty_ = false;        // no rows: every value is 0
  bool onRow_ = false;        // the value is the one of row_ itself
};
