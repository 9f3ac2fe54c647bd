// What went wrong with a file is kept as data, so that each window says it in its own
// language: every problem a user meets with a whole file reads in Russian and Norwegian with
// none of the C library's English words, while its English form is the very line the command
// line has always printed.

#include "lang/FileProblem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "io/AtomicFileWriter.h"
#include "io/DoorFileReader.h"
#include "io/DoorFileWriter.h"
#include "lang/LanguageFile.h"
#include "lang/TextCatalogue.h"
#include "model/CoefTable.h"
#include "model/DoorInputs.h"
#include "model/ViewSettings.h"
#include "report/CalcLog.h"
#include "support/ShippedTexts.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

const std::string kFolder = DOORTRIM_LANGUAGE_FILES;
const std::string kData = DOORTRIM_TEST_DATA;

const TextCatalogue& Language(int language) {
  static const TextCatalogue russian = ShippedTexts(kFolder, 1).Texts;
  static const TextCatalogue norwegian = ShippedTexts(kFolder, 2).Texts;
  return language == 1 ? russian : norwegian;
}

// The errors the program has words of its own for.
const int kKnownErrors[] = {ENOENT,  EACCES,       EPERM, ENOSPC, EROFS, EISDIR,
                            ENOTDIR, ENAMETOOLONG, ELOOP, EMFILE, EIO};

bool RunsAsRoot() {
  return ::geteuid() == 0;
}

TEST(SystemReasons, ReadInEnglishAsTheCLibrarySaysThem) {
  for (const int error : kKnownErrors) {
    SCOPED_TRACE(error);
    EXPECT_FALSE(FileProblem::SystemKey(error).Form.empty());
    EXPECT_EQ(FileProblem::SystemReason(error, TextCatalogue::English()), std::strerror(error));
  }
}

TEST(SystemReasons, AreTranslatedAndNeverTheCLibrarysWords) {
  for (const int language : {1, 2}) {
    for (const int error : kKnownErrors) {
      SCOPED_TRACE(std::to_string(language) + " " + std::to_string(error));
      const std::string reason = FileProblem::SystemReason(error, Language(language));
      EXPECT_NE(reason, std::strerror(error));
      EXPECT_EQ(reason.find('%'), std::string::npos);
    }
  }
}

TEST(SystemReasons, AnyOtherNumberIsNamedByItsNumber) {
  EXPECT_EQ(FileProblem::SystemReason(EXDEV, TextCatalogue::English()),
            "system error " + std::to_string(EXDEV));
  for (const int language : {1, 2}) {
    const std::string reason = FileProblem::SystemReason(EXDEV, Language(language));
    EXPECT_NE(reason.find(std::to_string(EXDEV)), std::string::npos) << reason;
    EXPECT_EQ(reason.find("system error"), std::string::npos) << reason;
  }
}

// A file name holding "%2" is shown as it is, not filled in a second time.
TEST(FileProblemText, FillsEachPlaceOnceAndLeavesTheValuesAsTheyAre) {
  const FileProblem problem{FileProblemTexts::kTooLarge, {"/tmp/a%2b", "9"}, {}, {}};
  EXPECT_EQ(problem.English(), "/tmp/a%2b: is too large for a door data file (9 bytes)");
  EXPECT_NE(problem.Text(Language(1)).find("/tmp/a%2b"), std::string::npos);
}

TEST(FileProblemText, NoProblemGivesTheMessageBuiltOtherwise) {
  EXPECT_EQ(FileProblem{}.Text(Language(1), "as it was"), "as it was");
}

// A problem's forms in the three languages: English is the message the core gave, the
// others name the same file and keep no English word of the English form.
void ExpectTranslated(const FileProblem& problem, const std::string& message,
                      const std::string& path) {
  ASSERT_FALSE(problem.Empty()) << message;
  EXPECT_EQ(problem.English(), message);
  EXPECT_EQ(problem.Text(TextCatalogue::English()).find('%'), std::string::npos);
  for (const int language : {1, 2}) {
    const std::string text = problem.Text(Language(language));
    SCOPED_TRACE(text);
    EXPECT_NE(text, message);
    EXPECT_NE(text.find(path), std::string::npos);
    EXPECT_EQ(text.find('%'), std::string::npos);
    for (const char* english : {"not found", "cannot", "folder", "regular", "too large",
                                "read-only", "No such", "Permission", "language file"})
      EXPECT_EQ(text.find(english), std::string::npos) << english;
  }
}

struct WholeFileCase {
  const char* Name;
  std::function<bool(const std::string& path)> Make;  // false: not possible here
  const char* Says;                                   // the English message's end
};

const WholeFileCase kDoorFileCases[] = {
    {"Missing", [](const std::string&) { return true; }, ": not found"},
    {"Folder", [](const std::string& path) { return fs::create_directory(path); },
     ": is a folder, not a door data file"},
    {"Fifo", [](const std::string& path) { return ::mkfifo(path.c_str(), 0666) == 0; },
     ": is not a regular file"},
    {"TooLarge",
     [](const std::string& path) {
       TempFolder::WriteBytes(path, "");
       fs::resize_file(path, DoorFileReader::kMaxFileSize + 1);
       return true;
     },
     " bytes)"},
    {"Unreadable",
     [](const std::string& path) {
       TempFolder::WriteBytes(path, "2\n");
       ::chmod(path.c_str(), 0);
       return !RunsAsRoot();
     },
     ": cannot be opened: Permission denied"},
};

class DoorFileProblems : public testing::TestWithParam<WholeFileCase> {};

TEST_P(DoorFileProblems, ReadInEveryLanguage) {
  TempFolder folder;
  const std::string path = folder.File("door.brd");
  if (!GetParam().Make(path)) GTEST_SKIP() << "not possible on this machine";
  DoorInputs door;
  const DoorFileResult result = DoorFileReader::Load(path, door);
  ASSERT_FALSE(result.Ok);
  EXPECT_TRUE(result.Message.ends_with(GetParam().Says)) << result.Message;
  ExpectTranslated(result.Problem, result.Message, path);
}

INSTANTIATE_TEST_SUITE_P(WholeFile, DoorFileProblems, testing::ValuesIn(kDoorFileCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// A line of a door file that does not read: its English form is the very line the command
// line prints, and in Russian and Norwegian it names the file and the line in the language's
// own words, with the token found and the fields' symbols as they are.
const char* const kBrokenDoorFiles[] = {
    "bad_angle_comma_decimal",
    "bad_balance_switch_token",
    "bad_bridle_angle_h_90",
    "bad_bridle_angle_v_beyond",
    "bad_empty",
    "bad_ends_before_angles",
    "bad_ends_before_pictures",
    "bad_ends_in_hydro_rows",
    "bad_ends_in_last_angle",
    "bad_ends_in_params",
    "bad_env_token",
    "bad_ground_angles_repeated",
    "bad_ground_comma_decimal",
    "bad_ground_count_over_capacity",
    "bad_hydro_angles_not_increasing",
    "bad_hydro_count_one",
    "bad_hydro_count_over_capacity",
    "bad_hydro_count_token",
    "bad_hydro_count_zero",
    "bad_hydro_infinity_word",
    "bad_hydro_overflow",
    "bad_hydro_short_row",
    "bad_hydro_token",
    "bad_hydro_token_invalid_utf8",
    "bad_hydro_token_long",
    "bad_keel_beyond_field",
    "bad_keel_chord_negative",
    "bad_keel_count_negative",
    "bad_keel_depths_negative",
    "bad_keel_depths_not_increasing",
    "bad_keel_thickness_negative",
    "bad_keel_underflow",
    "bad_mode_out_of_range",
    "bad_mode_real",
    "bad_mode_token",
    "bad_param_beyond_field",
    "bad_param_missing_range",
    "bad_param_overflow",
    "bad_param_token",
    "bad_param_token_too_long",
    "bad_projection_switch_token",
    "bad_tab_token",
};

// The words of the English per-line messages that a translation must not keep.
const char* const kLineWords[] = {"expected", "found", "number",  "integer", "line (",  "table",
                                  "row ",     "must",  "token",   "which",   "the end", "only ",
                                  "switch",   "view",  "picture", "range",   "From",    "degrees"};

class BrokenDoorFiles : public testing::TestWithParam<const char*> {};

TEST_P(BrokenDoorFiles, ReadInEveryLanguage) {
  const std::string path = kData + "/" + GetParam() + ".brd";
  DoorInputs door;
  const DoorFileResult result = DoorFileReader::Load(path, door);
  ASSERT_FALSE(result.Ok);
  ASSERT_FALSE(result.Problem.Empty()) << result.Message;
  EXPECT_EQ(result.Problem.English(), result.Message);
  const std::string atLine = path + ": line " + std::to_string(result.Line) + ": ";
  EXPECT_TRUE(result.Message.starts_with(atLine)) << result.Message;
  for (const int language : {1, 2}) {
    std::string text = result.Problem.Text(Language(language));
    SCOPED_TRACE(text);
    EXPECT_NE(text, result.Message);
    EXPECT_EQ(text.find('%'), std::string::npos);
    EXPECT_NE(text.find(std::to_string(result.Line)), std::string::npos);
    // The file's name holds words of its own ("token", "range"): it is taken out first.
    const std::size_t name = text.find(path);
    ASSERT_NE(name, std::string::npos);
    text.erase(name, path.size());
    for (const char* english : kLineWords)
      EXPECT_EQ(text.find(english), std::string::npos) << english;
  }
}

INSTANTIATE_TEST_SUITE_P(LineByLine, BrokenDoorFiles, testing::ValuesIn(kBrokenDoorFiles),
                         [](const auto& info) { return std::string(info.param); });

// What was found keeps its quoted form in every language: the user must see the very token.
TEST(BrokenDoorFileText, KeepsTheTokenFoundAndTheFieldsSymbol) {
  DoorInputs door;
  const DoorFileResult result = DoorFileReader::Load(kData + "/bad_param_token.brd", door);
  ASSERT_FALSE(result.Ok);
  for (const int language : {1, 2}) {
    const std::string text = result.Problem.Text(Language(language));
    EXPECT_NE(text.find("'11513N'"), std::string::npos) << text;
    EXPECT_NE(text.find("(G,"), std::string::npos) << text;
  }
}

const WholeFileCase kSaveCases[] = {
    {"ReadOnly",
     [](const std::string& path) {
       TempFolder::WriteBytes(path, "old");
       return ::chmod(path.c_str(), 0444) == 0;
     },
     ": not saved: the file is read-only (Permission denied)"},
    {"Folder", [](const std::string& path) { return fs::create_directory(path); },
     ": not saved: it is a folder"},
    {"Fifo", [](const std::string& path) { return ::mkfifo(path.c_str(), 0666) == 0; },
     ": not saved: it is not a regular file but a FIFO (named pipe), which is not replaced"},
    {"NoFolder", [](const std::string&) { return true; }, ": No such file or directory"},
};

class SaveProblems : public testing::TestWithParam<WholeFileCase> {};

TEST_P(SaveProblems, ReadInEveryLanguage) {
  TempFolder folder;
  const std::string path = std::string(GetParam().Name) == "NoFolder" ? folder.File("gone/door.brd")
                                                                      : folder.File("door.brd");
  if (!GetParam().Make(path)) GTEST_SKIP() << "not possible on this machine";
  const DoorFileResult result = DoorFileWriter().Save(path, DoorInputs{}, ViewSettings{});
  ASSERT_FALSE(result.Ok);
  EXPECT_TRUE(result.Message.ends_with(GetParam().Says)) << result.Message;
  ExpectTranslated(result.Problem, result.Message, path);
}

INSTANTIATE_TEST_SUITE_P(WholeFile, SaveProblems, testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// A door that would not read back is not saved, and the reason reads in every language: the
// English form stays the line it always was, the others keep the symbols and values only.
struct SpoiledDoor {
  const char* Name;
  std::function<void(DoorInputs&, ViewSettings&)> Spoil;
  const char* Says;  // the English reason
};

const SpoiledDoor kSpoiledDoors[] = {
    {"KeysNotIncreasing",
     [](DoorInputs& d, ViewSettings&) { d.Hydro.At(3, kHydroAngle) = d.Hydro.At(2, kHydroAngle); },
     "Hydro table, row 4: Angle 20 must be greater than the previous row's 20"},
    {"OneRow", [](DoorInputs& d, ViewSettings&) { d.Ground.Count = 1; },
     "Ground table: the table needs at least 2 rows, it has 1"},
    {"NegativeDepth", [](DoorInputs& d, ViewSettings&) { d.KeelGeom.At(0, kKeelZi) = -1; },
     "KeelGeom table, row 1: Zi -1 must not be negative (depths count up from the keel tip)"},
    {"TinyTableValue",
     [](DoorInputs& d, ViewSettings&) { d.Hydro.At(1, kHydroCx) = LDBL_TRUE_MIN; },
     "Hydro row 2 is too small (below the smallest normal number)"},
    {"NotFiniteField", [](DoorInputs& d, ViewSettings&) { d.G = std::nanl(""); },
     "G must be a finite number"},
    {"RangeEnd", [](DoorInputs& d, ViewSettings&) { d.Ranges[11].To = HUGE_VALL; },
     "R range To is not a finite number"},
    {"TinyField", [](DoorInputs& d, ViewSettings&) { d.b = LDBL_TRUE_MIN; },
     "b is too small (below the smallest normal number)"},
    {"OutOfField", [](DoorInputs& d, ViewSettings&) { d.BridleAngleH = 90; },
     "BridleAngleH is out of range: ]0..89[ (the range of its field)"},
    {"Angle", [](DoorInputs&, ViewSettings& v) { v.Angles[2] = -HUGE_VALL; },
     "balance angle Z is not a finite number"},
    {"PictureName", [](DoorInputs& d, ViewSettings&) { d.PlanPicture = "two\nlines.bmp"; },
     "the plan picture file name holds a line break"},
};

class UnwritableDoors : public testing::TestWithParam<SpoiledDoor> {};

TEST_P(UnwritableDoors, ReadInEveryLanguage) {
  TempFolder folder;
  const std::string path = folder.File("door.brd");
  DoorInputs door;
  ViewSettings view;
  GetParam().Spoil(door, view);
  const DoorFileResult result = DoorFileWriter().Save(path, door, view);
  ASSERT_FALSE(result.Ok);
  EXPECT_EQ(result.Message, path + ": not saved: " + GetParam().Says);
  EXPECT_EQ(DoorFileWriter::Unwritable(door, view), GetParam().Says);
  ExpectTranslated(result.Problem, result.Message, path);
  for (const int language : {1, 2}) {
    const std::string text = result.Problem.Text(Language(language));
    for (const char* english : {"table", "row ", "must", "range", "finite", "small", "balance",
                                "picture", "holds", "not saved"})
      EXPECT_EQ(text.find(english), std::string::npos) << text << " (" << english << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(BeforeWriting, UnwritableDoors, testing::ValuesIn(kSpoiledDoors),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(UnwritableDoors, NoFileNameReadsInEveryLanguage) {
  const DoorFileResult result = DoorFileWriter().Save("", DoorInputs{}, ViewSettings{});
  ASSERT_FALSE(result.Ok);
  EXPECT_EQ(result.Message, ": not saved: no file name given");
  ASSERT_FALSE(result.Problem.Empty());
  EXPECT_EQ(result.Problem.English(), result.Message);
  for (const int language : {1, 2})
    EXPECT_EQ(result.Problem.Text(Language(language)).find("file name"), std::string::npos);
}

// A disk that takes no more bytes: the reason is the system's, in the user's words, and the
// previous file is said to be unchanged.
TEST(SaveProblems, AFullDiskReadsInEveryLanguage) {
  TempFolder folder;
  const std::string path = folder.File("door.brd");
  TempFolder::WriteBytes(path, "old");
  AtomicFileWriter::DiskIo io;
  io.Write = [](int, const char*, std::size_t) -> long { return 0; };
  io.Sync = [](int) { return 0; };
  const AtomicFileWriter writer(io);
  const std::optional<FileProblem> problem = writer.Attempt(path, "new");
  ASSERT_TRUE(problem.has_value());
  const std::optional<std::string> message = writer.Replace(path, "new");
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(*message, "writing failed: No space left on device; the previous file is unchanged");
  EXPECT_EQ(problem->English(), *message);
  for (const int language : {1, 2}) {
    const std::string text = problem->Text(Language(language));
    EXPECT_NE(text.find(FileProblem::SystemReason(ENOSPC, Language(language))), std::string::npos)
        << text;
    EXPECT_EQ(text.find("No space"), std::string::npos) << text;
  }
  EXPECT_EQ(TempFolder::ReadBytes(path), "old");
}

TEST(CalcLogProblems, AFolderInTheLogsPlaceReadsInEveryLanguage) {
  TempFolder folder;
  const std::string path = folder.File("Calc_brd.log");
  fs::create_directory(path);
  const CalcLogResult added = AppendToCalcLog(path, "report\n");
  ASSERT_FALSE(added.Ok);
  EXPECT_EQ(added.Message, path + ": the report was not added to the log: it is a folder");
  ExpectTranslated(added.Problem, added.Message, path);
  const CalcLogResult cleared = ClearCalcLog(path);
  ASSERT_FALSE(cleared.Ok);
  EXPECT_EQ(cleared.Message, path + ": the log was not deleted: it is a folder");
  ExpectTranslated(cleared.Problem, cleared.Message, path);
}

// Every broken language file among the fixtures, and the whole-file problems, read as the
// language switch reads them.
class LanguageFileProblems : public testing::TestWithParam<const char*> {};

TEST_P(LanguageFileProblems, ReadInEveryLanguage) {
  const std::string path = kData + "/lang/" + GetParam();
  const LanguageFile::Result result = LanguageFile::Read(path).ReadAllSections(kTextSections);
  ASSERT_FALSE(result.Ok);
  ExpectTranslated(result.Problem, result.Message, path);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, LanguageFileProblems,
                         testing::Values("bad_lang_count_after_first_form.lru",
                                         "bad_lang_count_empty.lng", "bad_lang_count_first.lng",
                                         "bad_lang_count_negative.lng",
                                         "bad_lang_count_past_end.lru", "bad_lang_count_real.lng",
                                         "bad_lang_count_word.lng",
                                         "bad_lang_cut_between_sections.lru",
                                         "bad_lang_no_header.lru", "bad_lang_no_text_sections.lru",
                                         "bad_lang_not_utf8.lng", "bad_lang_truncated.lru"),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (c == '.') c = '_';
                           return name;
                         });

TEST(LanguageFileProblems, WholeFileProblemsReadInEveryLanguage) {
  TempFolder folder;
  const std::string missing = folder.File("missing.lru");
  const std::string empty = folder.File("empty.lru");
  TempFolder::WriteBytes(empty, "\n\n");
  const std::string large = folder.File("large.lru");
  TempFolder::WriteBytes(large, "");
  fs::resize_file(large, LanguageFile::kMaxFileSize + 1);
  const std::string fifo = folder.File("fifo.lru");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  for (const std::string& path : {missing, empty, large, fifo, folder.Path().string()}) {
    SCOPED_TRACE(path);
    const LanguageFile::Result result = LanguageFile::Read(path).CheckWhole();
    ASSERT_FALSE(result.Ok);
    ExpectTranslated(result.Problem, result.Message, path);
  }
}

// A window that reads its one section (a file of its own) meets a count that is no number.
TEST(LanguageFileProblems, ASectionCountThatIsNoNumberReadsInEveryLanguage) {
  const std::string path = "/tmp/window.lng";
  for (const std::string& text : {std::string("TMain_f\nmany\nx\n"), std::string("\nmany\n"),
                                  std::string("TMain_f\n   \nx\n")}) {
    SCOPED_TRACE(text);
    const LanguageFile::Result result = LanguageFile::FromText(path, text).FindSection("TMain_f");
    ASSERT_FALSE(result.Ok);
    EXPECT_EQ(result.Line, 2);
    ExpectTranslated(result.Problem, result.Message, path);
  }
}

}  // namespace
