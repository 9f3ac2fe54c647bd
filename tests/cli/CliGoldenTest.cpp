// Every sample door's results report, printed report and JSON figures, compared byte for byte
// with the files under tests/data/golden. They were written by the program before the door
// became a value edited through undoable commands, and keep every figure of it fixed.
//
// DOORTRIM_WRITE_GOLDEN=1 writes the files instead of comparing (only when a change of the
// output is intended, and then reviewed line by line).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliRunner.h"
#include "support/TempFolder.h"

namespace {

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;
const std::string kGolden = std::string(DOORTRIM_TEST_DATA) + "/golden";

enum class Output { Text, Pdf };

struct GoldenCase {
  std::string Name;  // file name under tests/data/golden, without ".txt"
  std::string Door;  // sample door, without ".brd"
  std::vector<std::string> Args;
  Output Kind = Output::Text;
};

std::string Shell(const std::string& command) {
  std::string text;
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return text;
  std::array<char, 4096> chunk{};
  while (std::fgets(chunk.data(), static_cast<int>(chunk.size()), pipe.get()) != nullptr)
    text += chunk.data();
  return text;
}

// The date and the time that head a report are those of the run; everything else is fixed.
// The month is a word in the report's language ("Dec", "дек.", "des.").
std::string MaskDateTime(const std::string& text) {
  static const std::regex date(R"(\b\d{1,2} [^ \n\d]{3,24} \d{4}\b)");
  static const std::regex time(R"(\b\d{2}:\d{2}:\d{2}( [A-Z][A-Za-z+0-9]{1,5})?\b)");
  return std::regex_replace(std::regex_replace(text, date, "<date>"), time, "<time>");
}

std::vector<GoldenCase> Cases() {
  std::vector<GoldenCase> cases;
  for (const std::string door : {"default", "oval", "rectangular", "spherical", "vshape"}) {
    for (const std::string mode : {"bottom", "midwater"}) {
      const std::string stem = door + "_" + mode;
      const std::string flag = "--" + mode;
      cases.push_back({stem + "_report", door, {"report", flag}});
      cases.push_back({stem + "_report_solved", door, {"report", flag, "--solve"}});
      cases.push_back({stem + "_print", door, {"print", flag}, Output::Pdf});
      cases.push_back({stem + "_evaluate", door, {"evaluate", flag, "--json"}});
      cases.push_back({stem + "_solve", door, {"solve", flag, "--json"}});
      cases.push_back(
          {stem + "_solve_newton", door, {"solve", flag, "--json", "--method", "newton"}});
    }
    cases.push_back({door + "_print_solved", door, {"print", "--solve"}, Output::Pdf});
  }
  cases.push_back({"oval_report_russian", "oval", {"report", "--solve", "--russian"}});
  cases.push_back({"oval_print_russian", "oval", {"print", "--solve", "--russian"}, Output::Pdf});
  return cases;
}

// What the case prints (the text of the PDF for print), with its exit status on top.
std::string Produce(const GoldenCase& c) {
  TempFolder folder;
  std::vector<std::string> args = c.Args;
  args.insert(args.begin() + 1, kSamples + "/" + c.Door + ".brd");
  const std::string pdf = folder.File("report.pdf");
  if (c.Kind == Output::Pdf) {
    args.push_back("--pdf");
    args.push_back(pdf);
  }
  const CliRun run = RunCliProgram(args);
  std::string body = run.Out;
  if (c.Kind == Output::Pdf) body += Shell("pdftotext -raw -enc UTF-8 '" + pdf + "' -");
  return "exit " + std::to_string(run.ExitCode) + "\n" + MaskDateTime(body);
}

class CliGolden : public ::testing::TestWithParam<GoldenCase> {
 protected:
  static void SetUpTestSuite() {
    // The C locale's formats, whatever the machine's: dates and numbers are then the same
    // everywhere the comparison runs.
    setenv("LC_ALL", "C", 1);
    setenv("TZ", "UTC", 1);
  }
};

TEST_P(CliGolden, SameBytesAsBefore) {
  const GoldenCase& c = GetParam();
  const std::string produced = Produce(c);
  const std::string path = kGolden + "/" + c.Name + ".txt";
  if (std::getenv("DOORTRIM_WRITE_GOLDEN") != nullptr) {
    TempFolder::WriteBytes(path, produced);
    GTEST_SKIP() << "wrote " << path;
  }
  const std::string expected = TempFolder::ReadBytes(path);
  ASSERT_FALSE(expected.empty()) << "no golden file " << path;
  EXPECT_EQ(produced, expected) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(SampleDoors, CliGolden, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                           return info.param.Name;
                         });

}  // namespace
