#pragma once

// How the three-view drawings of the balance window show the door. Program-wide: the main
// window sets them at its creation and the balance window's menus switch them.
struct DisplayFlags {
  bool ShowHidden = false;   // draw hidden parts as if visible (no depth ordering)
  bool ShowPoints = false;   // force application points and their letters
  bool ShowForces = true;    // force components
  bool ShowLabels = true;    // labels of the force components
  bool ShowProcess = false;  // Balance runs the visible relaxation instead of the solver
};
