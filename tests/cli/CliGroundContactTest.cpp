#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "support/TempFolder.h"

namespace {

using Json = nlohmann::json;

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;

Json RunJson(const std::vector<std::string>& args, int status = 0) {
  const CliRun run = RunCliProgram(args);
  EXPECT_EQ(run.ExitCode, status) << run.Err;
  return Json::parse(run.Out);
}

TEST(CliGroundContact, SolveTellsTheNormalShareAndTheLiftOffSpeed) {
  const Json light =
      RunJson({"solve", "--set", "G=6000", "--precise-ground", "--method", "newton", "--json"});
  const double share = light["ground_normal_share"].get<double>();
  // The ground carries what the plates do not lift.
  EXPECT_NEAR(share * 6000, light["forces"]["ground"]["force"][2].get<double>(), 1e-6);
  EXPECT_GT(share, 0);
  EXPECT_LT(share, 1);
  const double speed = light["lift_off_speed_mps"].get<double>();
  EXPECT_GT(speed, 2.15);
  EXPECT_LT(speed, 4.3);
  EXPECT_TRUE(light["precise_ground"].get<bool>());

  // The text says the same.
  const CliRun text =
      RunCliProgram({"solve", "--set", "G=6000", "--precise-ground", "--method", "newton"});
  std::ostringstream shown;
  shown.precision(3);
  shown << std::fixed << speed;
  EXPECT_NE(text.Out.find("Lift-off speed:       " + shown.str() + " m/s"), std::string::npos)
      << text.Out;
}

TEST(CliGroundContact, NullWhereThereIsNoLiftOffOrNoGround) {
  const Json heavy = RunJson({"solve", "--method", "newton", "--json"});
  EXPECT_TRUE(heavy["ground_normal_share"].is_number());
  EXPECT_TRUE(heavy["lift_off_speed_mps"].is_null());  // not up to twice 2.15 m/s
  const Json midwater = RunJson({"evaluate", "--midwater", "--json"});
  EXPECT_TRUE(midwater["ground_normal_share"].is_null());
  EXPECT_TRUE(midwater["lift_off_speed_mps"].is_null());

  const CliRun text = RunCliProgram({"solve", "--method", "newton"});
  EXPECT_NE(text.Out.find("Lift-off speed:       none up to 4.30 m/s"), std::string::npos)
      << text.Out;
  const CliRun midwaterText = RunCliProgram({"solve", "--midwater", "--method", "newton"});
  EXPECT_EQ(midwaterText.Out.find("Lift-off"), std::string::npos) << midwaterText.Out;
}

TEST(CliGroundContact, PreciseGroundBalancesTheVShapeDoorAtThreeMetresPerSecond) {
  const std::vector<std::string> args = {
      "solve", kSamples + "/vshape.brd", "--set", "v=3", "--method", "newton", "--json"};
  const Json tolerant = RunJson(args, 3);
  EXPECT_FALSE(tolerant["converged"].get<bool>());
  std::vector<std::string> precise = args;
  precise.push_back("--precise-ground");
  const Json exact = RunJson(precise);
  EXPECT_TRUE(exact["converged"].get<bool>());
  EXPECT_TRUE(exact["precise_ground"].get<bool>());
  EXPECT_LT(exact["moment_sum"].get<double>(), 0.1);
}

TEST(CliGroundContact, EveryVerbThatEvaluatesTakesPreciseGround) {
  TempFolder folder;
  const std::string door = kSamples + "/oval.brd";
  const std::vector<std::vector<std::string>> verbs = {
      {"evaluate", door},
      {"solve", door},
      {"report", door, "--solve"},
      {"render", door, "--png", folder.File("door.png")},
      {"print", door, "--pdf", folder.File("door.pdf")},
      {"vary", door, "--var", "xg", "--from", "0.5", "--to", "2", "--criterion", "y"},
      {"sweep", door, "--vary", "v", "--from", "2", "--to", "2.5", "--steps", "2", "--method",
       "newton"},
      {"target", door, "--var", "x0", "--from", "0.8", "--to", "1.6", "--attack", "33"},
      {"map", door, "--x", "v", "--x-from", "2", "--x-to", "2.2", "--x-steps", "1", "--y", "x0",
       "--y-from", "1", "--y-to", "1.1", "--y-steps", "1", "--csv"},
      {"uncertainty", door, "--samples", "4"}};
  for (std::vector<std::string> args : verbs) {
    args.push_back("--precise-ground");
    const CliRun run = RunCliProgram(args);
    EXPECT_NE(run.ExitCode, 2) << args[0] << ": " << run.Err;
  }
  // Saving evaluates nothing.
  const CliRun save =
      RunCliProgram({"save", door, "--out", folder.File("x.brd"), "--precise-ground"});
  EXPECT_EQ(save.ExitCode, 2);
}

}  // namespace
