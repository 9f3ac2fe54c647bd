#pragma once

#include <QString>

#include "lang/TextCatalogue.h"
#include "model/BalanceAngles.h"
#include "model/Range.h"

class TextCatalogue;
struct TextKey;

// The names of the steps the windows add to a door's undo history, in the language of `texts`: a
// step that changes one value names it and says how
// ("Weight G: 13500 → 14000"), with the numbers as the windows show them.
class StepNames {
 public:
  // Main parameter `index` (stored order) from `before` to `after`.
  static QString Parameter(int index, long double before, long double after,
                           const TextCatalogue& texts);
  // The range of main parameter `index`.
  static QString RangeOf(int index, const Range& range, const TextCatalogue& texts);
  static QString Mode(bool bottom, const TextCatalogue& texts);
  // The balance angles a search found.
  static QString Balanced(const BalanceAngles& angles, const TextCatalogue& texts);
  // One rotation angle, by its axis letter ('x', 'y' or 'z').
  static QString Rotation(char axis, long double before, long double after,
                          const TextCatalogue& texts);
  static QString Text(TextKey key, const TextCatalogue& texts);
};
