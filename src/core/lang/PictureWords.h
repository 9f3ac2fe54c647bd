#pragma once

#include <string>
#include <string_view>

class TextCatalogue;

// The words the program's drawings carry ("FRONT VIEW", "OVAL DOOR", ...). The drawings are
// made in English; as one is loaded, each of its text elements that holds one of these words
// whole is given the text of the language in use, from the language files' PictureTexts.
class PictureWords {
 public:
  // The drawing `svg` with its words in the language of `texts`.
  static std::string Translate(std::string_view svg, const TextCatalogue& texts);
};
