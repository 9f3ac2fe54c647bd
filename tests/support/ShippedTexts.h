#pragma once

#include <cstddef>
#include <string>

#include "lang/LanguageFile.h"
#include "lang/TextCatalogue.h"
#include "lang/TranslatedForms.h"

// The built texts of a language file delivered with the program (0 English, 1 Russian,
// 2 Norwegian), read from `folder` as a language switch reads them.
inline TextCatalogue::Loaded ShippedTexts(const std::string& folder, int language) {
  const std::string name(kLanguageFileNames[static_cast<std::size_t>(language)]);
  return TextCatalogue::FromFile(LanguageFile::Read(folder + "/" + name));
}
