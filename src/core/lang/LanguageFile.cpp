#include "lang/LanguageFile.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include "numbers/QuotedToken.h"
#include "numbers/TextRoutines.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kLineBreakCode = '\x01';

// Length of the UTF-8 sequence that starts at text[i], or 0 when none valid starts there
// (a stray continuation byte, an overlong form, a surrogate, a code point above U+10FFFF or
// a sequence cut short).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;  // allowed range of the second byte
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// A caption or hint line as the program shows it: code 1 is a line break.
std::string WithLineBreaks(std::string text) {
  for (char& c : text)
    if (c == kLineBreakCode) c = '\n';
  return text;
}

// Walks the lines of a file the way the file is read for one window: line by line, with the
// end of the file reached when the line just read was the last one.
class SectionReader {
 public:
  SectionReader(const std::string& path, const std::vector<std::string>& lines)
      : path_(path), lines_(lines) {}

  LanguageFile::Result Find(std::string_view form);

 private:
  bool AtEnd() const { return next_ >= lines_.size(); }
  int LineNumber() const { return static_cast<int>(next_); }  // of the line read last
  // The next line; past the end, an empty one.
  const std::string& ReadLine();
  // Reads the entry count of `section`. False with the problem set when the line holds no
  // whole number of 0 or more.
  bool ReadCount(const std::string& section, int& count);
  // True when every line from the next one on is blank.
  bool OnlyBlankLinesLeft() const;

  const std::string& path_;
  const std::vector<std::string>& lines_;
  std::size_t next_ = 0;  // index of the next unread line
  LanguageFile::Result result_;
};

const std::string& SectionReader::ReadLine() {
  static const std::string kNothing;
  if (AtEnd()) return kNothing;
  return lines_[next_++];
}

bool SectionReader::OnlyBlankLinesLeft() const {
  for (std::size_t i = next_; i < lines_.size(); ++i)
    if (!TrimBlanks(lines_[i]).empty()) return false;
  return true;
}

bool SectionReader::ReadCount(const std::string& section, int& count) {
  count = 0;
  if (AtEnd()) return true;  // nothing follows: the search ends at the end of the file
  const std::string& line = ReadLine();
  const std::string text = TrimBlanks(line);
  if (text.empty() && OnlyBlankLinesLeft()) {
    next_ = lines_.size();  // blank lines at the end of the file end it
    return true;
  }
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;  // from_chars takes no plus sign
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc() && end == last && value >= 0 && text[0] != '-') {
    count = value;
    return true;
  }
  result_.Line = LineNumber();
  const std::string what =
      section.empty() ? std::string("an unnamed section") : "section " + QuotedToken(section);
  const std::string found = text.empty() ? std::string("an empty line") : QuotedToken(text);
  result_.Message = path_ + ": line " + std::to_string(result_.Line) +
                    ": expected the number of entries of " + what +
                    " (a whole number, 0 or more), found " + found;
  FileProblem why{
      section.empty() ? FileProblemTexts::kLangBadCountUnnamed : FileProblemTexts::kLangBadCount,
      {},
      {},
      {}};
  if (!section.empty()) why.Args.push_back(QuotedToken(section));
  if (text.empty()) {
    why.Reasons.push_back(FileProblem{FileProblemTexts::kEmptyLine, {}, {}, {}});
  } else {
    why.Args.push_back(QuotedToken(text));
  }
  result_.Problem = FileProblem{
      FileProblemTexts::kAtLine, {path_, std::to_string(result_.Line)}, {}, {std::move(why)}};
  return false;
}

LanguageFile::Result SectionReader::Find(std::string_view form) {
  LanguageFile::Section section;
  const std::string& header = ReadLine();
  const bool multiSection = TrimBlanks(header) == LanguageFile::kMultiformHeader;
  section.Name = multiSection ? ReadLine() : header;
  if (!ReadCount(section.Name, section.Count)) return result_;

  // A single-section file is applied whatever its name; in a multi-section file the names
  // are compared exactly, case and blanks included.
  const auto notFound = [&] {
    result_.Ok = true;
    result_.Sections.push_back(LanguageFile::Section{std::string(form), false, 0, {}});
    return result_;
  };
  if (multiSection) {
    while (section.Name != form) {
      // The end of the file while skipping a section, or right after a count: no section of
      // that name.
      const auto skipped = 3 * static_cast<std::size_t>(section.Count);
      if (skipped >= lines_.size() - next_) return notFound();
      next_ += skipped;
      section.Name = ReadLine();
      if (!ReadCount(section.Name, section.Count)) return result_;
      if (AtEnd()) return notFound();
    }
  }

  section.Found = true;
  for (int i = 0; i < section.Count; ++i) {
    LanguageFile::Entry entry;
    entry.Line = LineNumber() + 1;
    entry.Component = ReadLine();
    entry.Caption = WithLineBreaks(ReadLine());
    entry.Hint = WithLineBreaks(ReadLine());
    // An entry that ends the file is not applied, nor anything after it.
    if (AtEnd()) break;
    section.Entries.push_back(std::move(entry));
  }
  result_.Ok = true;
  result_.Sections.push_back(std::move(section));
  return result_;
}

}  // namespace

LanguageFile LanguageFile::Read(const std::string& path) {
  namespace fs = std::filesystem;
  LanguageFile file(path);
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) {
    file.SetUnreadable(path + ": language file not found",
                       FileProblem{FileProblemTexts::kLangNotFound, {path}, {}, {}});
    return file;
  }
  if (ec) {
    file.SetUnreadable(path + ": language file cannot be read: " + ec.message(),
                       FileProblem{FileProblemTexts::kLangCannotBeRead, {path}, ec.value(), {}});
    return file;
  }
  if (status.type() != fs::file_type::regular) {
    file.SetUnreadable(path + ": is not a language file (not a regular file)",
                       FileProblem{FileProblemTexts::kLangNotRegular, {path}, {}, {}});
    return file;
  }
  const std::uintmax_t size = fs::file_size(path, ec);
  if (!ec && size > kMaxFileSize) {
    file.SetUnreadable(
        path + ": is too large for a language file (" + std::to_string(size) + " bytes)",
        FileProblem{FileProblemTexts::kLangTooLarge, {path, std::to_string(size)}, {}, {}});
    return file;
  }

  const auto closer = [](std::FILE* f) { std::fclose(f); };
  errno = 0;
  std::unique_ptr<std::FILE, decltype(closer)> stream(std::fopen(path.c_str(), "rb"), closer);
  if (!stream) {
    const int error = errno;
    file.SetUnreadable(path + ": language file cannot be opened: " + std::strerror(error),
                       FileProblem{FileProblemTexts::kLangCannotBeOpened, {path}, error, {}});
    return file;
  }
  std::string text;
  char buffer[8192];
  for (;;) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, stream.get());
    text.append(buffer, got);
    if (got < sizeof buffer) break;
    if (text.size() > kMaxFileSize) {
      file.SetUnreadable(path + ": is too large for a language file",
                         FileProblem{FileProblemTexts::kLangTooLargeRead, {path}, {}, {}});
      return file;
    }
  }
  if (std::ferror(stream.get())) {
    const int error = errno;
    file.SetUnreadable(path + ": language file cannot be read: " + std::strerror(error),
                       FileProblem{FileProblemTexts::kLangCannotBeRead, {path}, error, {}});
    return file;
  }
  return FromText(path, text);
}

LanguageFile LanguageFile::FromText(const std::string& path, std::string_view text) {
  LanguageFile file(path);
  // The language files are written in UTF-8, whatever the system's code page, so that one
  // file holds Cyrillic and Norwegian letters alike and reads the same on every system. A
  // byte-order mark that an editor may have put in front is not part of the first line.
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);  // CR LF line ends
    if (!IsUtf8(line)) {
      const int number = static_cast<int>(file.lines_.size()) + 1;
      file.SetUnreadable(
          path + ": line " + std::to_string(number) +
              ": is not UTF-8 text (language files are written in UTF-8)",
          FileProblem{FileProblemTexts::kLangNotUtf8, {path, std::to_string(number)}, {}, {}},
          number);
      return file;
    }
    file.lines_.emplace_back(line);
    start = end + 1;
  }
  bool blank = true;
  for (const std::string& line : file.lines_)
    blank = blank && TrimBlanks(line).empty();
  if (blank) {
    // It would change nothing and say nothing: most likely not the file meant.
    file.SetUnreadable(path + ": language file is empty",
                       FileProblem{FileProblemTexts::kLangEmpty, {path}, {}, {}});
    return file;
  }
  file.readable_ = true;
  return file;
}

void LanguageFile::SetUnreadable(const std::string& message, FileProblem problem, int line) {
  readable_ = false;
  problem_ = message;
  problemData_ = std::move(problem);
  problemLine_ = line;
  lines_.clear();
}

LanguageFile::Result LanguageFile::FindSection(std::string_view form) const {
  if (!readable_) {
    Result result;
    result.Line = problemLine_;
    result.Message = problem_;
    result.Problem = problemData_;
    return result;
  }
  return SectionReader(path_, lines_).Find(form);
}

LanguageFile::Result LanguageFile::FindSections(std::span<const std::string_view> forms) const {
  Result all;
  for (const std::string_view form : forms) {
    Result one = FindSection(form);
    if (!one) return one;
    all.Sections.push_back(std::move(one.Sections.front()));
  }
  all.Ok = true;
  return all;
}

LanguageFile::Result LanguageFile::CheckWhole() const {
  Result result;
  if (!readable_) {
    result.Line = problemLine_;
    result.Message = problem_;
    result.Problem = problemData_;
    return result;
  }
  const auto fail = [&](std::size_t index, const std::string& what, FileProblem why) {
    result.Line = static_cast<int>(index) + 1;
    result.Message = path_ + ": line " + std::to_string(result.Line) + ": " + what;
    result.Problem = FileProblem{
        FileProblemTexts::kAtLine, {path_, std::to_string(result.Line)}, {}, {std::move(why)}};
    return result;
  };
  const auto plain = [](TextKey key, std::vector<std::string> args = {}) {
    return FileProblem{key, std::move(args), {}, {}};
  };
  if (TrimBlanks(lines_.front()) != kMultiformHeader) {
    return fail(0,
                "expected the header " + std::string(kMultiformHeader) +
                    " of a language file, found " + QuotedToken(lines_.front()),
                plain(FileProblemTexts::kLangNoHeader, {QuotedToken(lines_.front())}));
  }
  const auto onlyBlanksFrom = [&](std::size_t index) {
    for (std::size_t i = index; i < lines_.size(); ++i)
      if (!TrimBlanks(lines_[i]).empty()) return false;
    return true;
  };
  std::size_t next = 1;
  while (!onlyBlanksFrom(next)) {
    const std::string& name = lines_[next];
    if (TrimBlanks(name).empty()) {
      return fail(next, "expected a section name, found an empty line",
                  plain(FileProblemTexts::kLangNoSectionName));
    }
    const std::size_t countLine = next + 1;
    if (countLine >= lines_.size()) {
      return fail(next,
                  "the file ends after the name of section " + QuotedToken(name) +
                      ", before its number of entries",
                  plain(FileProblemTexts::kLangEndsAfterName, {QuotedToken(name)}));
    }
    const std::string text = TrimBlanks(lines_[countLine]);
    std::string_view digits = text;
    if (digits.starts_with('+')) digits.remove_prefix(1);
    unsigned long long count = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
      FileProblem why = plain(FileProblemTexts::kLangBadCount, {QuotedToken(name)});
      if (text.empty()) {
        why.Reasons.push_back(plain(FileProblemTexts::kEmptyLine));
      } else {
        why.Args.push_back(QuotedToken(text));
      }
      return fail(countLine,
                  "expected the number of entries of section " + QuotedToken(name) +
                      " (a whole number, 0 or more), found " +
                      (text.empty() ? std::string("an empty line") : QuotedToken(text)),
                  std::move(why));
    }
    // Lines left after the count; the last entry's hint must not be the file's last line.
    const std::size_t left = lines_.size() - countLine - 1;
    if (count > left / 3 || 3 * count >= left) {
      const std::string held = std::to_string(left == 0 ? 0 : (left - 1) / 3);
      return fail(countLine,
                  "section " + QuotedToken(name) + " declares " + text +
                      " entries, but the file ends after " + held +
                      " (the file is cut short or the count is wrong)",
                  plain(FileProblemTexts::kLangCutShort, {QuotedToken(name), text, held}));
    }
    next = countLine + 1 + 3 * static_cast<std::size_t>(count);
  }
  result.Ok = true;
  return result;
}

LanguageFile::Result LanguageFile::ReadAllSections(std::span<const std::string_view> forms) const {
  Result checked = CheckWhole();
  if (!checked) return checked;
  Result all = FindSections(forms);
  if (!all) return all;
  for (const Section& section : all.Sections) {
    if (!section.Found) {
      Result missing;
      missing.Message = path_ + ": has no section " + QuotedToken(section.Name) +
                        " (the file is cut short or not one of this program's language files)";
      missing.Problem =
          FileProblem{FileProblemTexts::kLangNoSection, {path_, QuotedToken(section.Name)}, {}, {}};
      return missing;
    }
  }
  return all;
}
