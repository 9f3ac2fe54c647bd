#pragma once

#include <string>
#include <string_view>

// The balance window's two-language text table: the labels of the results report, the texts
// of the solver-sensitivity dialog and a few spare entries. Each entry holds an English and a
// Russian text, English first; language 0 is English, 1 Russian.
//
// Entries are numbered from 1: 1 .. 45 are the report's texts, in the order the report
// numbers its labels (every label that carries numbers is 43 characters wide, in both
// languages); 46 .. 49 the solver-sensitivity texts; 50 .. 56 are empty and unused.
inline constexpr int kReportTextCount = 56;
inline constexpr int kReportLastLabel = 45;
inline constexpr int kTextSensitivityCaption = 46;
inline constexpr int kTextSensitivityRange = 47;
inline constexpr int kTextSensitivityCoarse = 48;
inline constexpr int kTextSensitivityFine = 49;

// The table knows two languages only; any other index reads as English, so a stray index from
// a language file can never reach past the table.
int ReportLanguage(int language);

// Entry `number` (1 .. kReportTextCount) in the given language; empty for a number outside.
std::string_view ReportText(int number, int language);

// The solver-sensitivity dialog: its caption, and its prompt of three lines joined by "\n".
std::string SolverSensitivityCaption(int language);
std::string SolverSensitivityPrompt(int language);
