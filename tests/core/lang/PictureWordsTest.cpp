#include "lang/PictureWords.h"

#include <gtest/gtest.h>

#include <string>

#include "lang/LanguageFile.h"
#include "lang/MessageTables.h"
#include "lang/TextCatalogue.h"

namespace {

// A catalogue whose picture words are the given front-view text.
TextCatalogue WithFrontView(const std::string& frontView) {
  std::string file = "[Multiform]\n";
  for (const std::string_view section : kTextSections) {
    file += std::string(section) + "\n";
    file += section == "PictureTexts" ? "1\nFrontView\n" + frontView + "\n\n" : "0\n";
  }
  const TextCatalogue::Loaded loaded =
      TextCatalogue::FromFile(LanguageFile::FromText("t.lng", file + "\n"));
  EXPECT_TRUE(loaded.Ok) << loaded.Message;
  return loaded.Texts;
}

TEST(PictureWords, ReplaceTheWholeTextOfAnElementOnly) {
  const std::string svg =
      "<svg><text x=\"1\">FRONT VIEW</text><text>FRONT VIEW 2</text><text>z</text>"
      "<text y=\"2\">FRONT VIEW</text></svg>";
  EXPECT_EQ(PictureWords::Translate(svg, WithFrontView("VORDERANSICHT")),
            "<svg><text x=\"1\">VORDERANSICHT</text><text>FRONT VIEW 2</text><text>z</text>"
            "<text y=\"2\">VORDERANSICHT</text></svg>");
}

// A language file's text is text: markup characters in it cannot change the drawing.
TEST(PictureWords, ATextWithMarkupCharactersStaysText) {
  EXPECT_EQ(PictureWords::Translate("<text>FRONT VIEW</text>", WithFrontView("A <b> & C")),
            "<text>A &lt;b&gt; &amp; C</text>");
}

TEST(PictureWords, EnglishLeavesTheDrawingAsItIs) {
  const std::string svg = "<svg><text>OVAL DOOR</text><text>KEEL POSITION</text></svg>";
  EXPECT_EQ(PictureWords::Translate(svg, TextCatalogue::English()), svg);
}

}  // namespace
