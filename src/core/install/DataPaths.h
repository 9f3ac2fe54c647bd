#pragma once

#include <filesystem>

// Where the program's data lie: the language files, the help pages and the sample doors.
// An installed program finds them in the share folder of its install prefix, reached from
// the folder of the program itself, so a prefix can be moved (or staged under DESTDIR)
// as a whole; a program run from its build folder finds them in the source tree it was
// built from.
class DataPaths {
 public:
  // Looks in the install prefix seen from programFolder (prefixShare is the data folder
  // relative to it, e.g. "../share/doortrim"), then in the source tree's resources folder.
  // A place counts only when all three folders are there.
  static DataPaths Locate(const std::filesystem::path& programFolder,
                          const std::filesystem::path& prefixShare,
                          const std::filesystem::path& sourceResources);
  // The same for the running program, with the places it was built and installed for.
  static DataPaths ForRunningProgram();

  bool Found() const { return !languages_.empty(); }
  // Whether they were found in the install prefix rather than the source tree.
  bool Installed() const { return installed_; }
  // Empty when nothing was found.
  const std::filesystem::path& Languages() const { return languages_; }
  const std::filesystem::path& Help() const { return help_; }
  const std::filesystem::path& Samples() const { return samples_; }

 private:
  // Takes the three folders under root when they all exist.
  bool TryPlace(const std::filesystem::path& root, const char* languages, const char* help,
                const char* samples);

  std::filesystem::path languages_;
  std::filesystem::path help_;
  std::filesystem::path samples_;
  bool installed_ = false;
};
