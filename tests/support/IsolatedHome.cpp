#include "support/IsolatedHome.h"

#include <stdexcept>

#include <stdlib.h>

IsolatedHome::IsolatedHome() {
  // Each variable gets a folder that exists: some readers refuse or replace a missing one.
  const struct {
    const char* Variable;
    const char* Folder;
  } places[] = {{"HOME", ""},
                {"XDG_CONFIG_HOME", ".config"},
                {"XDG_CACHE_HOME", ".cache"},
                {"XDG_DATA_HOME", ".local/share"},
                {"XDG_STATE_HOME", ".local/state"}};
  for (const auto& place : places) {
    const std::filesystem::path folder =
        *place.Folder ? folder_.Path() / place.Folder : folder_.Path();
    std::filesystem::create_directories(folder);
    const char* before = getenv(place.Variable);
    previous_.emplace_back(place.Variable,
                           before ? std::optional<std::string>(before) : std::nullopt);
    if (setenv(place.Variable, folder.c_str(), 1) != 0)
      throw std::runtime_error(std::string("cannot set ") + place.Variable);
  }
}

IsolatedHome::~IsolatedHome() {
  for (const auto& [variable, value] : previous_) {
    if (value) {
      setenv(variable.c_str(), value->c_str(), 1);
    } else {
      unsetenv(variable.c_str());
    }
  }
}
