#include "lang/TextCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>

#include "lang/EnglishLanguageFile.h"
#include "lang/LanguageFile.h"
#include "lang/MessageTables.h"
#include "lang/TranslatedForms.h"
#include "support/ShippedTexts.h"
#include "support/TempFolder.h"
#include "support/TextWords.h"
#include "support/UsedTextKeys.h"

namespace {

const std::string kFolder = DOORTRIM_LANGUAGE_FILES;
const std::string kSources = DOORTRIM_SOURCES;

// Every key the sources ask for, read from the sources themselves.
const std::set<UsedTextKey>& KeysInUse() {
  static const std::set<UsedTextKey> keys = UsedTextKeys(kSources);
  return keys;
}

// The placeholders %1 .. %9 a text fills in, as a set of digits.
std::set<char> Placeholders(std::string_view text) {
  std::set<char> found;
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '%' && std::isdigit(static_cast<unsigned char>(text[i + 1])))
      found.insert(text[i + 1]);
  return found;
}

std::string KeyName(TextKey key) {
  return std::string(key.Form) + "." + std::string(key.Name);
}

// Small files of the layout a language file has: a window section, then text sections.
std::string FileWithTextSections(std::string_view sweepDone) {
  std::string text = "[Multiform]\n";
  for (const std::string_view section : kTextSections) {
    text += std::string(section) + "\n";
    if (section == "SweepTexts") {
      text += "1\nDone\n" + std::string(sweepDone) + "\n\n";
    } else {
      text += "0\n";
    }
  }
  return text + "\n";
}

class DeliveredTexts : public testing::TestWithParam<int> {};

// Every text the sources ask for is in every language, none is empty, and each fills in the
// same placeholders as the English one.
TEST_P(DeliveredTexts, HoldEveryTextTheProgramAsksFor) {
  const TextCatalogue::Loaded loaded = ShippedTexts(kFolder, GetParam());
  ASSERT_TRUE(loaded.Ok) << loaded.Message;
  ASSERT_GT(KeysInUse().size(), 150u);
  for (const UsedTextKey& used : KeysInUse()) {
    const TextKey key = used.Key();
    SCOPED_TRACE(KeyName(key) + " (" + used.Where + ")");
    EXPECT_TRUE(loaded.Texts.Has(key));
    EXPECT_FALSE(loaded.Texts.Text(key).empty());
    EXPECT_EQ(Placeholders(loaded.Texts.Text(key)),
              Placeholders(TextCatalogue::English().Text(key)));
  }
}

// The text sections of every file hold the same entries as the English one, each translated:
// an entry one file has and another lacks, or a stray entry no code asks for, fails.
TEST_P(DeliveredTexts, TextSectionsMatchTheEnglishFileEntryForEntry) {
  const std::string name(kLanguageFileNames[static_cast<std::size_t>(GetParam())]);
  const LanguageFile file = LanguageFile::Read(kFolder + "/" + name);
  const LanguageFile english =
      LanguageFile::Read(kFolder + "/" + std::string(kLanguageFileNames[0]));
  const LanguageFile::Result theirs = file.ReadAllSections(kTextSections);
  const LanguageFile::Result ours = english.ReadAllSections(kTextSections);
  ASSERT_TRUE(theirs.Ok) << theirs.Message;
  ASSERT_TRUE(ours.Ok) << ours.Message;

  std::set<std::string> asked;
  for (const UsedTextKey& used : KeysInUse())
    asked.insert(used.Form + "." + Lower(used.Name));
  const bool isEnglish = GetParam() == 0;
  std::set<std::string> held;
  for (std::size_t s = 0; s < std::size(kTextSections); ++s) {
    const auto& en = ours.Sections[s].Entries;
    const auto& tr = theirs.Sections[s].Entries;
    ASSERT_EQ(tr.size(), en.size()) << kTextSections[s];
    for (std::size_t e = 0; e < en.size(); ++e) {
      const std::string key = std::string(kTextSections[s]) + "." + Lower(en[e].Component);
      SCOPED_TRACE(key);
      EXPECT_EQ(Lower(tr[e].Component), Lower(en[e].Component));
      EXPECT_TRUE(held.insert(key).second) << "entry given twice";
      EXPECT_TRUE(asked.contains(key)) << "an entry no window asks for";
      EXPECT_FALSE(tr[e].Caption.empty());
      EXPECT_EQ(Placeholders(tr[e].Caption), Placeholders(en[e].Caption)) << tr[e].Caption;
      if (!isEnglish && HasWord(en[e].Caption)) {
        EXPECT_NE(tr[e].Caption, en[e].Caption);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DeliveredTexts, testing::Values(0, 1, 2), [](const testing::TestParamInfo<int>& info) {
      return std::string(info.param == 0 ? "English" : info.param == 1 ? "Russian" : "Norwegian");
    });

// A key the sources name is in one of the sections the catalogue reads: a section added to
// the sources but not to the catalogue's list would never be read.
TEST(TextKeysInUse, AreAllInTheSectionsTheCatalogueReads) {
  for (const UsedTextKey& used : KeysInUse())
    EXPECT_NE(std::find(std::begin(kTextSections), std::end(kTextSections), used.Form),
              std::end(kTextSections))
        << used.Form << "." << used.Name << " (" << used.Where << ")";
}

// The scan finds a key wherever it is written, declared or written where it is asked for, on
// one line or two, and leaves other pairs of words alone.
TEST(TextKeysInUse, AreFoundWhereverTheSourcesWriteThem) {
  TempFolder folder;
  std::filesystem::create_directories(folder.Path() / "balance");
  std::ofstream(folder.Path() / "balance" / "Window.cpp")
      << "void F() {\n  Show(texts.Text({\"SweepTexts\", \"Done\"}));\n"
         "  Show(texts.Text({\"NewTexts\",\n                  \"Broken\"}));\n"
         "  const Pair pair{\"Width\", \"Height\"};\n}\n";
  std::ofstream(folder.Path() / "Keys.h")
      << "inline constexpr TextKey kA{\"TableTexts\", \"Overflow\"};\n";
  std::ofstream(folder.Path() / "notes.txt") << "{\"MainTexts\", \"NotSource\"}\n";
  std::set<std::string> found;
  for (const UsedTextKey& used : UsedTextKeys(folder.Path().string()))
    if (used.Form != "ReportTexts") found.insert(used.Form + "." + used.Name + "@" + used.Where);
  const std::set<std::string> expected = {"SweepTexts.Done@balance/Window.cpp:2",
                                          "NewTexts.Broken@balance/Window.cpp:3",
                                          "TableTexts.Overflow@Keys.h:1"};
  EXPECT_EQ(found, expected);
}

TEST(TextCatalogue, BuiltInEnglishIsTheDeliveredEnglishFile) {
  const std::string path = kFolder + "/" + std::string(kLanguageFileNames[0]);
  const LanguageFile delivered = LanguageFile::Read(path);
  ASSERT_TRUE(delivered.Readable());
  const TextCatalogue::Loaded file = TextCatalogue::FromFile(delivered);
  ASSERT_TRUE(file.Ok) << file.Message;
  for (const UsedTextKey& used : KeysInUse())
    EXPECT_EQ(TextCatalogue::English().Text(used.Key()), file.Texts.Text(used.Key()))
        << KeyName(used.Key());
  EXPECT_FALSE(EnglishLanguageFile().empty());
}

TEST(TextCatalogue, LooksEntriesUpByNameWithoutRegardToCase) {
  const LanguageFile file = LanguageFile::FromText("t.lng", FileWithTextSections("Fertig: %1"));
  const TextCatalogue::Loaded loaded = TextCatalogue::FromFile(file);
  ASSERT_TRUE(loaded.Ok) << loaded.Message;
  EXPECT_EQ(loaded.Texts.Text(SweepTexts::kDone), "Fertig: %1");
  EXPECT_EQ(loaded.Texts.Text({"SweepTexts", "DONE"}), "Fertig: %1");
  // The same name in another section is another text.
  EXPECT_FALSE(loaded.Texts.Has({"MainTexts", "Done"}));
}

TEST(TextCatalogue, AMissingEntryShowsItsKeyNotAnEmptyText) {
  const LanguageFile file = LanguageFile::FromText("t.lng", FileWithTextSections("x"));
  const TextCatalogue::Loaded loaded = TextCatalogue::FromFile(file);
  ASSERT_TRUE(loaded.Ok) << loaded.Message;
  EXPECT_FALSE(loaded.Texts.Has(MainTexts::kSaveData));
  EXPECT_EQ(loaded.Texts.Text(MainTexts::kSaveData), "MainTexts.SaveData");
}

TEST(TextCatalogue, AFileWithoutTheTextSectionsIsRefusedNamingTheSection) {
  const LanguageFile file = LanguageFile::FromText("old.lng", "[Multiform]\nMain_f\n0\n\n");
  const TextCatalogue::Loaded loaded = TextCatalogue::FromFile(file);
  EXPECT_FALSE(loaded.Ok);
  EXPECT_NE(loaded.Message.find("old.lng"), std::string::npos) << loaded.Message;
  EXPECT_NE(loaded.Message.find("MainTexts"), std::string::npos) << loaded.Message;
  EXPECT_TRUE(loaded.Texts.Empty());
}

}  // namespace
