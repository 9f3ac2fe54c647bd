#pragma once

#include <optional>

struct DoorInputs;

// What is wrong with a range a user wants to keep or search: From and To must be finite and
// To must lie above From. Equal ends make no range to search.
enum class RangeFault { NotFinite, EqualEnds, Reversed };

std::optional<RangeFault> CheckRange(long double from, long double to);

// Keeps from and to as the range of main parameter paramIndex (stored order) when CheckRange
// accepts them; otherwise returns the fault and changes nothing. The caller marks the document
// modified after a store, even when the numbers did not change: the user asked to keep them.
std::optional<RangeFault> StoreRange(DoorInputs& door, int paramIndex, long double from,
                                     long double to);
