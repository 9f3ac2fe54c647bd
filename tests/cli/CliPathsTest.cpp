#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/CliRunner.h"

namespace {

namespace fs = std::filesystem;

TEST(CliVersion, PrintsTheProjectVersionAndSucceeds) {
  const CliRun run = RunCliProgram({"--version"});
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Out, std::string("doortrim-cli ") + DOORTRIM_VERSION + "\n");
  EXPECT_EQ(run.Err, "");
}

TEST(CliPaths, ProgramInItsBuildFolderFindsTheSourceResources) {
  const CliRun run = RunCliProgram({"paths"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const fs::path resources = fs::canonical(DOORTRIM_RESOURCES);
  EXPECT_EQ(run.Out, "Language files: " + (resources / "lang").string() + "\n" +
                         "Help pages:     " + (resources / "help").string() + "\n" +
                         "Sample doors:   " + (resources / "doors").string() + "\n");
}

}  // namespace
