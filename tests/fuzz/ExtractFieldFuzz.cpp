// Fuzzes ExtractField against a plain split of the text into its fields: every n, positive or
// not, must give the n-th non-empty run of non-separators, or nothing. The text and the
// separator set live in heap blocks of exactly their size, so reading past either is
// reported by ASan.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "numbers/TextRoutines.h"

namespace {

// A heap copy of exactly the bytes given.
class ExactBlock {
 public:
  explicit ExactBlock(const std::string& bytes)
      : size_(bytes.size()), data_(new char[bytes.size()]) {
    std::memcpy(data_.get(), bytes.data(), size_);
  }
  std::string_view View() const { return {data_.get(), size_}; }

 private:
  std::size_t size_;
  std::unique_ptr<char[]> data_;
};

std::vector<std::string> Fields(const std::string& text, const std::string& separators) {
  std::vector<std::string> fields;
  std::string current;
  for (const char c : text) {
    if (separators.find(c) != std::string::npos) {
      if (!current.empty()) fields.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) fields.push_back(current);
  return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string separators = in.ConsumeRandomLengthString(8);
  const int asked = in.ConsumeIntegral<int>();
  const std::string text = in.ConsumeRemainingBytesAsString();
  const ExactBlock textBlock(text);
  const ExactBlock separatorBlock(separators);

  const std::vector<std::string> fields = Fields(text, separators);
  const auto expect = [&](int n) {
    return n >= 1 && static_cast<std::size_t>(n) <= fields.size() ? fields[n - 1] : std::string();
  };
  // The fuzzed n, every field, and the edges around them.
  std::vector<int> ns = {asked, 0, -1, static_cast<int>(fields.size()) + 1};
  for (std::size_t i = 1; i <= fields.size() && i <= 64; ++i)
    ns.push_back(static_cast<int>(i));
  for (const int n : ns) {
    const std::string got = ExtractField(textBlock.View(), n, separatorBlock.View());
    Require(got == expect(n), "ExtractField gives the n-th field",
            "n " + std::to_string(n) + ": '" + got + "' instead of '" + expect(n) + "'");
  }
  return 0;
}
