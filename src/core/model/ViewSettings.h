#pragma once

#include <array>

// Window settings a door data file carries besides the door: which view tab of the
// projections dialog is selected, its five display switches, the balance window's five
// display switches and its three rotation angles. The core only carries them; the desktop
// program applies them to its windows and collects them before saving.
struct ViewSettings {
  int ViewTab = 0;
  // Projections dialog: scheme, hidden lines, points, forces, labels.
  std::array<bool, 5> ProjectionSwitches{false, false, true, false, false};
  // Balance window: show hidden, show points, show forces, show labels, show process.
  std::array<bool, 5> BalanceSwitches{false, false, true, true, false};
  // Balance rotation angles about X, Y and Z, degrees.
  std::array<long double, 3> Angles{0, 0, 0};

  bool operator==(const ViewSettings&) const = default;
};
