#pragma once

#include <string>

class TBoard;
class TextCatalogue;

// The plain-text results report of one balance calculation, as appended to the calculation
// log: the door's inputs, its rotation angles, the positioned points, the six forces, the
// moment sums and the door's totals, labelled from `texts`. date and time are the user's regional
// short date and long time texts. Lines end with "\n". It only reads the model, as the last
// evaluation left it.
std::string ResultsReportText(const TBoard& board, const TextCatalogue& texts,
                              const std::string& date, const std::string& time);
