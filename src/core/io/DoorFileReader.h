#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "io/DoorFileResult.h"
#include "model/ViewSettings.h"

class CoefTable;
struct DoorInputs;

// Reads the .brd door data file: the three editable tables, the 23 main parameters with
// their ranges, the environment, the mode, the picture names and the window settings.
//
// Each record ends at its line end; what follows its values on the line is a comment. Blank
// lines before a numeric record are skipped, but the values of one record must stand on one
// line, so a missing value is reported where it is missing rather than taken from the next
// record. Picture names are whole lines, blanks kept. "." is the decimal separator whatever
// the locale. CR LF line ends and a UTF-8 byte-order mark read as plain text does.
//
// The reader stops at the first problem. It fills `door` and `view` as it goes, so the caller
// reads into a scratch model and keeps it only when the result is Ok.
class DoorFileReader {
 public:
  // Files larger than this are not door data files (a full one is a few kilobytes).
  static constexpr std::uintmax_t kMaxFileSize = 4 * 1024 * 1024;

  // Loads a door data file, all or nothing: on any problem the door is left exactly as it was
  // and the result names the file, the line and what was expected there. On success the
  // tables, main parameters with their ranges, environment, mode and picture names are
  // replaced, and the window settings of the file (balance angles included) go to *view.
  // StringerHydro and bs are not part of the file and stay as they are.
  static DoorFileResult Load(const std::string& path, DoorInputs& door,
                             ViewSettings* view = nullptr);

  static DoorFileResult ReadFile(const std::string& path, DoorInputs& door, ViewSettings& view);
  // Parses the contents of a file; `path` only names the file in messages.
  static DoorFileResult ReadText(const std::string& path, std::string_view text, DoorInputs& door,
                                 ViewSettings& view);

 private:
  DoorFileReader(const std::string& path, std::string_view text);

  bool ReadDoor(DoorInputs& door, ViewSettings& view);
  bool ReadTable(CoefTable& table);

  // One record of `values.size()` reals described by `what` ("4 numbers (Angle Cx Cy Cd)").
  bool ReadReals(std::span<long double* const> values, const FileProblem& what);
  // One integer record; `what` describes it ("an integer (trawling mode)").
  bool ReadInteger(int& value, const FileProblem& what);
  bool ReadRowCount(int& count, std::string_view table, int capacity);
  // A whole line, as a picture name is stored.
  bool ReadLine(std::string& value, const FileProblem& what);

  // Moves to the next line holding anything but separators; false at the end of the file.
  bool SkipBlankLines();
  // The first `wanted` tokens of the current line (fewer when the line has fewer).
  std::vector<std::string_view> Tokens(std::size_t wanted) const;
  // The file's problem at `line`; `problem` says what is wrong there.
  bool Fail(int line, FileProblem problem);
  bool FailExpected(const FileProblem& what, FileProblem found);
  int NextLineNumber() const { return static_cast<int>(next_) + 1; }

  std::string path_;
  std::vector<std::string_view> lines_;
  std::size_t next_ = 0;                      // index of the next unread line
  int recordLine_ = 0;                        // line of the record read last
  std::vector<std::string_view> lastTokens_;  // values of the numeric record read last
  DoorFileResult result_;
};
