#pragma once

#include "model/BalanceAngles.h"
#include "model/DoorInputs.h"

// Everything of a door the user edits and a door data file keeps, the windows' display
// switches aside: its inputs and its balance angles.
struct DoorState {
  DoorInputs Door;
  BalanceAngles Angles;

  bool operator==(const DoorState&) const = default;
};
