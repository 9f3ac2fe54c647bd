#include "lang/FileProblem.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "lang/TextCatalogue.h"

namespace {

// The reasons users meet when a file cannot be read or written; any other number reads as
// "system error <n>".
constexpr std::pair<int, TextKey> kSystemReasons[] = {
    {ENOENT, {"SystemTexts", "NoSuchFile"}},    {EACCES, {"SystemTexts", "PermissionDenied"}},
    {EPERM, {"SystemTexts", "NotPermitted"}},   {ENOSPC, {"SystemTexts", "NoSpace"}},
    {EROFS, {"SystemTexts", "ReadOnlySystem"}}, {EISDIR, {"SystemTexts", "IsFolder"}},
    {ENOTDIR, {"SystemTexts", "NotFolder"}},    {ENAMETOOLONG, {"SystemTexts", "NameTooLong"}},
    {ELOOP, {"SystemTexts", "TooManyLinks"}},   {EMFILE, {"SystemTexts", "TooManyOpen"}},
    {EIO, {"SystemTexts", "InputOutput"}},
};
constexpr TextKey kOtherSystemError{"SystemTexts", "SystemError"};

// `text` with %1 .. %9 replaced by the values; a place without a value stays as it is.
std::string Fill(const std::string& text, const std::vector<std::string>& values) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(text[i + 1] - '1');
      if (n < values.size()) {
        out += values[n];
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace

TextKey FileProblem::SystemKey(int error) {
  for (const auto& [number, key] : kSystemReasons)
    if (number == error) return key;
  return {};
}

std::string FileProblem::SystemReason(int error, const TextCatalogue& texts) {
  const TextKey key = SystemKey(error);
  if (!key.Form.empty()) return texts.Text(key);
  return Fill(texts.Text(kOtherSystemError), {std::to_string(error)});
}

std::string FileProblem::Render(const TextCatalogue& texts, bool libraryReasons) const {
  std::vector<std::string> values = Args;
  if (SystemError)
    values.push_back(libraryReasons ? std::string(std::strerror(*SystemError))
                                    : SystemReason(*SystemError, texts));
  for (const FileProblem& reason : Reasons)
    values.push_back(reason.Render(texts, libraryReasons));
  return Fill(texts.Text(Key), values);
}

std::string FileProblem::Text(const TextCatalogue& texts) const {
  return Render(texts, false);
}

std::string FileProblem::Text(const TextCatalogue& texts, const std::string& otherwise) const {
  return Empty() ? otherwise : Text(texts);
}

std::string FileProblem::English() const {
  return Render(TextCatalogue::English(), true);
}
