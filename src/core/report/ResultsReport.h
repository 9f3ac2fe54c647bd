#pragma once

#include <string>

class TBoard;

// The plain-text results report of one balance calculation, as appended to the calculation
// log: the door's inputs, its rotation angles, the positioned points, the six forces, the
// moment sums and the door's totals. language 0 is English, 1 Russian; any other index gives
// English. date and time are the user's regional short date and long time texts. Lines end
// with "\n". It only reads the model, as the last evaluation left it.
std::string ResultsReportText(const TBoard& board, int language, const std::string& date,
                              const std::string& time);
