#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/TempFolder.h"

// Points HOME and the XDG user folders (configuration, cache, data, state) of this process at
// a fresh temporary folder for as long as it lives, so that nothing a test does, nor any
// program it starts, reads or writes the settings and files of the user running the tests.
// Made first thing in a test program's main, before any Qt application object exists (Qt
// reads these variables when it first needs them); programs started by the tests inherit
// the variables. At the end the variables are put back and the folder is removed.
class IsolatedHome {
 public:
  IsolatedHome();
  ~IsolatedHome();
  IsolatedHome(const IsolatedHome&) = delete;
  IsolatedHome& operator=(const IsolatedHome&) = delete;

  const std::filesystem::path& Path() const { return folder_.Path(); }

 private:
  TempFolder folder_;
  // Each variable set, with its value before (none: it was not set).
  std::vector<std::pair<std::string, std::optional<std::string>>> previous_;
};
