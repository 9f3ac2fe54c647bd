#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliRunner.h"

namespace {

using Json = nlohmann::json;

constexpr double kAngleTol = 0.01;  // degrees
constexpr double kValueTol = 1e-12;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream in(line);
  for (std::string cell; std::getline(in, cell, ',');)
    cells.push_back(cell);
  return cells;
}

const std::vector<std::string> kSpeedByWarpPoint = {"map",       "--precise-ground",
                                                    "--x",       "v",
                                                    "--x-from",  "1.8",
                                                    "--x-to",    "2.4",
                                                    "--x-steps", "3",
                                                    "--y",       "x0",
                                                    "--y-from",  "1.0",
                                                    "--y-to",    "1.2",
                                                    "--y-steps", "2"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(CliMap, CsvHasOneRowPerNodeUnderTheSweepsColumns) {
  const CliRun run = RunCliProgram(With(kSpeedByWarpPoint, {"--csv"}));
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const std::vector<std::string> lines = Lines(run.Out);
  ASSERT_EQ(lines.size(), 1u + 4u * 3u);
  const std::vector<std::string> expected = {"v",
                                             "x0",
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
                                             "moment_sum_Nm",
                                             "stable"};
  EXPECT_EQ(Cells(lines[0]), expected);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> cells = Cells(lines[i]);
    ASSERT_EQ(cells.size(), expected.size()) << lines[i];
    const std::size_t node = i - 1;
    EXPECT_NEAR(std::stod(cells[0]), 1.8 + 0.2 * static_cast<double>(node % 4), kValueTol);
    EXPECT_NEAR(std::stod(cells[1]), 1.0 + 0.1 * static_cast<double>(node / 4), kValueTol);
    EXPECT_EQ(cells[10], "1") << lines[i];
    EXPECT_TRUE(cells[13] == "0" || cells[13] == "1") << lines[i];
  }
}

TEST(CliMap, ANodeIsTheBalanceASolveFinds) {
  const CliRun run = RunCliProgram(With(kSpeedByWarpPoint, {"--json"}));
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const Json j = Json::parse(run.Out);
  EXPECT_EQ(j["x"]["name"], "v");
  EXPECT_EQ(j["y"]["steps"], 2);
  EXPECT_EQ(j["unbalanced"], 0);
  ASSERT_EQ(j["nodes"].size(), 12u);
  const Json& node = j["nodes"][6];  // v = 2.2, x0 = 1.1
  EXPECT_NEAR(node["x"].get<double>(), 2.2, kValueTol);
  EXPECT_NEAR(node["y"].get<double>(), 1.1, kValueTol);
  const CliRun solve = RunCliProgram({"solve", "--precise-ground", "--set", "v=2.2", "--set",
                                      "x0=1.1", "--method", "newton", "--json"});
  ASSERT_EQ(solve.ExitCode, 0) << solve.Err;
  const Json s = Json::parse(solve.Out);
  for (int i = 0; i < 3; ++i)
    EXPECT_NEAR(node["angles_deg"][i].get<double>(), s["angles_deg"][i].get<double>(), kAngleTol);
  EXPECT_EQ(node["stable"], s["stable"]);
}

TEST(CliMap, OneThreadPrintsTheSameMap) {
  const std::vector<std::string> bottom = {
      "map", "--x", "v",        "--x-from", "1.5",    "--x-to", "3",         "--x-steps", "6",
      "--y", "xc0", "--y-from", "2.4",      "--y-to", "2.9",    "--y-steps", "5",         "--csv"};
  const CliRun all = RunCliProgram(bottom);
  const CliRun one = RunCliProgram(With(bottom, {"--threads", "1"}));
  EXPECT_EQ(all.ExitCode, one.ExitCode);
  EXPECT_EQ(all.Out, one.Out);
}

TEST(CliMap, UnbalancedNodesExitWithThreeAndSuggestPreciseGround) {
  // The V-shaped door stalls at 3 m/s where the keel's depth moves in steps.
  const std::vector<std::string> args = {
      "map",       std::string(DOORTRIM_SAMPLE_DOORS) + "/vshape.brd",
      "--x",       "v",
      "--x-from",  "2.6190476190476191",
      "--x-to",    "3",
      "--x-steps", "1",
      "--y",       "R",
      "--y-from",  "29399",
      "--y-to",    "29400",
      "--y-steps", "1",
      "--csv"};
  const CliRun run = RunCliProgram(args);
  EXPECT_EQ(run.ExitCode, 3);
  EXPECT_NE(run.Err.find("--precise-ground"), std::string::npos) << run.Err;
  const CliRun precise = RunCliProgram(With(args, {"--precise-ground"}));
  EXPECT_EQ(precise.ExitCode, 0) << precise.Out;
  EXPECT_TRUE(precise.Err.empty()) << precise.Err;
}

struct BadMapCase {
  const char* name;
  // Options of the speed-by-warp-point map given another value, then options added.
  std::vector<std::pair<std::string, std::string>> changed;
  std::vector<std::string> added;
  const char* message;
};

class CliMapRefuses : public ::testing::TestWithParam<BadMapCase> {};

TEST_P(CliMapRefuses, BadArguments) {
  std::vector<std::string> args = kSpeedByWarpPoint;
  for (const auto& [option, value] : GetParam().changed) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
      if (args[i] == option) args[i + 1] = value;
    }
  }
  const CliRun run = RunCliProgram(With(args, GetParam().added));
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Out.empty());
  EXPECT_NE(run.Err.find(GetParam().message), std::string::npos) << run.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliMapRefuses,
    ::testing::Values(
        BadMapCase{"NoOutput", {}, {}, "one of --csv or --json is required"},
        BadMapCase{"BothOutputs", {}, {"--csv", "--json"}, "excludes"},
        BadMapCase{"TooManySteps",
                   {{"--x-steps", "201"}},
                   {"--csv"},
                   "--x-steps: '201' is not a whole number from 1 to 200"},
        BadMapCase{"NoSteps", {{"--y-steps", "0"}}, {"--csv"}, "--y-steps"},
        BadMapCase{"SameSetting", {{"--y", "v"}}, {"--csv"}, "--x and --y name the same setting"},
        BadMapCase{"EqualEnds", {{"--x-to", "1.8"}}, {"--csv"}, "there is nothing to map"},
        BadMapCase{"UnknownSetting", {{"--y", "warp"}}, {"--csv"}, "is not a main parameter"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
