#pragma once

// The number patterns the windows and the printed report show the door's figures in, each in
// one place ("#" a digit shown when significant, "0" one always shown).
namespace DisplayFormats {

// The 23 main parameters, by their place among them: the weight to a tenth of a newton, the
// net's resistance in whole newtons, every length, speed and area to three decimals.
constexpr const char* MainParameter(int index) {
  constexpr int kWeight = 6;       // G
  constexpr int kResistance = 11;  // R
  return index == kWeight ? "######0.#" : index == kResistance ? "########0" : "#0.###";
}

// Environment, trawl and keel position values as the printed report shows them.
inline constexpr char kDoorValue[] = "#0.###";
// The bridle angles in the trawl dialog and the keel position in its dialog.
inline constexpr char kTrawlAngle[] = "#####0.###";
inline constexpr char kKeelPosition[] = "#0.###";

// The balance window's results: moments in kN*m, stability derivatives in kN*m per degree,
// forces in kN, the attack angle in degrees; its rotation fields in degrees, and the rotation
// as the printed report shows it.
inline constexpr char kMoment[] = "######0.##";
inline constexpr char kStability[] = "####0.####";
inline constexpr char kForce[] = "#########0.####";
inline constexpr char kAttackAngle[] = "#####0.###";
inline constexpr char kRotationField[] = "###.###";
inline constexpr char kReportRotation[] = "#0.###";

// The coefficient tables: in the editors' grids and on the printed pages.
inline constexpr char kTableCell[] = "#0.###";
inline constexpr char kPrintedCell[] = "#0.####";

}  // namespace DisplayFormats
