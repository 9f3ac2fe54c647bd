#pragma once

#include <string>
#include <string_view>

#include "lang/MessageTables.h"

class TextCatalogue;

// The balance window's numbered texts: the labels of the results report and the texts of the
// solver-sensitivity dialog, the entries "Text1" .. "Text49" of the language files' section
// ReportTexts.
//
// 1 .. 45 are the report's texts, in the order the report numbers its labels (every label
// that carries numbers is 43 characters wide, in every language); 46 .. 49 the
// solver-sensitivity texts.
inline constexpr int kReportTextCount = ReportTexts::kCount;
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

// Text `number` (1 .. kReportTextCount) of `texts`; empty for a number outside.
std::string ReportText(int number, const TextCatalogue& texts);

// The solver-sensitivity dialog: its caption, and its prompt of three lines joined by "\n".
std::string SolverSensitivityCaption(const TextCatalogue& texts);
std::string SolverSensitivityPrompt(const TextCatalogue& texts);
