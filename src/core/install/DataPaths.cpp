#include "install/DataPaths.h"

#include <system_error>

#include "install/ProgramVersion.h"

namespace fs = std::filesystem;

namespace {

bool IsFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

// A path without "." and ".." parts, so that messages show where the folder really is.
fs::path Tidy(const fs::path& path) {
  std::error_code error;
  const fs::path canonical = fs::weakly_canonical(path, error);
  return error ? path.lexically_normal() : canonical;
}

}  // namespace

bool DataPaths::TryPlace(const fs::path& root, const char* languages, const char* help,
                         const char* samples) {
  if (root.empty()) return false;
  const fs::path base = Tidy(root);
  if (!IsFolder(base / languages) || !IsFolder(base / help) || !IsFolder(base / samples))
    return false;
  languages_ = base / languages;
  help_ = base / help;
  samples_ = base / samples;
  return true;
}

DataPaths DataPaths::Locate(const fs::path& programFolder, const fs::path& prefixShare,
                            const fs::path& sourceResources) {
  DataPaths paths;
  // The install layout names the sample doors for what they are to a user; the source tree
  // keeps them with the other resources as "doors".
  if (!programFolder.empty() &&
      paths.TryPlace(programFolder / prefixShare, "lang", "help", "samples")) {
    paths.installed_ = true;
    return paths;
  }
  paths.TryPlace(sourceResources, "lang", "help", "doors");
  return paths;
}

DataPaths DataPaths::ForRunningProgram() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  return Locate(error ? fs::path() : program.parent_path(), kInstalledDataFromProgram,
                kSourceResources);
}
