#pragma once

#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it when the
// test ends.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // Names of the entries in the folder, sorted.
  std::string Listing() const;

  static void WriteBytes(const std::string& path, const std::string& bytes);
  static std::string ReadBytes(const std::string& path);

 private:
  std::filesystem::path path_;
};
