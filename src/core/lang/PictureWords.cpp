#include "lang/PictureWords.h"

#include "lang/MessageTables.h"
#include "lang/TextCatalogue.h"

namespace {

struct PictureWord {
  std::string_view English;  // as the drawings hold it
  TextKey Key;
};

constexpr PictureWord kWords[] = {
    {"FRONT VIEW", PictureTexts::kFrontView},
    {"PLAN VIEW", PictureTexts::kPlanView},
    {"SIDE VIEW", PictureTexts::kSideView},
    {"OVAL DOOR", PictureTexts::kOvalDoor},
    {"V-SHAPE DOOR", PictureTexts::kVshapeDoor},
    {"SPHERICAL DOOR", PictureTexts::kSphericalDoor},
    {"RECTANGULAR DOOR", PictureTexts::kRectangularDoor},
    {"KEEL SCHEME", PictureTexts::kKeelScheme},
    {"KEEL POSITION", PictureTexts::kKeelPosition},
};

// A text for XML character data: the language file's text is text, never markup.
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

std::string PictureWords::Translate(std::string_view svg, const TextCatalogue& texts) {
  std::string out(svg);
  for (const PictureWord& word : kWords) {
    // A text element whose content is the word, and nothing else: ">FRONT VIEW</text>".
    const std::string english = ">" + std::string(word.English) + "</text>";
    const std::string translated = ">" + Escaped(texts.Text(word.Key)) + "</text>";
    for (std::size_t at = out.find(english); at != std::string::npos;
         at = out.find(english, at + translated.size()))
      out.replace(at, english.size(), translated);
  }
  return out;
}
