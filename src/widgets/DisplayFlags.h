#pragma once

#include <array>

// How the program's three-view drawings show the door, program-wide: the balance window's
// switches, which the main window sets at its creation and the balance window's menus switch,
// and the projections dialog's, which its Options menu switches. The printed report draws with
// both, as the windows do.
struct DisplayFlags {
  bool ShowHidden = false;   // draw hidden parts as if visible (no depth ordering)
  bool ShowPoints = false;   // force application points and their letters
  bool ShowForces = true;    // force components
  bool ShowLabels = true;    // labels of the force components
  bool ShowProcess = false;  // Balance runs the visible relaxation instead of the solver
  // The projections dialog: scheme (drawing instead of picture), hidden lines, points, forces,
  // labels, as a door data file keeps them.
  std::array<bool, 5> ProjectionSwitches{false, false, true, false, false};
};
