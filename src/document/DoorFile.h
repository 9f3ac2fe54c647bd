#pragma once

#include <QString>

#include "DoorState.h"

// The file a door is kept in and what it held when it was last read or written there. A door
// that differs from it holds changes that are not in a file yet.
struct DoorFile {
  QString Path;  // empty: a new door, never read or written
  DoorState Saved;
};
