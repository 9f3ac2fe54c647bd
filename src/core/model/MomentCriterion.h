#pragma once

#include "model/XYZ.h"

// What a single-variable search drives to zero: the moments about X, Y and Z added with their
// signs, or one of them. The numbers are those of the radio buttons of the solve dialog.
enum class MomentCriterion { Sum = 1, X = 2, Y = 3, Z = 4 };

// The criterion's value for a moment vector, N*m, with its sign.
long double CriterionValue(const XYZ& moment, MomentCriterion criterion);
