#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/CliRunner.h"

namespace {

using Json = nlohmann::json;

TEST(CliAdvice, SolveSaysWhatToMoveForAnAngleOutsideItsBand) {
  const CliRun run = RunCliProgram({"solve", "--method", "newton", "--precise-ground", "--advice",
                                    "--pitch-band", "10", "--json"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const Json j = Json::parse(run.Out);
  ASSERT_TRUE(j["advice"].is_array());
  ASSERT_EQ(j["advice"].size(), 2u);  // the heel, and the move that mends it
  // The default door heels about 7.2 degrees, its top towards the net.
  EXPECT_EQ(j["advice"][0], "The door heels 7.2\u00b0 inward (its top leans towards the net).");
  const std::string move = j["advice"][1];
  EXPECT_EQ(move.rfind("Moving the ", 0), 0u) << move;
  EXPECT_NE(move.find("reduces heel by about"), std::string::npos) << move;

  const CliRun text =
      RunCliProgram({"solve", "--method", "newton", "--advice", "--pitch-band", "10"});
  EXPECT_NE(text.Out.find("Advice:               The door heels 7.2\u00b0 inward"),
            std::string::npos)
      << text.Out;
}

TEST(CliAdvice, NothingWithinTheBandsAndNothingUnasked) {
  const CliRun within =
      RunCliProgram({"solve", "--method", "newton", "--advice", "--heel-band", "10", "--pitch-band",
                     "10", "--attack-band", "30", "40", "--json"});
  ASSERT_EQ(within.ExitCode, 0) << within.Err;
  EXPECT_TRUE(Json::parse(within.Out)["advice"].empty());
  const CliRun unasked = RunCliProgram({"solve", "--method", "newton", "--json"});
  EXPECT_FALSE(Json::parse(unasked.Out).contains("advice"));
}

TEST(CliAdvice, BandsOutOfOrderAreRefused) {
  for (const std::vector<std::string>& band :
       {std::vector<std::string>{"--attack-band", "40", "30"},
        std::vector<std::string>{"--heel-band", "-1"},
        std::vector<std::string>{"--pitch-band", "x"}}) {
    std::vector<std::string> args = {"solve", "--advice"};
    args.insert(args.end(), band.begin(), band.end());
    const CliRun run = RunCliProgram(args);
    EXPECT_EQ(run.ExitCode, 2) << band[0];
    EXPECT_NE(run.Err.find(band[0]), std::string::npos) << run.Err;
  }
}

}  // namespace
