#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/CliRunner.h"

namespace {

constexpr double kReferenceTol = 0.1;  // N, N*m
constexpr double kAngleTol = 0.01;     // degrees

using Json = nlohmann::json;

Json ParseSingleObject(const std::string& text) {
  Json j = Json::parse(text);  // throws, and fails the test, on anything but one JSON value
  EXPECT_TRUE(j.is_object());
  return j;
}

void ExpectTriple(const Json& v, double x, double y, double z, double tol) {
  ASSERT_TRUE(v.is_array());
  ASSERT_EQ(v.size(), 3u);
  EXPECT_NEAR(v[0].get<double>(), x, tol);
  EXPECT_NEAR(v[1].get<double>(), y, tol);
  EXPECT_NEAR(v[2].get<double>(), z, tol);
}

TEST(CliEvaluate, DefaultDoorFiguresInBothModes) {
  CliRun run = RunCliProgram({"evaluate", "--json"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  Json j = ParseSingleObject(run.Out);
  EXPECT_EQ(j["mode"], "bottom");
  ExpectTriple(j["angles_deg"], 0, 0, 0, 0);
  ExpectTriple(j["total_force"], -16301.2, -3807.3, -1286.1, kReferenceTol);
  ExpectTriple(j["total_moment"], -1785.8, -1008.0, 17102.3, kReferenceTol);
  ExpectTriple(j["forces"]["ground"]["point"], -0.38, 0.6, -1.0, 1e-9);
  EXPECT_NEAR(j["forces"]["ground"]["force"][0].get<double>(), -285.5, kReferenceTol);
  EXPECT_FALSE(j.contains("iterations"));

  run = RunCliProgram({"evaluate", "--midwater", "--json"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  j = ParseSingleObject(run.Out);
  EXPECT_EQ(j["mode"], "midwater");
  ExpectTriple(j["total_force"], -16015.7, -3807.3, -12799.1, kReferenceTol);
  ExpectTriple(j["total_moment"], -8693.6, 3652.5, 16931.0, kReferenceTol);
  ExpectTriple(j["forces"]["ground"]["force"], 0, 0, 0, 0);
}

TEST(CliEvaluate, JsonCarriesEveryForceAndTheFigures) {
  const CliRun run = RunCliProgram({"evaluate", "--angles", "-5", "3.5", "20", "--json"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const Json j = ParseSingleObject(run.Out);
  ExpectTriple(j["angles_deg"], -5, 3.5, 20, 1e-12);
  double sum[3] = {0, 0, 0};
  for (const char* name :
       {"wing", "stringer", "gravity", "upper_bridle", "lower_bridle", "ground"}) {
    ASSERT_TRUE(j["forces"].contains(name)) << name;
    for (int i = 0; i < 3; ++i)
      sum[i] += j["forces"][name]["force"][i].get<double>();
  }
  ExpectTriple(j["total_force"], sum[0], sum[1], sum[2], 1e-6);
  const double resistance = (j["forces"]["wing"]["force"][0].get<double>() +
                             j["forces"]["stringer"]["force"][0].get<double>() +
                             j["forces"]["ground"]["force"][0].get<double>()) /
                            1000;
  EXPECT_NEAR(j["resistance_kN"].get<double>(), resistance, 1e-9);
  const double vertical = (j["forces"]["wing"]["force"][2].get<double>() +
                           j["forces"]["stringer"]["force"][2].get<double>() +
                           j["forces"]["gravity"]["force"][2].get<double>()) /
                          1000;
  EXPECT_NEAR(j["vertical_kN"].get<double>(), vertical, 1e-9);
  EXPECT_TRUE(j.contains("spread_kN"));
  EXPECT_TRUE(j.contains("wing_attack_deg"));
}

TEST(CliSolve, DefaultDoorBalancesInBothModes) {
  CliRun run = RunCliProgram({"solve", "--json"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  Json j = ParseSingleObject(run.Out);
  EXPECT_EQ(j["converged"], true);
  EXPECT_NEAR(j["iterations"].get<int>(), 290, 15);
  ExpectTriple(j["angles_deg"], 7.18, -4.29, 37.41, kAngleTol);
  EXPECT_NEAR(j["wing_attack_deg"].get<double>(), 37.3, 0.1);

  run = RunCliProgram({"solve", "--midwater", "--json"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  j = ParseSingleObject(run.Out);
  EXPECT_NEAR(j["iterations"].get<int>(), 400, 15);
  ExpectTriple(j["angles_deg"], -22.88, 13.31, 30.15, kAngleTol);
  EXPECT_NEAR(j["wing_attack_deg"].get<double>(), 29.3, 0.1);
}

TEST(CliSolve, IterationLimitIsNeverReportedAsSuccess) {
  const CliRun run = RunCliProgram({"solve", "--sensitivity", "1e6", "--json"});
  EXPECT_EQ(run.ExitCode, 3);
  const Json j = ParseSingleObject(run.Out);
  EXPECT_EQ(j["converged"], false);
  EXPECT_EQ(j["iterations"], 500);

  const CliRun plain = RunCliProgram({"solve", "--sensitivity", "1e6"});
  EXPECT_EQ(plain.ExitCode, 3);
  EXPECT_NE(plain.Out.find("NOT balanced"), std::string::npos);
}

TEST(CliSolve, StartToleranceAndOverrides) {
  const CliRun run = RunCliProgram({"solve", "--start", "7", "-4", "37", "--tolerance", "1",
                                    "--set", "R=30000", "--set", "BridleAngleH=14", "--json"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const Json j = ParseSingleObject(run.Out);
  const Json& m = j["total_moment"];
  EXPECT_LT(
      std::abs(m[0].get<double>()) + std::abs(m[1].get<double>()) + std::abs(m[2].get<double>()),
      1.0);
  // A larger pull changes the bridle forces: R/4 on each.
  EXPECT_NEAR(j["forces"]["upper_bridle"]["force"][0].get<double>(), -7500, 1e-9);
}

TEST(CliSummary, PlainOutputIsReadable) {
  const CliRun run = RunCliProgram({"solve"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  for (const char* label :
       {"Rotation [deg]", "Moments [kN*m]", "Resistance [kN]", "Spread force [kN]",
        "Vertical force [kN]", "Attack angle [deg]", "balanced after"}) {
    EXPECT_NE(run.Out.find(label), std::string::npos) << label;
  }
  EXPECT_NE(run.Out.find("37.41"), std::string::npos);
}

struct BadArguments {
  std::string name;
  std::vector<std::string> args;
  std::string mentions;
};

class CliErrors : public ::testing::TestWithParam<BadArguments> {};

TEST_P(CliErrors, ExitTwoWithOneLineNamingTheProblem) {
  const CliRun run = RunCliProgram(GetParam().args);
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Out.empty()) << run.Out;
  ASSERT_FALSE(run.Err.empty());
  EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << run.Err;  // exactly one line
  EXPECT_NE(run.Err.find(GetParam().mentions), std::string::npos) << run.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliErrors,
    ::testing::Values(
        BadArguments{"UnknownField", {"evaluate", "--set", "Weight=3"}, "Weight"},
        BadArguments{"CommaDecimal", {"evaluate", "--set", "G=1,5"}, "1,5"},
        BadArguments{"EmptyValue", {"evaluate", "--set", "G="}, "missing value for G"},
        BadArguments{"SetWithoutValue", {"evaluate", "--set"}, "--set"},
        BadArguments{"TwoAngles", {"evaluate", "--angles", "1", "2"}, "--angles"},
        BadArguments{"MalformedAngle", {"evaluate", "--angles", "1", "x", "2"}, "'x'"},
        BadArguments{"MalformedTolerance", {"solve", "--tolerance", "abc"}, "--tolerance"},
        BadArguments{"ZeroSensitivity", {"solve", "--sensitivity", "0"}, "--sensitivity"},
        BadArguments{"BothModes", {"solve", "--bottom", "--midwater"}, "--midwater"},
        BadArguments{"BridleAngleAt90", {"solve", "--set", "BridleAngleV=90"}, "BridleAngleV"},
        BadArguments{"UnknownCommand", {"frobnicate"}, "frobnicate"},
        BadArguments{"NoCommand", {}, "subcommand"}),
    [](const ::testing::TestParamInfo<BadArguments>& info) { return info.param.name; });

}  // namespace
