#include "support/UsedTextKeys.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

bool IsTextSection(const std::string& form) {
  return std::find(std::begin(kTextSections), std::end(kTextSections), form) !=
             std::end(kTextSections) ||
         form.ends_with("Texts");
}

}  // namespace

std::set<UsedTextKey> UsedTextKeys(const std::string& sourceFolder) {
  const std::regex literal(
      R"re(\{\s*"([A-Za-z][A-Za-z0-9]*)"\s*,\s*"([A-Za-z][A-Za-z0-9]*)"\s*\})re");
  std::set<UsedTextKey> keys;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(sourceFolder)) {
    const std::string extension = entry.path().extension().string();
    if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp"))
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());  // the first place a key is named, always the same
  for (const std::filesystem::path& path : files) {
    std::ifstream in(path);
    std::stringstream read;
    read << in.rdbuf();
    const std::string text = read.str();
    // The whole file at once: a literal may be broken across two lines.
    for (auto match = std::sregex_iterator(text.begin(), text.end(), literal);
         match != std::sregex_iterator(); ++match) {
      if (!IsTextSection((*match)[1])) continue;
      const auto line = 1 + std::count(text.begin(), text.begin() + match->position(), '\n');
      const std::string where =
          std::filesystem::relative(path, sourceFolder).string() + ":" + std::to_string(line);
      keys.insert({(*match)[1], (*match)[2], where});
    }
  }
  for (int number = 1; number <= ReportTexts::kCount; ++number) {
    const TextKey key = ReportTexts::Key(number);
    keys.insert({std::string(key.Form), std::string(key.Name), "report/ReportTexts.h"});
  }
  return keys;
}
