#pragma once

#include <string>
#include <string_view>

// The language tests' reading of a text: in lower case, and whether it holds a word.
std::string Lower(std::string_view text);

// A text with a word of four or more Latin letters is language: a translation must change
// it. Symbols, units and axis letters ("x:", "[kN*m]", "Xi=f(Zi)", "OK") may stay.
bool HasWord(std::string_view text);
