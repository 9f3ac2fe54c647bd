#pragma once

#include <string>

#include "model/DoorInputs.h"
#include "model/ViewSettings.h"

// The door of a data file, read as the program reads it (all or nothing, over the default
// door); a read that fails fails the test, which then works on the default door.
DoorInputs LoadedInputs(const std::string& path, ViewSettings* view = nullptr);
