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
  const CliRun run = RunCliProgram({"print", door, "--bottom", "--solve", "--pdf", pdf});
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
      {6, {"Influence of trawl", "Keel Position", "X keel:", "Ground-dynamic Coefficients"}},
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
  // Letter paper, the balance page A4.
  const std::string sizes = Output("pdfinfo -f 1 -l 7 '" + pdf + "'");
  EXPECT_NE(sizes.find("Page    1 size:  612 x 792 pts (letter)"), std::string::npos) << sizes;
  EXPECT_NE(sizes.find("Page    6 size:  612 x 792 pts (letter)"), std::string::npos) << sizes;
  EXPECT_NE(sizes.find("Page    7 size:  595 x 842 pts (A4)"), std::string::npos) << sizes;
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

}  // namespace
