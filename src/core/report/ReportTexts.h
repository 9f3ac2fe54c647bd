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

// The report's labels by what they introduce, numbered as in the table.
enum ReportLabel : int {
  kLabelTitle = 1,
  kLabelInitialPointsHeading = 2,
  kLabelInitialPointsColumns = 3,
  kLabelWarpPoint = 4,
  kLabelUpperBridlePoint = 5,
  kLabelLowerBridlePoint = 6,
  kLabelWingHydroHeading = 7,
  kLabelWingHydroPoint = 8,
  kLabelStringerHydroHeading = 9,
  kLabelStringerHydroPoint = 10,
  kLabelGravityCentre = 11,
  kLabelGravityForce = 12,
  kLabelNetResistance = 13,
  kLabelTrawlingSpeed = 14,
  kLabelWingArea = 15,
  kLabelStringerArea = 16,
  kLabelChord = 17,
  kLabelWingHeight = 18,
  kLabelWaterDensity = 19,
  kLabelGroundDensity = 20,
  kLabelGroundCoefHeading = 21,
  kLabelGroundCoef = 22,
  kLabelBridleAngle = 23,
  kLabelRotationHeading = 24,
  kLabelRotationX = 25,
  kLabelRotationY = 26,
  kLabelRotationZ = 27,
  kLabelPositionedPointsHeading = 28,
  kLabelPositionedPointsColumns = 29,
  kLabelGroundReactionPoint = 30,
  kLabelForcesHeading = 31,
  kLabelForcesColumns = 32,
  kLabelUpperBridleForce = 33,
  kLabelLowerBridleForce = 34,
  kLabelWingForce = 35,
  kLabelStringerForce = 36,
  kLabelGravityForceVector = 37,
  kLabelGroundForce = 38,
  kLabelMomentX = 39,
  kLabelMomentY = 40,
  kLabelMomentZ = 41,
  kLabelWingAttack = 42,
  kLabelResistance = 43,
  kLabelSpread = 44,
  kLabelVertical = 45,
};
static_assert(kLabelVertical == kReportLastLabel);

// The table knows two languages only; any other index reads as English, so a stray index from
// a language file can never reach past the table.
int ReportLanguage(int language);

// Entry `number` (1 .. kReportTextCount) in the given language; empty for a number outside.
std::string_view ReportText(int number, int language);

// The solver-sensitivity dialog: its caption, and its prompt of three lines joined by "\n".
std::string SolverSensitivityCaption(int language);
std::string SolverSensitivityPrompt(int language);
