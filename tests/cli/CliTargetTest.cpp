#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"

namespace {

using Json = nlohmann::json;

constexpr double kFoundTol = 0.01;  // degrees: a value is a solution within this of the target
constexpr double kAngleTol = 0.01;  // degrees

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;

std::string Digits(double value) {
  std::ostringstream text;
  text.precision(17);
  text << value;
  return text.str();
}

TEST(CliTarget, FindsTheUpperBridleHeightForNoHeel) {
  const CliRun run = RunCliProgram(
      {"target", "--var", "zc0", "--from", "1", "--to", "5", "--heel", "0", "--json"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const Json j = Json::parse(run.Out);
  EXPECT_TRUE(j["found"].get<bool>());
  EXPECT_TRUE(j["reason"].is_null());
  const double value = j["value"].get<double>();
  EXPECT_GT(value, 1);
  EXPECT_LT(value, 5);
  EXPECT_NEAR(j["angles_deg"][0].get<double>(), 0, kFoundTol);
  EXPECT_GT(j["evaluations"].get<int>(), 2);
  EXPECT_TRUE(j["wing_attack_deg"].is_number());

  // A solve with the value found, from the balance found, stays there.
  const CliRun solve = RunCliProgram(
      {"solve", "--set", "zc0=" + Digits(value), "--start",
       Digits(j["angles_deg"][0].get<double>()), Digits(j["angles_deg"][1].get<double>()),
       Digits(j["angles_deg"][2].get<double>()), "--method", "newton", "--json"});
  ASSERT_EQ(solve.ExitCode, 0) << solve.Err;
  const Json s = Json::parse(solve.Out);
  for (int i = 0; i < 3; ++i)
    EXPECT_NEAR(s["angles_deg"][i].get<double>(), j["angles_deg"][i].get<double>(), kAngleTol);
  EXPECT_NEAR(s["wing_attack_deg"].get<double>(), j["wing_attack_deg"].get<double>(), kAngleTol);
}

TEST(CliTarget, NotFoundSaysWhyAndExitsWithThree) {
  const CliRun run = RunCliProgram(
      {"target", "--var", "zc1", "--from", "0", "--to", "1.2", "--heel", "0", "--json"});
  EXPECT_EQ(run.ExitCode, 3) << run.Err;
  const Json j = Json::parse(run.Out);
  EXPECT_FALSE(j["found"].get<bool>());
  EXPECT_EQ(j["reason"], "no_crossing");
  EXPECT_TRUE(j["value"].is_number());  // the value that came nearest
  EXPECT_GT(std::fabs(j["angles_deg"][0].get<double>()), kFoundTol);

  const CliRun text =
      RunCliProgram({"target", "--var", "zc1", "--from", "0", "--to", "1.2", "--heel", "0"});
  EXPECT_EQ(text.ExitCode, 3);
  EXPECT_NE(text.Out.find("NOT found:            heel stays above the target"), std::string::npos)
      << text.Out;
  EXPECT_NE(text.Out.find("Nearest value:"), std::string::npos) << text.Out;
}

TEST(CliTarget, PitchAndAttackOnASampleDoor) {
  for (const std::vector<std::string>& target :
       {std::vector<std::string>{"--pitch", "0", "--var", "zc0", "--from", "0.5", "--to", "2"},
        std::vector<std::string>{"--attack", "35", "--var", "x0", "--from", "0.8", "--to",
                                 "1.6"}}) {
    std::vector<std::string> args = {"target", kSamples + "/default.brd", "--precise-ground",
                                     "--json"};
    args.insert(args.end(), target.begin(), target.end());
    const CliRun run = RunCliProgram(args);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const Json j = Json::parse(run.Out);
    EXPECT_TRUE(j["precise_ground"].get<bool>());
    const double reached = target[0] == "--pitch" ? j["angles_deg"][1].get<double>()
                                                  : j["wing_attack_deg"].get<double>();
    EXPECT_NEAR(reached, std::stod(target[1]), kFoundTol) << target[0];
  }
}

struct BadTargetCase {
  const char* name;
  std::vector<std::string> args;
  const char* message;
};

class CliTargetRefuses : public ::testing::TestWithParam<BadTargetCase> {};

TEST_P(CliTargetRefuses, BadArguments) {
  std::vector<std::string> args = {"target"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const CliRun run = RunCliProgram(args);
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Out.empty());
  EXPECT_NE(run.Err.find(GetParam().message), std::string::npos) << run.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliTargetRefuses,
    ::testing::Values(
        BadTargetCase{"NoTarget",
                      {"--var", "zc0", "--from", "1", "--to", "2"},
                      "one of --attack, --heel or --pitch is required"},
        BadTargetCase{"TwoTargets",
                      {"--var", "zc0", "--from", "1", "--to", "2", "--heel", "0", "--pitch", "0"},
                      "excludes"},
        BadTargetCase{"EndsReversed",
                      {"--var", "zc0", "--from", "2", "--to", "1", "--heel", "0"},
                      "--from must be below --to"},
        BadTargetCase{"UnknownSetting",
                      {"--var", "zz", "--from", "1", "--to", "2", "--heel", "0"},
                      "not a main parameter or environment value"},
        BadTargetCase{"TargetBeyondNinety",
                      {"--var", "zc0", "--from", "1", "--to", "2", "--attack", "95"},
                      "--attack: must lie between -90 and 90 degrees"},
        BadTargetCase{"MalformedTarget",
                      {"--var", "zc0", "--from", "1", "--to", "2", "--heel", "1,5"},
                      "--heel: malformed number"},
        BadTargetCase{"BridleAngleOutOfRange",
                      {"--var", "BridleAngleH", "--from", "10", "--to", "95", "--heel", "0"},
                      "BridleAngleH is out of range: ]0..89["}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
