#pragma once

#include <QString>
#include <memory>

#include "lang/LanguageFile.h"

class ButtonTextTranslator;
class QTranslator;

// The toolkit's own texts in the language chosen: the buttons of message boxes and button
// boxes, the file and print preview windows. Russian comes from the toolkit's own Russian
// catalogue (qtbase_ru.qm, from the system's translations); the language file's section
// "StandardButtons" gives the button words and the print preview's title in every language,
// which is all Norwegian bokmål gets, the toolkit having no catalogue of it. Switching away
// removes what the last language installed.
class QtOwnTexts {
 public:
  // The section of the language files with the button words.
  static constexpr const char* kSection = "StandardButtons";

  QtOwnTexts();
  ~QtOwnTexts();
  QtOwnTexts(const QtOwnTexts&) = delete;
  QtOwnTexts& operator=(const QtOwnTexts&) = delete;

  // Installs the texts of `language` (0 English, 1 Russian, 2 Norwegian) from `file`, in
  // place of those installed before. False when the Russian catalogue could not be loaded:
  // the toolkit's words then stay English.
  bool Use(int language, const LanguageFile& file);

  // The toolkit's Russian catalogue, where the system keeps it.
  static QString RussianCatalogue();

 private:
  void Remove();

  std::unique_ptr<ButtonTextTranslator> fileTexts_;
  std::unique_ptr<QTranslator> catalogue_;
};
