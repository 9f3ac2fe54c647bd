#include "lang/TextCatalogue.h"

#include <cctype>

#include "lang/EnglishLanguageFile.h"

std::string TextCatalogue::KeyOf(std::string_view form, std::string_view name) {
  // Entry names are compared without regard to case, as the windows' entries are.
  std::string key(form);
  key += '.';
  for (const char c : name)
    key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

TextCatalogue::Loaded TextCatalogue::FromFile(const LanguageFile& file) {
  Loaded loaded;
  // The whole file is checked and every text section must be there, as for a switch.
  const LanguageFile::Result sections = file.ReadAllSections(kTextSections);
  if (!sections) {
    loaded.Message = sections.Message;
    loaded.Problem = sections.Problem;
    return loaded;
  }
  for (std::size_t i = 0; i < sections.Sections.size(); ++i)
    for (const LanguageFile::Entry& entry : sections.Sections[i].Entries)
      // The first of two entries of the same name counts, as for the windows' entries.
      loaded.Texts.texts_.emplace(KeyOf(kTextSections[i], entry.Component), entry.Caption);
  loaded.Ok = true;
  return loaded;
}

const TextCatalogue& TextCatalogue::English() {
  // Read once: the built-in file never changes while the program runs.
  static const TextCatalogue english = [] {
    const LanguageFile file = LanguageFile::FromText("Door.len", EnglishLanguageFile());
    return FromFile(file).Texts;
  }();
  return english;
}

std::string TextCatalogue::Text(TextKey key) const {
  const auto found = texts_.find(KeyOf(key.Form, key.Name));
  if (found != texts_.end()) return found->second;
  return std::string(key.Form) + '.' + std::string(key.Name);
}

bool TextCatalogue::Has(TextKey key) const {
  return texts_.contains(KeyOf(key.Form, key.Name));
}
