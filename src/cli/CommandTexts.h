#pragma once

#include <string>

#include "lang/TextCatalogue.h"

// The program's own texts for a command: the report's labels and headings from the language
// file beside the program, as the windows read them. A program without its data folder
// speaks English from the file built into it; a language file that is there but cannot be
// used is a problem to report, not a reason to print English.
class CommandTexts {
 public:
  // The language file of English (false) or Russian (true) beside the program; empty when
  // the program has no data folder.
  static std::string FileOf(bool russian);
  // The texts of that file. On failure `problem` says why and the catalogue is empty.
  static TextCatalogue Load(bool russian, std::string& problem);
};
