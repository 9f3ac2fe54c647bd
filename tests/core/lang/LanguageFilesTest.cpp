#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <string_view>

#include "lang/LanguageFile.h"
#include "lang/TranslatedForms.h"
#include "support/TextWords.h"

// The language files delivered with the program, read as a language switch reads them. That
// every entry names a control of its window is for the windows' own tests to show.
namespace {

const std::string kFolder = DOORTRIM_LANGUAGE_FILES;

LanguageFile::Result ReadAll(std::string_view name) {
  return LanguageFile::Read(kFolder + "/" + std::string(name)).FindSections(kTranslatedForms);
}

std::size_t CountOf(std::string_view text, char c) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

class LanguageFiles : public testing::TestWithParam<std::string_view> {};

TEST_P(LanguageFiles, HoldEveryTranslatedWindowWhole) {
  const LanguageFile::Result result = ReadAll(GetParam());
  ASSERT_TRUE(result.Ok) << result.Message;
  ASSERT_EQ(result.Sections.size(), kTranslatedForms.size());
  for (std::size_t f = 0; f < kTranslatedForms.size(); ++f) {
    const LanguageFile::Section& section = result.Sections[f];
    SCOPED_TRACE(std::string(kTranslatedForms[f]));
    EXPECT_TRUE(section.Found);
    EXPECT_GT(section.Count, 0);
    // Every entry declared is applied: the last one is not the end of the file.
    EXPECT_EQ(section.Entries.size(), static_cast<std::size_t>(section.Count));
    // Names are looked up without regard to case: two spellings of one name would both set
    // the same control.
    std::set<std::string> names;
    for (const LanguageFile::Entry& entry : section.Entries)
      EXPECT_TRUE(names.insert(Lower(entry.Component)).second) << entry.Component;
  }
}

TEST_P(LanguageFiles, TranslateEachEnglishEntry) {
  const LanguageFile::Result english = ReadAll(kLanguageFileNames[0]);
  const LanguageFile::Result other = ReadAll(GetParam());
  ASSERT_TRUE(english.Ok) << english.Message;
  ASSERT_TRUE(other.Ok) << other.Message;
  const bool isEnglish = GetParam() == kLanguageFileNames[0];
  for (std::size_t f = 0; f < kTranslatedForms.size(); ++f) {
    const auto& theirs = other.Sections[f].Entries;
    const auto& ours = english.Sections[f].Entries;
    ASSERT_EQ(theirs.size(), ours.size()) << kTranslatedForms[f];
    for (std::size_t e = 0; e < ours.size(); ++e) {
      const LanguageFile::Entry& en = ours[e];
      const LanguageFile::Entry& tr = theirs[e];
      SCOPED_TRACE(std::string(kTranslatedForms[f]) + "." + en.Component);
      EXPECT_EQ(tr.Component, en.Component);
      // A text where English has one, none where it has none; as many lines, and an
      // accelerator key where English marks one.
      const std::pair<const std::string*, const std::string*> lines[] = {{&en.Caption, &tr.Caption},
                                                                         {&en.Hint, &tr.Hint}};
      for (const auto& [source, translated] : lines) {
        EXPECT_EQ(translated->empty(), source->empty()) << *translated;
        EXPECT_EQ(CountOf(*translated, '\n'), CountOf(*source, '\n')) << *translated;
        EXPECT_EQ(CountOf(*translated, '&'), CountOf(*source, '&')) << *translated;
        // The Language menu names each language in its own words, the same in every file.
        const bool ownName = en.Component == "English1" || en.Component == "Russian1" ||
                             en.Component == "Norwegian1";
        if (!isEnglish && !ownName && HasWord(*source)) {
          EXPECT_NE(*translated, *source);
        }
      }
    }
  }
}

// The words for Qt's own buttons and the print preview's title: the same entries as the
// English file, each with a text, and a translation where the English is a word.
TEST_P(LanguageFiles, GiveTheStandardButtonsInTheirLanguage) {
  const std::string_view section = "StandardButtons";
  const LanguageFile::Result english =
      LanguageFile::Read(kFolder + "/" + std::string(kLanguageFileNames[0])).FindSection(section);
  const LanguageFile::Result other =
      LanguageFile::Read(kFolder + "/" + std::string(GetParam())).FindSection(section);
  ASSERT_TRUE(english.Ok) << english.Message;
  ASSERT_TRUE(other.Ok) << other.Message;
  const auto& ours = english.Sections.front().Entries;
  const auto& theirs = other.Sections.front().Entries;
  ASSERT_EQ(theirs.size(), ours.size());
  EXPECT_GE(ours.size(), 4u);
  for (std::size_t e = 0; e < ours.size(); ++e) {
    SCOPED_TRACE(ours[e].Component);
    EXPECT_EQ(theirs[e].Component, ours[e].Component);
    EXPECT_FALSE(theirs[e].Caption.empty());
    EXPECT_EQ(CountOf(theirs[e].Caption, '&'), CountOf(ours[e].Caption, '&'));
    if (GetParam() != kLanguageFileNames[0] && HasWord(ours[e].Caption)) {
      EXPECT_NE(theirs[e].Caption, ours[e].Caption);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Delivered, LanguageFiles, testing::ValuesIn(kLanguageFileNames),
                         [](const testing::TestParamInfo<std::string_view>& info) {
                           std::string name(info.param);
                           std::replace(name.begin(), name.end(), '.', '_');
                           return name;
                         });

}  // namespace
