#pragma once

#include <span>

// Rounding, the extremes of a range of values and the step rule of the graph axes.

// x rounded to the nearest integer, halves to the even neighbour. Infinities and NaN
// come back unchanged.
long double RoundHalfEven(long double x);

// x rounded to `decimals` decimals (negative: to tens, hundreds, ...), halves to even:
// RoundTo(2, 0.125) is 0.12, RoundTo(2, 0.375) is 0.38. A value whose scaled form does
// not fit the type already has no digits to drop and is returned unchanged.
long double RoundTo(int decimals, long double x);

// The minimum and maximum of values[first..last], both ends included. Indices outside
// the array are clamped to it; a range that holds no element gives min = max = 0.
void RangeMinMax(std::span<const long double> values, int first, int last, long double& min,
                 long double& max);

// Grid step for an axis spanning `span`: with k the integer part (towards zero) of
// log10|span| and c = 10^(k+1), c/40 up to c/4, c/20 up to c/2, else c/10. So 37 gives 5,
// 20 gives 2.5, 80 gives 10 and 0.5 gives 0.25. A zero, infinite or NaN span, or one so
// tiny that its step is not representable, gives 1.
long double AxisStep(long double span);
