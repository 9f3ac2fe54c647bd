#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "model/SweepPoint.h"

// A parameter sweep as comma-separated values: a header line naming the columns with their
// units, then one line per point. Numbers carry full precision with "." as decimal separator
// whatever the locale, so a spreadsheet or a script reads back exactly what was computed; a
// value that is not a number is written "nan", a balance "1" or "0".
void WriteSweepCsv(std::ostream& out, std::string_view variable,
                   const std::vector<SweepPoint>& points);
// The same in parts, for a sweep written out point by point as it runs.
void WriteSweepCsvHeader(std::ostream& out, std::string_view variable);
void WriteSweepCsvRow(std::ostream& out, const SweepPoint& p);

// The header of the columns after the swept value ("rot_x_deg,...,moment_sum_Nm"), and the
// cells of one point after its value, as WriteSweepCsv writes them; for tables that put more
// than one value first.
std::string_view SweepCsvBalanceColumns();
void WriteSweepCsvBalanceCells(std::ostream& out, const SweepPoint& point);
// A number as the table writes it.
std::string CsvNumber(long double value);
