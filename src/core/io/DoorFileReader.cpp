#include "io/DoorFileReader.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <utility>

#include "model/CoefTable.h"
#include "model/DoorInputs.h"
#include "model/EditableFields.h"
#include "numbers/NumberText.h"
#include "numbers/QuotedToken.h"

namespace {

constexpr std::size_t kMaxRealLength = 64;
constexpr std::size_t kMaxIntegerLength = 32;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Tokens end at blanks, tabs and control characters.
bool IsSeparator(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7F;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// What a token that should have been a real is, in the words of an error message; empty when
// it is a real, which is then in `out`.
std::string ConvertReal(std::string_view token, long double& out) {
  if (token.size() > kMaxRealLength) {
    return "a token of " + std::to_string(token.size()) + " characters (at most " +
           std::to_string(kMaxRealLength) + " allowed)";
  }
  if (!HasRealSyntax(token)) return QuotedToken(token);
  if (ConvertStrict(token, out)) return {};
  if (IsAboveRange(token)) return QuotedToken(token) + ", which is too large (not a finite number)";
  return QuotedToken(token) + ", which is too small (below the smallest normal number)";
}

std::string ConvertInteger(std::string_view token, int& out) {
  if (token.size() > kMaxIntegerLength) {
    return "a token of " + std::to_string(token.size()) + " characters (at most " +
           std::to_string(kMaxIntegerLength) + " allowed)";
  }
  // from_chars takes no "+"; the file's integers may carry one.
  std::string_view digits = token;
  if (digits.starts_with('+')) {
    digits.remove_prefix(1);
    if (digits.empty() || !IsDigit(digits[0])) return QuotedToken(token);
  }
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), out);
  if (ec == std::errc::result_out_of_range) return QuotedToken(token) + ", which is out of range";
  if (ec != std::errc{} || end != digits.data() + digits.size()) return QuotedToken(token);
  return {};
}

std::string CountWord(std::size_t n) {
  return std::to_string(n) + (n == 1 ? " number" : " numbers");
}

constexpr std::array<std::string_view, 5> kProjectionSwitchNames = {"scheme", "hidden lines",
                                                                    "points", "forces", "labels"};
constexpr std::array<std::string_view, 5> kBalanceSwitchNames = {
    "show hidden", "show points", "show forces", "show labels", "show process"};
constexpr std::array<std::string_view, 3> kAxisNames = {"X", "Y", "Z"};

}  // namespace

DoorFileResult DoorFileReader::ReadFile(const std::string& path, DoorInputs& door,
                                        ViewSettings& view) {
  namespace fs = std::filesystem;
  DoorFileResult result;
  const auto fail = [&result, &path](TextKey key, std::optional<int> systemError = {},
                                     std::vector<std::string> more = {}) {
    std::vector<std::string> args{path};
    args.insert(args.end(), more.begin(), more.end());
    result.Problem = FileProblem{key, std::move(args), systemError, {}};
    result.Message = result.Problem.English();
    return result;
  };
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) {
    result.NotFound = true;
    return fail(FileProblemTexts::kNotFound);
  }
  if (ec) return fail(FileProblemTexts::kCannotBeRead, ec.value());
  if (status.type() == fs::file_type::directory) return fail(FileProblemTexts::kFolder);
  if (status.type() != fs::file_type::regular) return fail(FileProblemTexts::kNotRegular);
  const std::uintmax_t size = fs::file_size(path, ec);
  if (!ec && size > kMaxFileSize) {
    return fail(FileProblemTexts::kTooLarge, {}, {std::to_string(size)});
  }

  const auto closer = [](std::FILE* f) { std::fclose(f); };
  errno = 0;
  std::unique_ptr<std::FILE, decltype(closer)> file(std::fopen(path.c_str(), "rb"), closer);
  if (!file) return fail(FileProblemTexts::kCannotBeOpened, errno);
  std::string text;
  char buffer[8192];
  for (;;) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
    text.append(buffer, got);
    if (got < sizeof buffer) break;
    if (text.size() > kMaxFileSize) return fail(FileProblemTexts::kTooLargeRead);
  }
  if (std::ferror(file.get())) return fail(FileProblemTexts::kCannotBeRead, errno);
  return ReadText(path, text, door, view);
}

DoorFileResult DoorFileReader::ReadText(const std::string& path, std::string_view text,
                                        DoorInputs& door, ViewSettings& view) {
  DoorFileReader reader(path, text);
  if (reader.ReadDoor(door, view)) reader.result_.Ok = true;
  return reader.result_;
}

DoorFileReader::DoorFileReader(const std::string& path, std::string_view text) : path_(path) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    // Every CR before the line end goes: a file passed through two converters ends its lines
    // in CR CR LF, and a picture name must not keep one (it could not be written back).
    while (line.ends_with('\r'))
      line.remove_suffix(1);
    lines_.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

bool DoorFileReader::ReadDoor(DoorInputs& door, ViewSettings& view) {
  if (!ReadTable(door.Hydro) || !ReadTable(door.Ground) || !ReadTable(door.KeelGeom)) {
    return false;
  }

  for (std::size_t i = 0; i < kMainParams.size(); ++i) {
    const EditableField& field = kMainParams[i];
    Range& range = door.Ranges[i];
    const std::array<long double*, 4> values{&(door.*field.Field), &range.From, &range.To,
                                             &range.Step};
    if (!ReadReals(values, "4 numbers (" + std::string(field.Name) + " From To Step)")) {
      return false;
    }
    if (auto problem = CheckFieldValue(field.Name, door.*field.Field)) {
      return Fail(recordLine_, *problem + ", found " + QuotedToken(lastTokens_[0]));
    }
  }

  for (const EditableField& field : kEnvironmentFields) {
    const std::array<long double*, 1> values{&(door.*field.Field)};
    if (!ReadReals(values, "1 number (" + std::string(field.Name) + ")")) return false;
    if (auto problem = CheckFieldValue(field.Name, door.*field.Field)) {
      return Fail(recordLine_, *problem + ", found " + QuotedToken(lastTokens_[0]));
    }
  }

  int mode = 0;
  if (!ReadInteger(mode, "an integer (trawling mode: 1 bottom, other midwater)")) return false;
  door.Bottom = mode == 1;

  if (!ReadLine(door.FrontPicture, "a line (front picture file name)") ||
      !ReadLine(door.PlanPicture, "a line (plan picture file name)") ||
      !ReadLine(door.SidePicture, "a line (side picture file name)")) {
    return false;
  }

  if (!ReadInteger(view.ViewTab, "an integer (view tab)")) return false;
  for (std::size_t i = 0; i < view.ProjectionSwitches.size(); ++i) {
    int value = 0;
    if (!ReadInteger(value, "an integer (projections switch: " +
                                std::string(kProjectionSwitchNames[i]) + ")")) {
      return false;
    }
    view.ProjectionSwitches[i] = value == 1;
  }
  for (std::size_t i = 0; i < view.BalanceSwitches.size(); ++i) {
    int value = 0;
    if (!ReadInteger(value,
                     "an integer (balance switch: " + std::string(kBalanceSwitchNames[i]) + ")")) {
      return false;
    }
    view.BalanceSwitches[i] = value == 1;
  }
  for (std::size_t i = 0; i < view.Angles.size(); ++i) {
    const std::array<long double*, 1> values{&view.Angles[i]};
    if (!ReadReals(values, "1 number (balance angle " + std::string(kAxisNames[i]) + ", degrees)"))
      return false;
  }
  // Whatever follows the last record is not read.
  return true;
}

bool DoorFileReader::ReadTable(CoefTable& table) {
  const std::string_view name = table.Name();
  int count = 0;
  if (!ReadRowCount(count, name, table.Capacity())) return false;
  const int countLine = recordLine_;
  table.Clear();
  table.Count = count;
  std::vector<int> rowLines(static_cast<std::size_t>(count));
  const auto columns = static_cast<std::size_t>(table.ColumnCount());
  const std::string what = CountWord(columns) + " (" + table.ColumnNames() + ")";
  std::array<long double*, kMaxTableColumns> row{};
  for (int i = 0; i < count; ++i) {
    for (std::size_t c = 0; c < columns; ++c)
      row[c] = &table.At(i, static_cast<int>(c));
    if (!ReadReals(std::span(row).first(columns), what)) return false;
    rowLines[static_cast<std::size_t>(i)] = recordLine_;
  }
  if (auto problem = ValidateTable(table)) {
    const int line =
        problem->Row >= 0 ? rowLines[static_cast<std::size_t>(problem->Row)] : countLine;
    return Fail(line, std::string(name) + " table, " + problem->Message);
  }
  return true;
}

bool DoorFileReader::ReadReals(std::span<long double* const> values, const std::string& what) {
  if (!SkipBlankLines()) return FailExpected(what, "the end of the file");
  lastTokens_ = Tokens(values.size());
  for (std::size_t i = 0; i < lastTokens_.size(); ++i) {
    const std::string problem = ConvertReal(lastTokens_[i], *values[i]);
    if (!problem.empty()) return FailExpected(what, problem);
  }
  if (lastTokens_.size() < values.size()) {
    return FailExpected(what, "only " + std::to_string(lastTokens_.size()));
  }
  ++next_;
  return true;
}

bool DoorFileReader::ReadInteger(int& value, const std::string& what) {
  if (!SkipBlankLines()) return FailExpected(what, "the end of the file");
  const std::string problem = ConvertInteger(Tokens(1)[0], value);
  if (!problem.empty()) return FailExpected(what, problem);
  ++next_;
  return true;
}

bool DoorFileReader::ReadRowCount(int& count, std::string_view table, int capacity) {
  const std::string what =
      "a " + std::string(table) + " row count from 2 to " + std::to_string(capacity);
  if (!SkipBlankLines()) return FailExpected(what, "the end of the file");
  const std::string_view token = Tokens(1)[0];
  const std::string problem = ConvertInteger(token, count);
  if (!problem.empty()) return FailExpected(what, problem);
  // A table needs two rows to be looked up in, and no more than it can hold.
  if (count < 2 || count > capacity) return FailExpected(what, QuotedToken(token));
  ++next_;
  return true;
}

bool DoorFileReader::ReadLine(std::string& value, const std::string& what) {
  recordLine_ = NextLineNumber();
  if (next_ >= lines_.size()) return FailExpected(what, "the end of the file");
  value = std::string(lines_[next_++]);
  return true;
}

bool DoorFileReader::SkipBlankLines() {
  recordLine_ = NextLineNumber();  // where the record was expected, should the file end
  while (next_ < lines_.size()) {
    for (const char c : lines_[next_]) {
      if (!IsSeparator(c)) {
        recordLine_ = NextLineNumber();
        return true;
      }
    }
    ++next_;
  }
  return false;
}

std::vector<std::string_view> DoorFileReader::Tokens(std::size_t wanted) const {
  std::vector<std::string_view> tokens;
  const std::string_view line = lines_[next_];
  std::size_t i = 0;
  while (tokens.size() < wanted) {
    while (i < line.size() && IsSeparator(line[i]))
      ++i;
    if (i == line.size()) break;
    const std::size_t start = i;
    while (i < line.size() && !IsSeparator(line[i]))
      ++i;
    tokens.push_back(line.substr(start, i - start));
  }
  return tokens;
}

bool DoorFileReader::Fail(int line, const std::string& message) {
  result_.Ok = false;
  result_.Line = line;
  result_.Message = path_ + ": line " + std::to_string(line) + ": " + message;
  return false;
}

bool DoorFileReader::FailExpected(const std::string& what, const std::string& found) {
  return Fail(recordLine_, "expected " + what + ", found " + found);
}

DoorFileResult DoorFileReader::Load(const std::string& path, DoorInputs& door, ViewSettings* view) {
  // Read into a scratch door, so that a file that fails half-way changes nothing here. The
  // scratch starts as the door itself: what the file does not hold stays as it was.
  DoorInputs parsed = door;
  ViewSettings settings;
  DoorFileResult result = ReadFile(path, parsed, settings);
  if (!result.Ok) return result;
  door = std::move(parsed);
  if (view) *view = settings;
  return result;
}
