#pragma once

#include <QString>

#include "model/BalanceAngles.h"
#include "model/Range.h"

struct TwoLanguageText;

// The names of the steps the windows add to a door's undo history, in the windows' message
// language (0 English, 1 Russian): a step that changes one value names it and says how
// ("Weight G: 13500 → 14000"), with the numbers as the windows show them.
class StepNames {
 public:
  // Main parameter `index` (stored order) from `before` to `after`.
  static QString Parameter(int index, long double before, long double after, int language);
  // The range of main parameter `index`.
  static QString RangeOf(int index, const Range& range, int language);
  static QString Mode(bool bottom, int language);
  // The balance angles a search found.
  static QString Balanced(const BalanceAngles& angles, int language);
  // One rotation angle, by its axis letter ('x', 'y' or 'z').
  static QString Rotation(char axis, long double before, long double after, int language);
  static QString Text(const TwoLanguageText& text, int language);
};
