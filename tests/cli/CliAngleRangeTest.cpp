#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/CliRunner.h"

namespace {

using Json = nlohmann::json;

constexpr const char* kWarning = "an angle went beyond +-90 deg during the search";

TEST(CliAngleRange, ABalanceFoundWithinTheRangeSaysSo) {
  CliRun run = RunCliProgram({"solve", "--json"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const Json j = Json::parse(run.Out);
  ASSERT_TRUE(j.contains("left_angle_range"));
  EXPECT_EQ(j["left_angle_range"], false);

  run = RunCliProgram({"solve"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Out.find(kWarning), std::string::npos) << run.Out;
}

TEST(CliAngleRange, CoarseStepsThatTurnTheDoorOverAreReported) {
  // With a sensitivity of 1 the first step of the default door is hundreds of degrees.
  CliRun run = RunCliProgram({"solve", "--sensitivity", "1", "--json"});
  const Json j = Json::parse(run.Out);
  EXPECT_EQ(j["left_angle_range"], true);

  run = RunCliProgram({"solve", "--sensitivity", "1"});
  EXPECT_NE(run.Out.find(kWarning), std::string::npos) << run.Out;
}

TEST(CliAngleRange, AStartBeyondTheRangeIsReported) {
  const CliRun run = RunCliProgram({"solve", "--start", "0", "0", "-95", "--json"});
  const Json j = Json::parse(run.Out);
  EXPECT_EQ(j["left_angle_range"], true);
}

}  // namespace
