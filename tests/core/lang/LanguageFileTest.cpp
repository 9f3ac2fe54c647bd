#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "lang/LanguageFile.h"
#include "lang/TranslatedForms.h"
#include "support/TempFolder.h"

namespace {

const std::string kData = std::string(DOORTRIM_TEST_DATA) + "/lang";

// Names of the entries of a section, in order.
std::vector<std::string> Components(const LanguageFile::Section& section) {
  std::vector<std::string> names;
  for (const LanguageFile::Entry& entry : section.Entries)
    names.push_back(entry.Component);
  return names;
}

LanguageFile::Section Only(const LanguageFile::Result& result) {
  EXPECT_TRUE(result.Ok) << result.Message;
  EXPECT_EQ(result.Sections.size(), 1u);
  return result.Sections.empty() ? LanguageFile::Section{} : result.Sections.front();
}

LanguageFile::Section Find(std::string_view text, std::string_view form) {
  return Only(LanguageFile::FromText("test.lng", text).FindSection(form));
}

// Two sections, the second window's first; each line named after what it holds.
constexpr std::string_view kTwoSections =
    "[Multiform]\n"
    "Second_f\n"
    "1\n"
    "ButtonB\n"
    "B caption\n"
    "B hint\n"
    "First_f\n"
    "2\n"
    "ButtonA1\n"
    "A1 caption\n"
    "A1 hint\n"
    "ButtonA2\n"
    "A2 caption\n"
    "A2 hint\n"
    "\n";

TEST(LanguageFile, SectionsAreFoundWhateverTheirOrder) {
  const LanguageFile file = LanguageFile::FromText("test.lng", kTwoSections);
  const std::array<std::string_view, 2> forms = {"First_f", "Second_f"};
  const LanguageFile::Result result = file.FindSections(forms);
  ASSERT_TRUE(result.Ok) << result.Message;
  ASSERT_EQ(result.Sections.size(), 2u);
  EXPECT_TRUE(result.Sections[0].Found);
  EXPECT_EQ(Components(result.Sections[0]), (std::vector<std::string>{"ButtonA1", "ButtonA2"}));
  EXPECT_EQ(result.Sections[0].Entries[1].Caption, "A2 caption");
  EXPECT_EQ(result.Sections[0].Entries[1].Hint, "A2 hint");
  EXPECT_EQ(result.Sections[0].Entries[1].Line, 12);
  EXPECT_EQ(Components(result.Sections[1]), (std::vector<std::string>{"ButtonB"}));
}

TEST(LanguageFile, SectionNamesAreComparedExactly) {
  // Another case or a trailing blank names another window; the header may carry blanks.
  const std::string text =
      " \t[Multiform] \n"
      "main_f\n1\nA\nlower\n-\n"
      "Main_f \n1\nA\nblank\n-\n"
      "Main_f\n1\nA\nexact\n-\n\n";
  const LanguageFile::Section section = Find(text, "Main_f");
  ASSERT_EQ(section.Entries.size(), 1u);
  EXPECT_EQ(section.Entries[0].Caption, "exact");
}

TEST(LanguageFile, FirstOfTwoSectionsWithOneNameIsUsed) {
  const LanguageFile::Section section =
      Find("[Multiform]\nA_f\n1\nX\nfirst\n-\nA_f\n1\nX\nsecond\n-\n\n", "A_f");
  ASSERT_EQ(section.Entries.size(), 1u);
  EXPECT_EQ(section.Entries[0].Caption, "first");
}

TEST(LanguageFile, MissingSectionIsNotFound) {
  const LanguageFile::Section section = Find(kTwoSections, "Third_f");
  EXPECT_FALSE(section.Found);
  EXPECT_TRUE(section.Entries.empty());
}

TEST(LanguageFile, SingleSectionFileServesAnyWindow) {
  // Its first line names the section but is not compared.
  const std::string text = "Whatever\n1\nLabel1\nText\nHint\n\n";
  for (const std::string_view form : {"Main_f", "Balance_f"}) {
    const LanguageFile::Section section = Find(text, form);
    EXPECT_TRUE(section.Found);
    EXPECT_EQ(section.Name, "Whatever");
    EXPECT_EQ(Components(section), std::vector<std::string>{"Label1"});
  }
}

// The end of the file right after an entry's hint line: the entry is not applied. Any line
// after it, even an empty one, lets it through.
struct EndCase {
  const char* Name;
  const char* Ending;  // what follows the last hint's text
  bool Applied;
};

class LastEntry : public testing::TestWithParam<EndCase> {};

TEST_P(LastEntry, IsAppliedOnlyWithALineAfterIt) {
  const std::string text =
      std::string("[Multiform]\nA_f\n2\nFirst\nc1\nh1\nLast\nc2\nh2") + GetParam().Ending;
  const LanguageFile::Section section = Find(text, "A_f");
  EXPECT_EQ(section.Count, 2);
  const std::vector<std::string> expected = GetParam().Applied
                                                ? std::vector<std::string>{"First", "Last"}
                                                : std::vector<std::string>{"First"};
  EXPECT_EQ(Components(section), expected);
}

INSTANTIATE_TEST_SUITE_P(
    LanguageFile, LastEntry,
    testing::Values(EndCase{"NoLineEnd", "", false}, EndCase{"LineEnd", "\n", false},
                    EndCase{"CrLf", "\r\n", false}, EndCase{"EmptyLine", "\n\n", true},
                    EndCase{"NextSection", "\nB_f\n0\n", true}),
    [](const testing::TestParamInfo<EndCase>& info) { return std::string(info.param.Name); });

TEST(LanguageFile, FileEndingInsideTheEntriesKeepsTheOnesBefore) {
  const LanguageFile::Section section = Find("[Multiform]\nA_f\n5\nOne\nc\nh\nTwo\nc\n", "A_f");
  EXPECT_EQ(section.Count, 5);
  EXPECT_EQ(Components(section), std::vector<std::string>{"One"});
}

TEST(LanguageFile, CodeOneIsALineBreak) {
  const LanguageFile::Section section =
      Find("[Multiform]\nA_f\n1\nLabel1\nHydro.\x01Wing\nUpper\x01lower\n\n", "A_f");
  ASSERT_EQ(section.Entries.size(), 1u);
  EXPECT_EQ(section.Entries[0].Caption, "Hydro.\nWing");
  EXPECT_EQ(section.Entries[0].Hint, "Upper\nlower");
}

TEST(LanguageFile, CrLfLineEndsAndByteOrderMarkReadAsPlainText) {
  const LanguageFile::Section section =
      Find("\xEF\xBB\xBF[Multiform]\r\nA_f\r\n1\r\nLabel1\r\nText\r\nHint\r\n\r\n", "A_f");
  ASSERT_EQ(section.Entries.size(), 1u);
  EXPECT_EQ(section.Entries[0].Component, "Label1");
  EXPECT_EQ(section.Entries[0].Caption, "Text");
  EXPECT_EQ(section.Entries[0].Hint, "Hint");
}

TEST(LanguageFile, CountMayCarryBlanksAndPlusSign) {
  const LanguageFile::Section section = Find("[Multiform]\nA_f\n \t+1 \nL\nc\nh\n\n", "A_f");
  EXPECT_EQ(section.Entries.size(), 1u);
}

TEST(LanguageFile, BlankLinesAtTheEndAreNoCount) {
  const LanguageFile::Section section = Find(std::string(kTwoSections) + "\n  \n\t\n", "Other_f");
  EXPECT_FALSE(section.Found);
}

// A count line that is no whole number of 0 or more, in a fixture file each: the message
// names the file and the line, and nothing is handed out.
struct BadCount {
  const char* File;
  int Line;
  const char* Found;  // how the message quotes the line
};

class BadCountLine : public testing::TestWithParam<BadCount> {};

TEST_P(BadCountLine, NamesFileAndLine) {
  const std::string path = kData + "/" + GetParam().File;
  const LanguageFile file = LanguageFile::Read(path);
  ASSERT_TRUE(file.Readable());
  const std::array<std::string_view, 3> forms = {"Main_f", "Balance_f", "Trawl_f"};
  const LanguageFile::Result result = file.FindSections(forms);
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Line, GetParam().Line);
  EXPECT_TRUE(result.Sections.empty());
  EXPECT_NE(result.Message.find(path + ": line " + std::to_string(GetParam().Line) + ":"),
            std::string::npos)
      << result.Message;
  EXPECT_NE(result.Message.find(GetParam().Found), std::string::npos) << result.Message;
}

INSTANTIATE_TEST_SUITE_P(LanguageFile, BadCountLine,
                         testing::Values(BadCount{"bad_lang_count_word.lng", 8, "'two'"},
                                         BadCount{"bad_lang_count_negative.lng", 8, "'-1'"},
                                         BadCount{"bad_lang_count_real.lng", 8, "'1.5'"},
                                         BadCount{"bad_lang_count_empty.lng", 8, "an empty line"},
                                         BadCount{"bad_lang_count_first.lng", 3, "'x'"}));

TEST(LanguageFile, BadCountAfterTheWantedSectionIsNotReached) {
  // The search reads no further than the window's own section.
  const LanguageFile file = LanguageFile::Read(kData + "/bad_lang_count_word.lng");
  EXPECT_TRUE(file.FindSection("Main_f").Ok);
}

TEST(LanguageFile, TextThatIsNotUtf8NamesTheLine) {
  const std::string path = kData + "/bad_lang_not_utf8.lng";
  const LanguageFile file = LanguageFile::Read(path);
  EXPECT_FALSE(file.Readable());
  const LanguageFile::Result result = file.FindSection("Main_f");
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Line, 5);
  EXPECT_NE(result.Message.find(path + ": line 5:"), std::string::npos) << result.Message;
}

TEST(LanguageFile, UnreadableFileNamesTheFile) {
  TempFolder folder;
  const std::string missing = folder.File("Door.lru");
  const std::string empty = folder.File("Empty.lru");
  TempFolder::WriteBytes(empty, "\n \n");
  for (const std::string& path : {missing, folder.Path().string(), empty}) {
    const LanguageFile file = LanguageFile::Read(path);
    EXPECT_FALSE(file.Readable()) << path;
    const std::array<std::string_view, 1> forms = {"Main_f"};
    const LanguageFile::Result result = file.FindSections(forms);
    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.Sections.empty());
    EXPECT_EQ(result.Message.rfind(path + ": ", 0), 0u) << result.Message;
  }
}

TEST(LanguageFile, FileOnDiskReadsLikeItsText) {
  TempFolder folder;
  const std::string path = folder.File("Door.len");
  TempFolder::WriteBytes(path, std::string(kTwoSections));
  const LanguageFile::Section section = Only(LanguageFile::Read(path).FindSection("Second_f"));
  EXPECT_EQ(Components(section), std::vector<std::string>{"ButtonB"});
}

}  // namespace

namespace {

// A file is checked whole before anything is taken from it: one cut short, one whose count
// runs past its end or one without the header gives one message with the file and the line,
// and no sections.
struct BrokenFile {
  const char* File;
  int Line;             // 0: the message names no line
  const char* Message;  // a part of the message after the path
};

class BrokenLanguageFile : public ::testing::TestWithParam<BrokenFile> {};

TEST_P(BrokenLanguageFile, IsRefusedWholeWithFileAndLine) {
  const std::string path = kData + "/" + GetParam().File;
  const LanguageFile file = LanguageFile::Read(path);
  const LanguageFile::Result result = file.ReadAllSections(kTranslatedForms);
  EXPECT_FALSE(result.Ok);
  EXPECT_TRUE(result.Sections.empty());
  EXPECT_EQ(result.Line, GetParam().Line);
  const std::string where =
      GetParam().Line > 0 ? path + ": line " + std::to_string(GetParam().Line) + ": " : path + ": ";
  EXPECT_EQ(result.Message.rfind(where, 0), 0u) << result.Message;
  EXPECT_NE(result.Message.find(GetParam().Message), std::string::npos) << result.Message;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenLanguageFile,
    ::testing::Values(
        BrokenFile{"bad_lang_truncated.lru", 460, "section 'Hydro_f' declares"},
        BrokenFile{"bad_lang_count_past_end.lru", 901,
                   "section 'Sweep_f' declares 2147483647 entries, but the file ends after 15"},
        BrokenFile{"bad_lang_no_header.lru", 1, "expected the header [Multiform]"},
        BrokenFile{"bad_lang_cut_between_sections.lru", 0, "has no section 'Sweep_f'"},
        BrokenFile{"bad_lang_count_word.lng", 8, "'two'"}),
    [](const auto& info) {
      std::string name = info.param.File;
      name = name.substr(0, name.find('.'));
      std::string camel;
      for (const char c : name)
        if (c != '_') camel += c;
      return camel;
    });

TEST(LanguageFileWhole, TheProgramsOwnFilesPass) {
  for (const char* name : {"Door.len", "Door.lru", "Door.lno"}) {
    const LanguageFile file = LanguageFile::Read(std::string(DOORTRIM_LANGUAGE_FILES) + "/" + name);
    const LanguageFile::Result result = file.ReadAllSections(kTranslatedForms);
    EXPECT_TRUE(result.Ok) << result.Message;
    EXPECT_EQ(result.Sections.size(), kTranslatedForms.size());
  }
}

TEST(LanguageFileWhole, TheLastEntryNeedsALineAfterIt) {
  const std::string good = "[Multiform]\nA_f\n1\nButton\nCaption\nHint\n\n";
  EXPECT_TRUE(LanguageFile::FromText("a.lng", good).CheckWhole().Ok);
  const LanguageFile::Result cut =
      LanguageFile::FromText("a.lng", "[Multiform]\nA_f\n1\nButton\nCaption\nHint\n").CheckWhole();
  EXPECT_FALSE(cut.Ok);
  EXPECT_EQ(cut.Line, 3);
}

}  // namespace
