#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/CliRunner.h"

namespace {

using Json = nlohmann::json;

constexpr double kAngleTol = 0.01;       // degrees
constexpr double kBalanceTol = 0.1;      // N*m
constexpr double kRoundTripTol = 1e-12;  // relative, a value passed on as 17 digits

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;

Json RunJson(const std::vector<std::string>& args, int expectedStatus = 0) {
  const CliRun run = RunCliProgram(args);
  EXPECT_EQ(run.ExitCode, expectedStatus) << run.Err;
  return Json::parse(run.Out);
}

struct MethodCase {
  const char* door;
  const char* mode;
};

class CliSolveMethods : public ::testing::TestWithParam<MethodCase> {};

TEST_P(CliSolveMethods, NewtonAndRelaxationAgree) {
  const MethodCase& c = GetParam();
  const std::string file = kSamples + "/" + c.door + ".brd";
  const Json relax = RunJson({"solve", file, c.mode, "--json"});
  const Json newton = RunJson({"solve", file, c.mode, "--method", "newton", "--json"});
  EXPECT_EQ(relax["method"], "relax");
  EXPECT_EQ(newton["method"], "newton");
  EXPECT_EQ(newton["converged"], true);
  EXPECT_LT(newton["moment_sum"].get<double>(), kBalanceTol);
  EXPECT_LT(newton["evaluations"].get<int>(), relax["iterations"].get<int>());
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(newton["angles_deg"][i].get<double>(), relax["angles_deg"][i].get<double>(),
                kAngleTol);
  }
  EXPECT_EQ(newton["stable"], true);
  EXPECT_EQ(relax["stable"], true);
}

INSTANTIATE_TEST_SUITE_P(SampleDoors, CliSolveMethods,
                         ::testing::Values(MethodCase{"oval", "--bottom"},
                                           MethodCase{"vshape", "--midwater"}),
                         [](const auto& info) { return std::string(info.param.door); });

TEST(CliStability, EvaluateCarriesTheMatrixAndItsEigenvalues) {
  const Json j = RunJson({"evaluate", "--angles", "7.18", "-4.29", "37.41", "--json"});
  ASSERT_TRUE(j["stability_matrix"].is_array());
  ASSERT_EQ(j["stability_matrix"].size(), 3u);
  double trace = 0;
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(j["stability_matrix"][i].size(), 3u);
    trace += j["stability_matrix"][i][i].get<double>();
  }
  ASSERT_EQ(j["eigenvalues"].size(), 3u);
  double eigenvalueSum = 0;
  for (const Json& e : j["eigenvalues"]) {
    ASSERT_EQ(e.size(), 2u);  // real and imaginary part
    eigenvalueSum += e[0].get<double>();
  }
  // The eigenvalues of a matrix add up to its trace.
  EXPECT_NEAR(eigenvalueSum, trace, kRoundTripTol * std::abs(trace) + 1e-12);
  EXPECT_TRUE(j["stable"].is_boolean());
}

TEST(CliStability, WeightAboveTheWarpPointIsNotStable) {
  // The default door with its weight lifted far above the warp point tips over in still water.
  const Json j = RunJson({"evaluate", "--midwater", "--set", "v=0", "--set", "R=1", "--set", "zg=3",
                          "--angles", "0", "0", "0", "--json"});
  EXPECT_EQ(j["stable"], false);
}

struct BadMethod {
  const char* name;
  std::vector<std::string> args;
  const char* mentions;
};

class CliBadMethod : public ::testing::TestWithParam<BadMethod> {};

TEST_P(CliBadMethod, OneLineAndStatusTwo) {
  const CliRun run = RunCliProgram(GetParam().args);
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Out.empty()) << run.Out;
  ASSERT_FALSE(run.Err.empty());
  EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << run.Err;
  EXPECT_NE(run.Err.find(GetParam().mentions), std::string::npos) << run.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliBadMethod,
    ::testing::Values(BadMethod{"UnknownMethod", {"solve", "--method", "secant"}, "secant"},
                      BadMethod{"MissingMethod", {"solve", "--method"}, "--method"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
