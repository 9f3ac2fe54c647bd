#include "CommandTexts.h"

#include "install/DataPaths.h"
#include "lang/LanguageFile.h"
#include "lang/TranslatedForms.h"

std::string CommandTexts::FileOf(bool russian) {
  const DataPaths data = DataPaths::ForRunningProgram();
  if (!data.Found()) return {};
  return (data.Languages() / std::string(kLanguageFileNames[russian ? 1 : 0])).string();
}

TextCatalogue CommandTexts::Load(bool russian, std::string& problem) {
  const std::string path = FileOf(russian);
  if (path.empty()) {
    if (!russian) return TextCatalogue::English();
    problem = "the Russian language file is not installed";
    return {};
  }
  TextCatalogue::Loaded loaded = TextCatalogue::FromFile(LanguageFile::Read(path));
  if (!loaded) problem = loaded.Message;
  return std::move(loaded.Texts);
}
