#include "install/DataPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

void MakeFolders(const fs::path& root, std::initializer_list<const char*> names) {
  for (const char* name : names)
    fs::create_directories(root / name);
}

// An install prefix (bin/, share/doortrim/...) and a source tree (resources/...) in one
// temporary folder; each test fills in what it needs.
class DataPathsTest : public ::testing::Test {
 protected:
  fs::path Bin() const { return folder_.Path() / "prefix" / "bin"; }
  fs::path Share() const { return folder_.Path() / "prefix" / "share" / "doortrim"; }
  fs::path Source() const { return folder_.Path() / "source" / "resources"; }
  DataPaths Locate() const { return DataPaths::Locate(Bin(), "../share/doortrim", Source()); }

  TempFolder folder_;
};

TEST_F(DataPathsTest, InstalledPrefixComesBeforeTheSourceTree) {
  fs::create_directories(Bin());
  MakeFolders(Share(), {"lang", "help", "samples"});
  MakeFolders(Source(), {"lang", "help", "doors"});
  const DataPaths paths = Locate();
  ASSERT_TRUE(paths.Found());
  EXPECT_TRUE(paths.Installed());
  EXPECT_EQ(paths.Languages(), fs::canonical(Share() / "lang"));
  EXPECT_EQ(paths.Help(), fs::canonical(Share() / "help"));
  EXPECT_EQ(paths.Samples(), fs::canonical(Share() / "samples"));
}

TEST_F(DataPathsTest, ProgramInItsBuildFolderFindsTheSourceTree) {
  fs::create_directories(Bin());
  MakeFolders(Source(), {"lang", "help", "doors"});
  const DataPaths paths = Locate();
  ASSERT_TRUE(paths.Found());
  EXPECT_FALSE(paths.Installed());
  EXPECT_EQ(paths.Languages(), fs::canonical(Source() / "lang"));
  EXPECT_EQ(paths.Samples(), fs::canonical(Source() / "doors"));
}

TEST_F(DataPathsTest, IncompletePlacesAreSkipped) {
  fs::create_directories(Bin());
  MakeFolders(Share(), {"lang", "samples"});  // no help
  MakeFolders(Source(), {"lang", "help"});    // no sample doors
  const DataPaths paths = Locate();
  EXPECT_FALSE(paths.Found());
  EXPECT_TRUE(paths.Languages().empty());
  EXPECT_TRUE(paths.Help().empty());
  EXPECT_TRUE(paths.Samples().empty());
}

}  // namespace
