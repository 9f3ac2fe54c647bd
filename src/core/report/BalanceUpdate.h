#pragma once

#include "model/XYZ.h"

class TBoard;

// The evaluations of one balance-window Update, at angles in degrees: one degree further about
// X, about Y and about Z, then at the angles themselves, so that the model ends at the
// position. Returns the stability derivatives: the change of each moment per degree of turn
// about its own axis, N*m.
XYZ EvaluateWithStability(TBoard& board, long double x, long double y, long double z);
