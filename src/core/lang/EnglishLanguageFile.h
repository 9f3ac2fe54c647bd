#pragma once

#include <string_view>

// The English language file (resources/lang/Door.len) as it was when the program was built:
// the windows' own texts read English from it before any language is chosen, and a program
// that finds no language files beside it still speaks.
std::string_view EnglishLanguageFile();
