// The test programs' own home folder: what every test program's main makes first.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include "support/IsolatedHome.h"

namespace {

// The home folder of the user running the tests, from the password database: what HOME says
// outside the tests.
std::filesystem::path UsersHome() {
  const passwd* user = getpwuid(getuid());
  return user && user->pw_dir ? std::filesystem::path(user->pw_dir) : std::filesystem::path();
}

bool Inside(const std::filesystem::path& path, const std::filesystem::path& folder) {
  const std::string p = std::filesystem::weakly_canonical(path).string() + "/";
  const std::string f = std::filesystem::weakly_canonical(folder).string() + "/";
  return p.compare(0, f.size(), f) == 0;
}

const char* const kUserFolders[] = {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
                                    "XDG_STATE_HOME"};

// This program runs in one already, made by its main.
TEST(IsolatedHome, TheTestsRunOutsideTheUsersSettings) {
  const std::filesystem::path usersConfig = UsersHome() / ".config";
  for (const char* variable : kUserFolders) {
    const char* value = getenv(variable);
    ASSERT_NE(value, nullptr) << variable;
    EXPECT_TRUE(std::filesystem::is_directory(value)) << variable << "=" << value;
    EXPECT_FALSE(Inside(value, usersConfig)) << variable << "=" << value;
    EXPECT_NE(std::filesystem::weakly_canonical(value),
              std::filesystem::weakly_canonical(UsersHome()))
        << variable;
  }
}

TEST(IsolatedHome, EachGetsAFolderOfItsOwnAndPutsTheOldOnesBackAtTheEnd) {
  const std::string outerHome = getenv("HOME");
  const std::string outerConfig = getenv("XDG_CONFIG_HOME");
  std::filesystem::path made;
  {
    const IsolatedHome home;
    made = home.Path();
    EXPECT_NE(made, std::filesystem::path(outerHome));
    EXPECT_EQ(std::filesystem::path(getenv("HOME")), made);
    EXPECT_EQ(std::filesystem::path(getenv("XDG_CONFIG_HOME")), made / ".config");
    for (const char* variable : kUserFolders) {
      EXPECT_TRUE(Inside(getenv(variable), made)) << variable;
      EXPECT_TRUE(std::filesystem::is_directory(getenv(variable))) << variable;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(made));
  EXPECT_EQ(getenv("HOME"), outerHome);
  EXPECT_EQ(getenv("XDG_CONFIG_HOME"), outerConfig);
}

}  // namespace
