#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"

namespace {

using Json = nlohmann::json;

constexpr double kZeroTolerance = 0.001;  // N*m, where the bisection stops
constexpr double kRoundTripTol = 1e-6;    // N*m, a value passed on as 17 digits
constexpr int kMaxEvaluations = 202;      // the two ends and at most 200 halvings

// The default door tilted so that the wing's lift carries part of the weight.
const std::vector<std::string> kTilt = {"7.18", "-4.29", "37.41"};

std::vector<std::string> Args(std::vector<std::string> args) {
  args.push_back("--angles");
  args.insert(args.end(), kTilt.begin(), kTilt.end());
  return args;
}

Json RunJson(const std::vector<std::string>& args) {
  const CliRun run = RunCliProgram(args);
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_TRUE(run.Err.empty()) << run.Err;
  return Json::parse(run.Out);
}

std::string Digits(double value) {
  std::ostringstream text;
  text.precision(17);
  text << value;
  return text.str();
}

// The moments of the tilted default door with one field set, as evaluate reports them.
Json MomentWith(const std::string& name, double value) {
  return RunJson(Args({"evaluate", "--set", name + "=" + Digits(value), "--json"}))["total_moment"];
}

TEST(CliVary, SameSignAtBothEndsScansAndKeepsAScanPoint) {
  const Json j = RunJson(
      Args({"vary", "--var", "v", "--from", "0.5", "--to", "5", "--criterion", "y", "--json"}));
  ASSERT_TRUE(j.is_object());
  EXPECT_EQ(j.size(), 5u) << j.dump();
  EXPECT_EQ(j["variable"], "v");
  EXPECT_EQ(j["method"], "scan");
  EXPECT_EQ(j["evaluations"], 22);
  const double value = j["value"].get<double>();
  // One of 0.5, 0.725, ..., 4.775, and not the first: the moment about Y dips in between.
  const double step = (5 - 0.5) / 20;
  const double index = (value - 0.5) / step;
  EXPECT_NEAR(index, std::round(index), 1e-9);
  EXPECT_GT(index, 0.5);
  EXPECT_LT(index, 19.5);
  EXPECT_NEAR(j["criterion"].get<double>(), MomentWith("v", value)[1].get<double>(), kRoundTripTol);

  const CliRun text =
      RunCliProgram(Args({"vary", "--var", "v", "--from", "0.5", "--to", "5", "--criterion", "y"}));
  EXPECT_EQ(text.ExitCode, 0);
  EXPECT_NE(text.Out.find("scan, 22 evaluations"), std::string::npos) << text.Out;
}

TEST(CliVary, OppositeSignsBisectToAZeroMoment) {
  const Json j = RunJson(
      Args({"vary", "--var", "G", "--from", "1", "--to", "20000", "--criterion", "x", "--json"}));
  EXPECT_EQ(j["method"], "bisection");
  EXPECT_LT(std::fabs(j["criterion"].get<double>()), kZeroTolerance);
  EXPECT_LE(j["evaluations"].get<int>(), kMaxEvaluations);
  const double value = j["value"].get<double>();
  EXPECT_LT(std::fabs(MomentWith("G", value)[0].get<double>()), kZeroTolerance);
}

struct BadVary {
  const char* name;
  std::vector<std::string> args;
  const char* says;
};

class CliVaryBadInput : public ::testing::TestWithParam<BadVary> {};

TEST_P(CliVaryBadInput, OneLineOnStandardErrorAndStatusTwo) {
  const BadVary c = GetParam();
  std::vector<std::string> args = {"vary"};
  args.insert(args.end(), c.args.begin(), c.args.end());
  const CliRun run = RunCliProgram(args);
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Out.empty()) << run.Out;
  ASSERT_FALSE(run.Err.empty());
  EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << run.Err;
  EXPECT_NE(run.Err.find(c.says), std::string::npos) << run.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliVaryBadInput,
    ::testing::Values(
        BadVary{"UnknownName", {"--var", "Gx", "--from", "0", "--to", "1"}, "'Gx' is not a main"},
        BadVary{"EnvironmentField",
                {"--var", "WaterDensity", "--from", "0", "--to", "1"},
                "'WaterDensity' is not a main"},
        BadVary{"EqualEnds", {"--var", "G", "--from", "5", "--to", "5"}, "are equal"},
        BadVary{"Reversed", {"--var", "G", "--from", "5", "--to", "1"}, "below --to"},
        BadVary{"UnknownCriterion",
                {"--var", "G", "--from", "0", "--to", "1", "--criterion", "xy"},
                "--criterion"},
        BadVary{"MissingEnd", {"--var", "G", "--from", "0"}, "--to"},
        // The value found becomes the door's: an end its field refuses is refused here.
        BadVary{"FromOnTheFieldsOpenEnd",
                {"--var", "G", "--from", "0", "--to", "20000"},
                "G is out of range: ]0..100000[ (the range of its field)"},
        BadVary{"ToBeyondTheField",
                {"--var", "R", "--from", "1000", "--to", "1e7"},
                "R is out of range: ]0..1000000[ (the range of its field)"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
