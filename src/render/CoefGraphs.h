#pragma once

class CoefTable;
class ScaledCanvas;

// The graphs of the coefficient tables drawn straight from the door's tables, for a report
// made without the table editors (the command line): the hydrodynamic coefficients against
// the attack angle, and the keel's chord and thickness outlines against its depth. Each
// clears the canvas and finishes it; a table of fewer than two rows leaves it blank.
namespace CoefGraphs {

void DrawHydro(ScaledCanvas& canvas, const CoefTable& table);
void DrawKeel(ScaledCanvas& canvas, const CoefTable& table);

}  // namespace CoefGraphs
