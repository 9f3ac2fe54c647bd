#pragma once

#include "model/DoorInputs.h"
#include "model/Evaluation.h"
#include "model/TBoard.h"

// What a drawing of the door reads: its inputs and an evaluation of it in some position. The
// door's mechanics gives both (TBoard); a drawing of a position laid out otherwise gives them
// apart. Both must outlive the drawing.
struct DrawnDoor {
  DrawnDoor(const TBoard& door)  // NOLINT: a door's mechanics is drawn as it stands
      : Inputs(door.Inputs()), Result(door.Result()) {}
  DrawnDoor(const DoorInputs& inputs, const Evaluation& result) : Inputs(inputs), Result(result) {}

  const DoorInputs& Inputs;
  const Evaluation& Result;
};
