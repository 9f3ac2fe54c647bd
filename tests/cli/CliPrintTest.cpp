#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliRunner.h"
#include "model/TBoard.h"
#include "numbers/NumberFormat.h"
#include "support/DoorLoad.h"
#include "support/TempFolder.h"

namespace {

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;

// What a shell command wrote on its standard output.
std::string Output(const std::string& command) {
  std::string text;
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return text;
  std::array<char, 4096> chunk{};
  while (std::fgets(chunk.data(), static_cast<int>(chunk.size()), pipe.get()) != nullptr)
    text += chunk.data();
  return text;
}

// The text of one page, as a PDF text extractor reads it, with the typographic ligatures
// the fonts set ("ffi" in "Coefficients") spelt out again.
std::string PageText(const std::string& pdf, int page) {
  const std::string n = std::to_string(page);
  std::string text = Output("pdftotext -layout -f " + n + " -l " + n + " '" + pdf + "' -");
  const std::array<std::pair<std::string, std::string>, 5> ligatures = {
      {{"\uFB00", "ff"}, {"\uFB01", "fi"}, {"\uFB02", "fl"}, {"\uFB03", "ffi"}, {"\uFB04", "ffl"}}};
  for (const auto& [ligature, letters] : ligatures)
    for (std::size_t at = text.find(ligature); at != std::string::npos;
         at = text.find(ligature, at))
      text.replace(at, ligature.size(), letters);
  return text;
}

int PageCount(const std::string& pdf) {
  const std::string info = Output("pdfinfo '" + pdf + "'");
  const std::size_t at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

// Whether every row of the table shows up, each cell as the report writes it.
void ExpectRows(const std::string& text, const CoefTable& table, int columns) {
  for (int r = 0; r < table.Count; ++r)
    for (int c = 0; c < columns; ++c) {
      const std::string cell = FormatFloat("#0.####", table.At(r, c));
      EXPECT_NE(text.find(cell), std::string::npos)
          << "row " << r << " column " << c << ": " << cell;
    }
}

TEST(CliPrint, SampleDoorGivesSevenPagesInOrderWithItsData) {
  TempFolder folder;
  const std::string pdf = folder.File("report.pdf");
  const std::string door = kSamples + "/oval.brd";
  const CliRun run =
      RunCliProgram({"print", door, "--bottom", "--solve", "--paper", "letter", "--pdf", pdf});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  ASSERT_EQ(PageCount(pdf), 7);
  const TBoard board(LoadedInputs(door));

  struct Expected {
    int Page;
    std::vector<std::string> Texts;
  };
  const std::vector<Expected> pages = {
      {1,
       {"DoorTrim Balance Report", "General Data :", "FRONT VIEW", "y0:", "Force of gravity",
        FormatFloat("######0.#", board.Inputs().G),
        FormatFloat("#0.###", board.Inputs().WaterDensity)}},
      {2, {"PLAN VIEW", "xc0:", FormatFloat("########0", board.Inputs().R)}},
      {3, {"SIDE VIEW", "zc1:", FormatFloat("#0.###", board.Inputs().zc1)}},
      {4, {"Hydrodynamic Coefficients", "Cx", "Cd", "deg"}},
      {5, {"Keel Shape", "Depth of keel in ground"}},
      {6, {"Influence of trawl", "Keel Position", "X keel, [m]:", "Ground-dynamic Coefficients"}},
      // The balance found by the solve command for the same door.
      {7,
       {"Balance position", "Rotation, [deg]", "Forces, [kN]", "33.244", "-0.803", "-7.4916",
        "15.7831", "33.24"}},
  };
  for (const Expected& expected : pages) {
    const std::string text = PageText(pdf, expected.Page);
    for (const std::string& piece : expected.Texts)
      EXPECT_NE(text.find(piece), std::string::npos) << "page " << expected.Page << ": " << piece;
  }
  // Letter paper for every page, the balance page too.
  const std::string sizes = Output("pdfinfo -f 1 -l 7 '" + pdf + "'");
  for (int page = 1; page <= 7; ++page)
    EXPECT_NE(sizes.find("Page    " + std::to_string(page) + " size:  612 x 792 pts (letter)"),
              std::string::npos)
        << sizes;
  ExpectRows(PageText(pdf, 4), board.Inputs().Hydro, 4);
  ExpectRows(PageText(pdf, 5), board.Inputs().KeelGeom, 3);
  ExpectRows(PageText(pdf, 6), board.Inputs().Ground, 2);
}

TEST(CliPrint, RussianReportTakesTheRussianTexts) {
  TempFolder folder;
  const std::string pdf = folder.File("report.pdf");
  const CliRun run = RunCliProgram({"print", "--russian", "--pdf", pdf});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(PageText(pdf, 7).find("Положение равновесия"), std::string::npos);
}

// The picture files a resource list names under the pictures folder.
std::set<std::string> PictureFiles(const std::string& list) {
  std::ifstream file(std::string(DOORTRIM_RESOURCES) + "/" + list);
  std::set<std::string> names;
  for (std::string line; std::getline(file, line);) {
    const std::size_t at = line.find(">pictures/");
    if (at != std::string::npos) names.insert(line.substr(at + 1, line.find('<', at) - at - 1));
  }
  return names;
}

TEST(CliPrint, CarriesTheSamePicturesAsTheWindows) {
  const std::set<std::string> windows = PictureFiles("resources.qrc");
  EXPECT_GT(windows.size(), 10u);
  EXPECT_EQ(PictureFiles("pictures.qrc"), windows);
}

struct StatusCase {
  const char* Name;
  std::vector<std::string> Args;  // "OUT" stands for a PDF in the test's folder
  int Status;
};

class CliPrintStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(CliPrintStatus, ExitsAsRenderDoes) {
  TempFolder folder;
  std::vector<std::string> args = {"print"};
  for (const std::string& arg : GetParam().Args)
    args.push_back(arg == "OUT" ? folder.File("out.pdf") : arg);
  const CliRun run = RunCliProgram(args);
  EXPECT_EQ(run.ExitCode, GetParam().Status) << run.Err;
  // A report is written exactly when the door could be placed and the file written.
  const bool written = GetParam().Status == 0 || GetParam().Status == 3;
  EXPECT_EQ(std::filesystem::exists(folder.File("out.pdf")), written) << folder.Listing();
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, CliPrintStatus,
    ::testing::Values(StatusCase{"NoPdf", {}, 2},
                      StatusCase{"MissingDoor", {"no-such-door.brd", "--pdf", "OUT"}, 2},
                      StatusCase{"BadAngles", {"--angles", "1", "x", "3", "--pdf", "OUT"}, 2},
                      StatusCase{"FolderNotThere", {"--pdf", "/nonexistent-folder/out.pdf"}, 4},
                      StatusCase{"PrintedAtGivenAngles",
                                 {"--midwater", "--angles", "5", "-3", "30", "--pdf", "OUT"},
                                 0},
                      // The report of the position the search reached is written all the same.
                      StatusCase{"Unbalanced", {"--set", "R=1", "--solve", "--pdf", "OUT"}, 3}),
    [](const ::testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.Name); });

// The paper asked for, or the locale's, on every page alike; a word that names no paper is
// refused before anything is printed.
TEST(CliPrint, OnePaperForTheWholeDocument) {
  struct Case {
    std::vector<std::string> Options;
    std::string Size;
  };
  const std::vector<Case> cases = {
      {{"--paper", "a4"}, "595 x 842 pts (A4)"},
      {{"--paper", "LETTER"}, "612 x 792 pts (letter)"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const std::string pdf = folder.File("report.pdf");
    std::vector<std::string> args = {"print", kSamples + "/spherical.brd", "--pdf", pdf};
    args.insert(args.end(), c.Options.begin(), c.Options.end());
    const CliRun run = RunCliProgram(args);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::string sizes = Output("pdfinfo -f 1 -l 7 '" + pdf + "'");
    for (int page = 1; page <= 7; ++page)
      EXPECT_NE(sizes.find("Page    " + std::to_string(page) + " size:  " + c.Size),
                std::string::npos)
          << sizes;
  }
  TempFolder folder;
  const std::string pdf = folder.File("report.pdf");
  const CliRun refused = RunCliProgram({"print", "--paper", "legal", "--pdf", pdf});
  EXPECT_NE(refused.ExitCode, 0);
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

// Every page names the door's file and its place in the document, and the words are set
// letter by letter, so that a search of the file for "Coefficient" or "Influence" finds them.
TEST(CliPrint, PagesAreHeadedAndTheirWordsCanBeSearched) {
  TempFolder folder;
  const std::string pdf = folder.File("report.pdf");
  const CliRun run = RunCliProgram({"print", kSamples + "/oval.brd", "--pdf", pdf});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  ASSERT_EQ(PageCount(pdf), 7);
  const std::string all = Output("pdftotext -raw -enc UTF-8 '" + pdf + "' -");
  for (const char* word : {"Hydrodynamic Coefficients", "Influence of trawl",
                           "Ground-dynamic Coefficients", "Coefficient of force out from ground"})
    EXPECT_NE(all.find(word), std::string::npos) << word;
  for (const char* ligature : {"\uFB00", "\uFB01", "\uFB02", "\uFB03", "\uFB04"})
    EXPECT_EQ(all.find(ligature), std::string::npos);
  for (int page = 1; page <= 7; ++page) {
    const std::string text = Output("pdftotext -raw -enc UTF-8 -f " + std::to_string(page) +
                                    " -l " + std::to_string(page) + " '" + pdf + "' -");
    EXPECT_NE(text.find("oval.brd"), std::string::npos) << "page " << page;
    EXPECT_NE(text.find("Page " + std::to_string(page) + " of 7"), std::string::npos)
        << "page " << page;
  }
  // A door that was never saved says so.
  const CliRun unsaved = RunCliProgram({"print", "--pdf", pdf});
  ASSERT_EQ(unsaved.ExitCode, 0) << unsaved.Err;
  EXPECT_NE(Output("pdftotext -raw -enc UTF-8 -f 1 -l 1 '" + pdf + "' -").find("unsaved door"),
            std::string::npos);
}

// The balance page says whether the position is stable, with the eigenvalues that decide it.
TEST(CliPrint, BalancePageGivesTheStabilityVerdict) {
  TempFolder folder;
  const std::string pdf = folder.File("report.pdf");
  const CliRun run =
      RunCliProgram({"print", kSamples + "/oval.brd", "--bottom", "--solve", "--pdf", pdf});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const std::string text = PageText(pdf, 7);
  EXPECT_NE(text.find("Eigenvalues:"), std::string::npos) << text;
  EXPECT_NE(text.find("The balance position is stable"), std::string::npos) << text;
}

}  // namespace
