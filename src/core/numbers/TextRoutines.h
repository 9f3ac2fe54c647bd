#pragma once

#include <string>
#include <string_view>

// Small text helpers shared by the windows, the macro interface and the number routines.
// "Blank" means a space or a tab; no other white space is touched.

// The text without leading and trailing blanks and tabs.
std::string TrimBlanks(std::string_view text);

// The character repeated count times; empty for count <= 0.
std::string RepeatChar(char ch, int count);

// The n-th field, counting from 1, of text. A field is a maximal run of characters that
// are not in separators (each byte of separators is one separator), so leading, trailing
// and repeated separators make no empty fields: "a||b" has the fields "a" and "b".
// n <= 0, n beyond the last field and an empty text all give "".
std::string ExtractField(std::string_view text, int n, std::string_view separators);
