#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"

namespace {

using Json = nlohmann::json;

constexpr double kAngleTol = 0.01;  // degrees
constexpr double kValueTol = 1e-12;

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;

std::vector<std::string> SplitLine(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream in(line);
  std::string cell;
  while (std::getline(in, cell, ','))
    cells.push_back(cell);
  return cells;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream in(text);
  std::string line;
  while (std::getline(in, line))
    lines.push_back(line);
  return lines;
}

TEST(CliSweep, CsvHasOneRowPerValueUnderANamedHeader) {
  const CliRun run = RunCliProgram({"sweep", kSamples + "/oval.brd", "--vary", "v", "--from", "2",
                                    "--to", "3", "--steps", "4", "--method", "newton", "--csv"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const std::vector<std::string> lines = Lines(run.Out);
  ASSERT_EQ(lines.size(), 6u);
  const std::vector<std::string> header = SplitLine(lines[0]);
  const std::vector<std::string> expected = {"v",
                                             "rot_x_deg",
                                             "rot_y_deg",
                                             "rot_z_deg",
                                             "wing_attack_deg",
                                             "spread_kN",
                                             "resistance_kN",
                                             "vertical_kN",
                                             "spread_over_resistance",
                                             "converged",
                                             "iterations",
                                             "moment_sum_Nm"};
  EXPECT_EQ(header, expected);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> cells = SplitLine(lines[i]);
    ASSERT_EQ(cells.size(), expected.size()) << lines[i];
    EXPECT_NEAR(std::stod(cells[0]), 2 + 0.25 * static_cast<double>(i - 1), kValueTol);
    EXPECT_EQ(cells[9], "1") << lines[i];
    EXPECT_LT(std::stod(cells[11]), 0.1);
  }
}

TEST(CliSweep, EachPointIsTheBalanceASolveFinds) {
  const CliRun run = RunCliProgram({"sweep", "--midwater", "--vary", "BridleAngleV", "--from", "0",
                                    "--to", "10", "--steps", "2", "--json"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const Json j = Json::parse(run.Out);
  EXPECT_EQ(j["variable"], "BridleAngleV");
  EXPECT_EQ(j["method"], "relax");
  EXPECT_EQ(j["steps"], 2);
  EXPECT_EQ(j["values"], 3);
  ASSERT_EQ(j["points"].size(), 3u);
  const Json& middle = j["points"][1];
  EXPECT_NEAR(middle["value"].get<double>(), 5, kValueTol);
  const CliRun solve = RunCliProgram(
      {"solve", "--midwater", "--set", "BridleAngleV=5", "--method", "newton", "--json"});
  ASSERT_EQ(solve.ExitCode, 0) << solve.Err;
  const Json s = Json::parse(solve.Out);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(middle["angles_deg"][i].get<double>(), s["angles_deg"][i].get<double>(), kAngleTol);
  }
  EXPECT_NEAR(middle["spread_kN"].get<double>(), s["spread_kN"].get<double>(), 0.01);
}

TEST(CliSweep, TextTableMarksEveryValue) {
  const CliRun run =
      RunCliProgram({"sweep", "--vary", "R", "--from", "36000", "--to", "24000", "--steps", "3"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const std::vector<std::string> lines = Lines(run.Out);
  ASSERT_EQ(lines.size(), 6u);  // title, column heads, four values
  EXPECT_NE(lines[2].find("36000"), std::string::npos) << lines[2];
  EXPECT_NE(lines[5].find("24000"), std::string::npos) << lines[5];
  for (std::size_t i = 2; i < lines.size(); ++i)
    EXPECT_NE(lines[i].find("yes"), std::string::npos) << lines[i];
}

struct BadSweep {
  const char* name;
  std::vector<std::string> args;
  const char* mentions;
};

class CliBadSweep : public ::testing::TestWithParam<BadSweep> {};

TEST_P(CliBadSweep, OneLineAndStatusTwo) {
  std::vector<std::string> args = {"sweep"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const CliRun run = RunCliProgram(args);
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Out.empty()) << run.Out;
  ASSERT_FALSE(run.Err.empty());
  EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << run.Err;
  EXPECT_NE(run.Err.find(GetParam().mentions), std::string::npos) << run.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliBadSweep,
    ::testing::Values(
        BadSweep{"UnknownField",
                 {"--vary", "speed", "--from", "1", "--to", "2", "--steps", "3"},
                 "speed"},
        BadSweep{"MalformedFrom",
                 {"--vary", "v", "--from", "1,5", "--to", "2", "--steps", "3"},
                 "--from"},
        BadSweep{"EqualEnds", {"--vary", "v", "--from", "2", "--to", "2", "--steps", "3"}, "equal"},
        BadSweep{"NoStep", {"--vary", "v", "--from", "1", "--to", "2", "--steps", "0"}, "--steps"},
        BadSweep{"StepsNotWhole",
                 {"--vary", "v", "--from", "1", "--to", "2", "--steps", "2.5"},
                 "--steps"},
        BadSweep{"BridleAngleAtNinety",
                 {"--vary", "BridleAngleH", "--from", "0", "--to", "90", "--steps", "3"},
                 "BridleAngleH"},
        BadSweep{"MissingSteps", {"--vary", "v", "--from", "1", "--to", "2"}, "--steps"},
        BadSweep{"CsvAndJson",
                 {"--vary", "v", "--from", "1", "--to", "2", "--steps", "3", "--csv", "--json"},
                 "--csv"},
        BadSweep{"UnknownMethod",
                 {"--vary", "v", "--from", "1", "--to", "2", "--steps", "3", "--method", "x"},
                 "--method"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
