#pragma once

#include <string>

#include "model/ViewSettings.h"

struct DoorInputs;

// The first field, bit for bit, in which two doors differ among everything a door data file
// or a load can touch: the tables (all rows), main parameters and ranges, environment, mode,
// picture names and the body-frame geometry. Empty when they are the same. The
// fuzz targets cannot use GoogleTest, so this answers with a name instead of failing.
std::string DoorDifference(const DoorInputs& a, const DoorInputs& b);
std::string ViewDifference(const ViewSettings& a, const ViewSettings& b);
