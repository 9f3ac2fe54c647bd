#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/CliRunner.h"

namespace {

using Json = nlohmann::json;

const char* const kQuantities[] = {"rot_x_deg",       "rot_y_deg", "rot_z_deg",
                                   "wing_attack_deg", "spread_kN", "resistance_kN"};

Json RunJson(const std::vector<std::string>& args, int status = 0) {
  const CliRun run = RunCliProgram(args);
  EXPECT_EQ(run.ExitCode, status) << run.Err;
  return Json::parse(run.Out);
}

TEST(CliUncertainty, BandOfEachQuantityAroundTheNominalBalance) {
  const Json j = RunJson({"uncertainty", "--precise-ground", "--wing", "10", "--ground", "15",
                          "--samples", "60", "--seed", "3", "--json"});
  EXPECT_EQ(j["samples"], 60);
  EXPECT_EQ(j["balanced"], 60);
  EXPECT_EQ(j["seed"], 3);
  const CliRun solve = RunCliProgram({"solve", "--precise-ground", "--method", "newton", "--json"});
  ASSERT_EQ(solve.ExitCode, 0);
  const Json s = Json::parse(solve.Out);
  for (const char* name : kQuantities) {
    ASSERT_TRUE(j["quantities"].contains(name)) << name;
    const Json& q = j["quantities"][name];
    for (const char* field : {"nominal", "min", "max", "p05", "p95"})
      ASSERT_TRUE(q[field].is_number()) << name << " " << field;
    EXPECT_LE(q["min"].get<double>(), q["p05"].get<double>()) << name;
    EXPECT_LE(q["p05"].get<double>(), q["p95"].get<double>()) << name;
    EXPECT_LE(q["p95"].get<double>(), q["max"].get<double>()) << name;
    EXPECT_LT(q["min"].get<double>(), q["nominal"].get<double>()) << name;
    EXPECT_GT(q["max"].get<double>(), q["nominal"].get<double>()) << name;
  }
  // The nominal figures are the balance a solve finds.
  EXPECT_NEAR(j["quantities"]["rot_z_deg"]["nominal"].get<double>(),
              s["angles_deg"][2].get<double>(), 0.01);
  EXPECT_NEAR(j["quantities"]["spread_kN"]["nominal"].get<double>(), s["spread_kN"].get<double>(),
              0.01);
}

TEST(CliUncertainty, SameSeedSameBandAndNoUncertaintyNoWidth) {
  const std::vector<std::string> args = {"uncertainty", "--midwater", "--samples", "40", "--json"};
  std::vector<std::string> one = args;
  one.insert(one.end(), {"--threads", "1"});
  EXPECT_EQ(RunJson(args), RunJson(one));

  const Json zero = RunJson(
      {"uncertainty", "--wing", "0", "--ground", "0", "--samples", "10", "--midwater", "--json"});
  for (const char* name : kQuantities) {
    const Json& q = zero["quantities"][name];
    EXPECT_EQ(q["min"], q["nominal"]) << name;
    EXPECT_EQ(q["max"], q["nominal"]) << name;
    EXPECT_EQ(q["p05"], q["nominal"]) << name;
    EXPECT_EQ(q["p95"], q["nominal"]) << name;
  }
}

TEST(CliUncertainty, TextTableNamesEachQuantity) {
  const CliRun run = RunCliProgram({"uncertainty", "--midwater", "--samples", "20"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(run.Out.find("20 of 20 balanced (seed 1)"), std::string::npos) << run.Out;
  for (const char* name : kQuantities)
    EXPECT_NE(run.Out.find(name), std::string::npos) << name;
}

struct BadUncertaintyCase {
  const char* name;
  std::vector<std::string> args;
  const char* message;
};

class CliUncertaintyRefuses : public ::testing::TestWithParam<BadUncertaintyCase> {};

TEST_P(CliUncertaintyRefuses, BadArguments) {
  std::vector<std::string> args = {"uncertainty", "--json"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const CliRun run = RunCliProgram(args);
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Out.empty());
  EXPECT_NE(run.Err.find(GetParam().message), std::string::npos) << run.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliUncertaintyRefuses,
    ::testing::Values(
        BadUncertaintyCase{"WingAHundredPerCent", {"--wing", "100"}, "--wing: must lie from 0"},
        BadUncertaintyCase{"GroundNegative", {"--ground", "-5"}, "--ground: must lie from 0"},
        BadUncertaintyCase{"NoSamples", {"--samples", "0"}, "--samples"},
        BadUncertaintyCase{"SeedNotAWholeNumber", {"--seed", "1.5"}, "--seed"},
        BadUncertaintyCase{"SeedNegative", {"--seed", "-1"}, "--seed"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
