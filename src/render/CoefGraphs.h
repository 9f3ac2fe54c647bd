#pragma once

#include <array>
#include <span>
#include <vector>

#include <QColor>

class CoefTable;
class ScaledCanvas;

// The graphs of the coefficient tables: the hydrodynamic coefficients against the attack
// angle, and the keel's chord and thickness outlines against its depth. The table editors
// draw them from their grids, adding their marks; the command line's report draws them
// straight from the door's tables.
namespace CoefGraphs {

inline const QColor kCxColour{255, 0, 0};
inline const QColor kCyColour{0, 0, 255};
inline const QColor kCdColour{0, 128, 0};
inline const QColor kChordColour{255, 0, 0};
inline const QColor kThicknessColour{0, 0, 255};

// The attack angles the hydrodynamic graph spans.
inline constexpr long double kAngleMin = -10;
inline constexpr long double kAngleExtent = 110;

// The grid and the three named curves of Cx, Cy and Cd against the angles (two rows at
// least), on a canvas being drawn on: one range over the three columns, one step below the
// lowest value and two above the highest. The world ranges are left set.
void HydroCurves(ScaledCanvas& canvas, std::span<const long double> angle,
                 const std::array<std::vector<long double>, 3>& coefs);
// The keel's middle line and its chord and thickness outlines on both sides against the
// depths (two rows at least), at equal scales, with a grey depth line across at every row.
void KeelCurves(ScaledCanvas& canvas, std::span<const long double> depth,
                std::span<const long double> chord, std::span<const long double> thickness);

// Whole graphs of the door's tables: cleared, drawn and finished; a table of fewer than two
// rows leaves the canvas blank.
void DrawHydro(ScaledCanvas& canvas, const CoefTable& table);
void DrawKeel(ScaledCanvas& canvas, const CoefTable& table);

}  // namespace CoefGraphs
