#pragma once

#include <string>

class TBoard;
struct DoorInputs;

// Exact comparison of long doubles: the bits of the value, padding excluded, so that 0 and -0
// differ and a value equal by == but rounded differently cannot pass.
bool SameBits(long double a, long double b);

// Expects every input of the two doors to hold the same bits: the four tables (all rows, used
// or not), the main parameters and their ranges, the environment, bs, mode and the picture
// names.
void ExpectSameInputs(const DoorInputs& expected, const DoorInputs& actual,
                      const std::string& what);

// Expects every field a door data file or a load can touch to hold the same bits in both doors:
// the four tables (all rows, used or not), the main parameters and their ranges, the
// environment, bs, mode, the picture names, the rotation angles, Sensitivity and the
// body-frame geometry. `what` names the comparison in failure messages.
void ExpectSameDoor(const TBoard& expected, const TBoard& actual, const std::string& what);
