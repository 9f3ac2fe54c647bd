#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lang/FileProblem.h"

// A language file: the captions and hints of the controls of the translated windows, one
// section per window, in plain text with one item per line.
//
//   line 1     "[Multiform]" (blanks and tabs around it allowed) for a file with a section
//              per window; any other text makes a file of one section, named by this line
//   next       multi-section files only: the section name, exactly the window's name
//   next       N, the number of entries of the section
//   next 3 N   per entry: the name of a control, its caption line, its hint line
//   then       multi-section files: the next section name, its N, its entries, ...
//
// Each window's section is searched from the start of the file, so the sections may stand in
// any order; the first of two sections with the same name is the one used. A single-section
// file gives its one section to whichever window asks. In caption and hint lines the
// character with code 1 stands for a line break, so a text of several lines fits on one line
// of the file.
//
// Reading follows the file as a stream that ends where the text ends: an entry whose hint
// line is the last line of the file is not applied, so a file ends with at least one line
// (an empty one will do) after the last entry it wants applied. The end of the file met while
// a section is searched means the file has no such section; met inside the entries of the
// section, the entries before it are the ones applied.
//
// A count line that is not a whole number of 0 or more is an error; so is a file that cannot
// be read, an empty one, and text that is not UTF-8. The messages name the file and, where one
// applies, the line, so that the caller can show one message and leave every text as it was.
class LanguageFile {
 public:
  // Files larger than this are not language files (a complete one is a few tens of kilobytes).
  static constexpr std::uintmax_t kMaxFileSize = 1024 * 1024;
  // The first line of a multi-section file.
  static constexpr std::string_view kMultiformHeader = "[Multiform]";

  struct Entry {
    std::string Component;  // the control's name, compared without regard to case
    std::string Caption;    // code 1 already turned into "\n"
    std::string Hint;       // likewise
    int Line = 0;           // 1-based line of the control's name
  };

  struct Section {
    std::string Name;            // as the file names it (a single-section file: its first line)
    bool Found = false;          // false: the file has no section for the window asked for
    int Count = 0;               // the entry count the section declares
    std::vector<Entry> Entries;  // the entries to apply, in file order
  };

  // The outcome of a look-up. On failure Message names the file and, when Line is not 0, the
  // line of the problem, and Sections is empty.
  struct Result {
    bool Ok = false;
    int Line = 0;
    std::string Message;
    FileProblem Problem;            // the same as data, for a window to say in its language
    std::vector<Section> Sections;  // one per window asked for, in the order asked

    explicit operator bool() const { return Ok; }
  };

  // Reads the file at `path`. A file that cannot be read is no error yet: the look-ups report
  // it, so that the caller has one place to take messages from.
  static LanguageFile Read(const std::string& path);
  // The contents of a file; `path` only names the file in messages.
  static LanguageFile FromText(const std::string& path, std::string_view text);

  const std::string& Path() const { return path_; }
  // The file was read, holds something and is UTF-8 text.
  bool Readable() const { return readable_; }

  // The section of the window named `form`.
  Result FindSection(std::string_view form) const;
  // The sections of all the windows named, in that order, or the first problem met.
  Result FindSections(std::span<const std::string_view> forms) const;

  // The whole file walked from its header to its end before anything is taken from it: it
  // must begin with the "[Multiform]" header, each section must hold a name, a count and
  // every entry the count declares, with the file going on after the last of them (the
  // reading above drops an entry that ends the file), and only blank lines may follow the
  // last section. The first fault, with its file and line, or Ok.
  Result CheckWhole() const;
  // What a language switch and a printed report read before they change or print anything:
  // the file checked whole, then the sections of the windows named, every one of which the
  // file must hold.
  Result ReadAllSections(std::span<const std::string_view> forms) const;

 private:
  explicit LanguageFile(std::string path) : path_(std::move(path)) {}

  void SetUnreadable(const std::string& message, FileProblem problem, int line = 0);

  std::string path_;
  bool readable_ = false;
  std::string problem_;  // why the file is not readable
  FileProblem problemData_;
  int problemLine_ = 0;
  std::vector<std::string> lines_;  // without their line ends; no line after the last one
};
