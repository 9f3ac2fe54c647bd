#include "report/MapCsv.h"

#include "report/SweepCsv.h"

void WriteMapCsv(std::ostream& out, std::string_view xName, std::string_view yName,
                 const std::vector<MapNode>& nodes) {
  out << xName << ',' << yName << ',' << SweepCsvBalanceColumns() << ",stable\n";
  for (const MapNode& node : nodes) {
    out << CsvNumber(node.XValue) << ',' << CsvNumber(node.YValue) << ',';
    WriteSweepCsvBalanceCells(out, node.Balance);
    out << ',' << (node.Stable ? 1 : 0) << '\n';
  }
}
