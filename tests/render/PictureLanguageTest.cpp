#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QStringList>
#include <QXmlStreamReader>

#include "DoorPictures.h"
#include "support/ShippedTexts.h"

// The program's drawings speak the language in use: the words drawn in them come from the
// language file.
namespace {

const QString kPictures = QStringLiteral(DOORTRIM_LANGUAGE_FILES "/../pictures");

// The contents of the drawing's text elements.
QStringList TextsOf(const QByteArray& drawing) {
  QStringList texts;
  QXmlStreamReader xml(drawing);
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
      texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return texts;
}

// The words of four or more Latin letters in `text`: symbols such as "zc1" or "Fs" are not
// language.
QStringList WordsOf(const QString& text) {
  QStringList words;
  QString run;
  for (const QChar c : text + QLatin1Char(' ')) {
    if (c.unicode() < 128 && c.isLetter()) {
      run += c;
      continue;
    }
    if (run.size() >= 4) words << run;
    run.clear();
  }
  return words;
}

class TranslatedPictures : public testing::TestWithParam<int> {};

TEST_P(TranslatedPictures, HoldNoEnglishWordOfTheEnglishPicture) {
  const TextCatalogue::Loaded texts = ShippedTexts(DOORTRIM_LANGUAGE_FILES, GetParam());
  ASSERT_TRUE(texts.Ok) << texts.Message;
  const QStringList files = QDir(kPictures).entryList({"*.svg"}, QDir::Files);
  ASSERT_FALSE(files.isEmpty());
  int withWords = 0;
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const QString path = kPictures + "/" + name;
    QStringList english;
    for (const QString& text :
         TextsOf(DoorPictures::DrawingInLanguage(path, TextCatalogue::English())))
      english << WordsOf(text);
    if (english.isEmpty()) continue;
    ++withWords;
    const QStringList translated = TextsOf(DoorPictures::DrawingInLanguage(path, texts.Texts));
    for (const QString& text : translated)
      for (const QString& word : WordsOf(text))
        // "OVAL" is a word of Norwegian as well.
        if (word != "OVAL") {
          EXPECT_FALSE(english.contains(word)) << text.toStdString();
        }
  }
  EXPECT_GE(withWords, 12);  // the views of the four door shapes, the projections, the keel
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedPictures, testing::Values(1, 2),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(info.param == 1 ? "Russian" : "Norwegian");
                         });

TEST(TranslatedPictures, RussianPictureIsDrawnWithItsOwnWords) {
  const QString path = kPictures + "/oval_front.svg";
  const TextCatalogue::Loaded russian = ShippedTexts(DOORTRIM_LANGUAGE_FILES, 1);
  ASSERT_TRUE(russian.Ok) << russian.Message;
  const QImage english = DoorPictures::DrawingAtItsSize(path).toImage();
  const QImage translated = DoorPictures::DrawingAtItsSize(path, russian.Texts).toImage();
  ASSERT_FALSE(english.isNull());
  EXPECT_EQ(translated.size(), english.size());
  EXPECT_NE(translated, english);
  // In English the words are the drawing's own: the picture is drawn as the file is.
  EXPECT_TRUE(TextsOf(DoorPictures::DrawingInLanguage(path, TextCatalogue::English()))
                  .contains("OVAL DOOR"));
}

}  // namespace
