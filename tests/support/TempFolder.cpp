#include "support/TempFolder.h"

#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

#include <stdlib.h>

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "doortrim-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Listing() const {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_))
    names.insert(entry.path().filename().string());
  std::string listing;
  for (const std::string& name : names)
    listing += name + "\n";
  return listing;
}

void TempFolder::WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string TempFolder::ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
