#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "model/TBoard.h"
#include "support/DoorLoad.h"
#include "support/TempFolder.h"

namespace {

using Json = nlohmann::json;

const std::string kData = DOORTRIM_TEST_DATA;
const std::string kSamples = DOORTRIM_SAMPLE_DOORS;
const char* const kSampleNames[] = {"default", "oval", "vshape", "spherical", "rectangular"};

constexpr double kMinAttackDeg = 20;
constexpr double kMaxAttackDeg = 45;
constexpr double kMaxHeelTiltDeg = 10;
constexpr double kAngleTol = 1e-12;  // degrees, angles passed through unchanged

// Line numbers in a door file whose three tables have the default row counts (7, 6, 6).
constexpr int kRLine = 34;
constexpr int kBridleAngleVLine = 50;
constexpr int kFirstAngleLine = 69;

std::string Sample(const std::string& name) {
  return kSamples + "/" + name + ".brd";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\n";
  return text;
}

// The default door with the given balance angles stored in its file.
std::string DefaultWithAngles(const TempFolder& folder, const std::string& x, const std::string& y,
                              const std::string& z) {
  std::vector<std::string> lines = Lines(TempFolder::ReadBytes(Sample("default")));
  lines.at(kFirstAngleLine - 1) = x;
  lines.at(kFirstAngleLine) = y;
  lines.at(kFirstAngleLine + 1) = z;
  const std::string path = folder.File("angles.brd");
  TempFolder::WriteBytes(path, Join(lines));
  return path;
}

Json RunJson(const std::vector<std::string>& args, int expectedExit = 0) {
  const CliRun run = RunCliProgram(args);
  EXPECT_EQ(run.ExitCode, expectedExit) << run.Err;
  return Json::parse(run.Out);
}

TEST(CliFile, SolvesEverySampleDoorInBottomTrawling) {
  for (const char* name : kSampleNames) {
    SCOPED_TRACE(name);
    const Json j = RunJson({"solve", Sample(name), "--bottom", "--json"});
    EXPECT_EQ(j["mode"], "bottom");
    EXPECT_EQ(j["converged"], true);
    const double attack = j["wing_attack_deg"].get<double>();
    EXPECT_GT(attack, kMinAttackDeg);
    EXPECT_LT(attack, kMaxAttackDeg);
    EXPECT_LT(std::abs(j["angles_deg"][0].get<double>()), kMaxHeelTiltDeg);
    EXPECT_LT(std::abs(j["angles_deg"][1].get<double>()), kMaxHeelTiltDeg);
  }
}

TEST(CliFile, EvaluateUsesTheStoredAnglesUnlessGiven) {
  const TempFolder folder;
  const std::string path = DefaultWithAngles(folder, "7.5", "-4.25", "36");
  Json j = RunJson({"evaluate", path, "--json"});
  EXPECT_NEAR(j["angles_deg"][0].get<double>(), 7.5, kAngleTol);
  EXPECT_NEAR(j["angles_deg"][1].get<double>(), -4.25, kAngleTol);
  EXPECT_NEAR(j["angles_deg"][2].get<double>(), 36, kAngleTol);
  EXPECT_NEAR(j["wing_attack_deg"].get<double>(), 36, 2);

  j = RunJson({"evaluate", path, "--angles", "1", "2", "3", "--json"});
  EXPECT_NEAR(j["angles_deg"][0].get<double>(), 1, kAngleTol);
  EXPECT_NEAR(j["angles_deg"][2].get<double>(), 3, kAngleTol);
}

TEST(CliFile, SolveStartsFromTheStoredAnglesUnlessStartIsGiven) {
  const Json fromZero = RunJson({"solve", Sample("default"), "--json"});
  const int fullSearch = fromZero["iterations"].get<int>();
  ASSERT_GT(fullSearch, 50);

  // Store the balance just found: the search from there is over at once.
  const TempFolder folder;
  std::vector<std::string> angles;
  for (int i = 0; i < 3; ++i) {
    std::ostringstream text;
    text.precision(17);
    text << fromZero["angles_deg"][i].get<double>();
    angles.push_back(text.str());
  }
  const std::string path = DefaultWithAngles(folder, angles[0], angles[1], angles[2]);
  const Json fromStored = RunJson({"solve", path, "--json"});
  EXPECT_EQ(fromStored["converged"], true);
  EXPECT_LT(fromStored["iterations"].get<int>(), 5);

  const Json restarted = RunJson({"solve", path, "--start", "0", "0", "0", "--json"});
  EXPECT_EQ(restarted["iterations"].get<int>(), fullSearch);
}

TEST(CliFile, TheFileModeAppliesUntilAModeOptionOverridesIt) {
  const TempFolder folder;
  const std::string midwater = folder.File("midwater.brd");
  CliRun run = RunCliProgram({"save", Sample("oval"), "--midwater", "--out", midwater});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(RunJson({"evaluate", midwater, "--json"})["mode"], "midwater");
  EXPECT_EQ(RunJson({"evaluate", midwater, "--bottom", "--json"})["mode"], "bottom");
  EXPECT_EQ(RunJson({"evaluate", Sample("oval"), "--json"})["mode"], "bottom");
}

TEST(CliFile, SaveMakesAVariantWithTheSettingsApplied) {
  const TempFolder folder;
  const std::string variant = folder.File("variant.brd");
  const CliRun run = RunCliProgram({"save", Sample("rectangular"), "--set", "R=31000", "--set",
                                    "BridleAngleV=4.5", "--out", variant});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_TRUE(run.Out.empty());
  EXPECT_TRUE(run.Err.empty());

  const DoorInputs door = LoadedInputs(variant);
  EXPECT_EQ(door.R, 31000);
  EXPECT_EQ(door.BridleAngleV, 4.5L);

  // Every other line of the file is as it was.
  const std::vector<std::string> before = Lines(TempFolder::ReadBytes(Sample("rectangular")));
  const std::vector<std::string> after = Lines(TempFolder::ReadBytes(variant));
  ASSERT_EQ(before.size(), after.size());
  std::vector<int> changed;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (before[i] != after[i]) changed.push_back(static_cast<int>(i) + 1);
  }
  const int hydroRowsBeyondDefault = 10 - 7;  // the rectangular door's table is longer
  EXPECT_EQ(changed, (std::vector<int>{kRLine + hydroRowsBeyondDefault,
                                       kBridleAngleVLine + hydroRowsBeyondDefault}));
}

TEST(CliFile, SaveWithoutAFileWritesTheBuiltInDoor) {
  const TempFolder folder;
  const std::string path = folder.File("default.brd");
  ASSERT_EQ(RunCliProgram({"save", "--out", path}).ExitCode, 0);
  EXPECT_EQ(TempFolder::ReadBytes(path), TempFolder::ReadBytes(Sample("default")));
}

TEST(CliFile, SaveKeepsTheWindowSettingsOfTheFile) {
  const TempFolder folder;
  const std::string path = DefaultWithAngles(folder, "1.5", "-2", "33.25");
  const std::string copy = folder.File("copy.brd");
  ASSERT_EQ(RunCliProgram({"save", path, "--out", copy}).ExitCode, 0);
  const std::vector<std::string> lines = Lines(TempFolder::ReadBytes(copy));
  ASSERT_EQ(lines.size(), 71u);
  EXPECT_EQ(lines[kFirstAngleLine - 1].substr(0, 5), "1.5  ");
  EXPECT_EQ(lines[kFirstAngleLine].substr(0, 4), "-2  ");
  EXPECT_EQ(lines[kFirstAngleLine + 1].substr(0, 7), "33.25  ");
}

struct FileProblem {
  std::string Name;
  std::vector<std::string> Args;
  int Exit;
  std::string Error;  // the whole of standard error
};

void PrintTo(const FileProblem& p, std::ostream* os) {
  *os << p.Name;
}

class CliFileErrors : public ::testing::TestWithParam<FileProblem> {};

TEST_P(CliFileErrors, OneLineWithTheLoadersOrSaversMessage) {
  const CliRun run = RunCliProgram(GetParam().Args);
  EXPECT_EQ(run.ExitCode, GetParam().Exit);
  EXPECT_TRUE(run.Out.empty()) << run.Out;
  EXPECT_EQ(run.Err, GetParam().Error);
}

const std::string kBadHydro = kData + "/bad_hydro_token.brd";
const std::string kBadHydroError =
    "doortrim-cli: " + kBadHydro + ": line 5: expected 4 numbers (Angle Cx Cy Cd), found 'abc'\n";
const std::string kMissing = kData + "/no_such_door.brd";

INSTANTIATE_TEST_SUITE_P(
    Table, CliFileErrors,
    ::testing::Values(
        FileProblem{"EvaluateBadFile", {"evaluate", kBadHydro}, 2, kBadHydroError},
        FileProblem{"SolveBadFile", {"solve", kBadHydro, "--json"}, 2, kBadHydroError},
        FileProblem{
            "SaveBadFile", {"save", kBadHydro, "--out", "/tmp/never.brd"}, 2, kBadHydroError},
        FileProblem{
            "MissingFile", {"solve", kMissing}, 2, "doortrim-cli: " + kMissing + ": not found\n"},
        FileProblem{"FolderAsFile",
                    {"evaluate", kData},
                    2,
                    "doortrim-cli: " + kData + ": is a folder, not a door data file\n"},
        FileProblem{"BadSetAfterFile",
                    {"evaluate", Sample("oval"), "--set", "G=heavy"},
                    2,
                    "doortrim-cli: --set: malformed number 'heavy' for G\n"},
        FileProblem{
            "SaveWithoutOut", {"save", Sample("oval")}, 2, "doortrim-cli: --out is required\n"},
        FileProblem{"SaveIntoMissingFolder",
                    {"save", "--out", kData + "/missing/door.brd"},
                    4,
                    "doortrim-cli: " + kData +
                        "/missing/door.brd: not saved: cannot create a file in the folder '" +
                        kData + "/missing': No such file or directory\n"},
        FileProblem{"SaveOverAFolder",
                    {"save", "--out", kData},
                    4,
                    "doortrim-cli: " + kData + ": not saved: it is a folder\n"}),
    [](const ::testing::TestParamInfo<FileProblem>& info) { return info.param.Name; });

}  // namespace
