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

#include "io/DoorValueProblems.h"
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

// A problem of the file's texts with its places filled by `args` only.
FileProblem Said(TextKey key, std::vector<std::string> args = {}) {
  return FileProblem{key, std::move(args), {}, {}};
}

// The token as it stood, quoted so that blanks and control bytes show.
FileProblem Found(std::string_view token) {
  return Said(FileProblemTexts::kToken, {QuotedToken(token)});
}

FileProblem LongToken(std::size_t length, std::size_t limit) {
  return Said(FileProblemTexts::kLongToken, {std::to_string(length), std::to_string(limit)});
}

// What a token that should have been a real is, in the words of an error message; empty when
// it is a real, which is then in `out`.
FileProblem ConvertReal(std::string_view token, long double& out) {
  if (token.size() > kMaxRealLength) return LongToken(token.size(), kMaxRealLength);
  if (!HasRealSyntax(token)) return Found(token);
  if (ConvertStrict(token, out)) return {};
  if (IsAboveRange(token)) return Said(FileProblemTexts::kNumberTooLarge, {QuotedToken(token)});
  return Said(FileProblemTexts::kNumberTooSmall, {QuotedToken(token)});
}

FileProblem ConvertInteger(std::string_view token, int& out) {
  if (token.size() > kMaxIntegerLength) return LongToken(token.size(), kMaxIntegerLength);
  // from_chars takes no "+"; the file's integers may carry one.
  std::string_view digits = token;
  if (digits.starts_with('+')) {
    digits.remove_prefix(1);
    if (digits.empty() || !IsDigit(digits[0])) return Found(token);
  }
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), out);
  if (ec == std::errc::result_out_of_range) {
    return Said(FileProblemTexts::kIntegerOutOfRange, {QuotedToken(token)});
  }
  if (ec != std::errc{} || end != digits.data() + digits.size()) return Found(token);
  return {};
}

// Why a value read cannot go into its field, naming the token it was read from; empty when it
// can.
FileProblem FieldProblem(std::string_view name, long double value, std::string_view token) {
  FileProblem problem = FieldFileProblem(name, value);
  if (problem.Empty()) return problem;
  return FileProblem{FileProblemTexts::kFoundToken, {}, {}, {std::move(problem), Found(token)}};
}

// The values of a table row: "%1 numbers (%2)" with the count and the column names.
FileProblem RowNumbers(const CoefTable& table) {
  if (table.ColumnCount() == 1) return Said(FileProblemTexts::kOneNumber, {table.ColumnNames()});
  return Said(FileProblemTexts::kRowNumbers,
              {std::to_string(table.ColumnCount()), table.ColumnNames()});
}

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
    if (!ReadReals(values, Said(FileProblemTexts::kFourNumbers, {std::string(field.Name)}))) {
      return false;
    }
    FileProblem problem = FieldProblem(field.Name, door.*field.Field, lastTokens_[0]);
    if (!problem.Empty()) return Fail(recordLine_, std::move(problem));
  }

  for (const EditableField& field : kEnvironmentFields) {
    const std::array<long double*, 1> values{&(door.*field.Field)};
    if (!ReadReals(values, Said(FileProblemTexts::kOneNumber, {std::string(field.Name)}))) {
      return false;
    }
    FileProblem problem = FieldProblem(field.Name, door.*field.Field, lastTokens_[0]);
    if (!problem.Empty()) return Fail(recordLine_, std::move(problem));
  }

  int mode = 0;
  if (!ReadInteger(mode, Said(FileProblemTexts::kTrawlingMode))) return false;
  door.Bottom = mode == 1;

  if (!ReadLine(door.FrontPicture, Said(FileProblemTexts::kFrontPictureLine)) ||
      !ReadLine(door.PlanPicture, Said(FileProblemTexts::kPlanPictureLine)) ||
      !ReadLine(door.SidePicture, Said(FileProblemTexts::kSidePictureLine))) {
    return false;
  }

  if (!ReadInteger(view.ViewTab, Said(FileProblemTexts::kViewTab))) return false;
  static_assert(std::size(FileProblemTexts::kProjectionSwitches) ==
                std::tuple_size_v<decltype(view.ProjectionSwitches)>);
  static_assert(std::size(FileProblemTexts::kBalanceSwitches) ==
                std::tuple_size_v<decltype(view.BalanceSwitches)>);
  for (std::size_t i = 0; i < view.ProjectionSwitches.size(); ++i) {
    int value = 0;
    if (!ReadInteger(value, Said(FileProblemTexts::kProjectionSwitches[i]))) return false;
    view.ProjectionSwitches[i] = value == 1;
  }
  for (std::size_t i = 0; i < view.BalanceSwitches.size(); ++i) {
    int value = 0;
    if (!ReadInteger(value, Said(FileProblemTexts::kBalanceSwitches[i]))) return false;
    view.BalanceSwitches[i] = value == 1;
  }
  for (std::size_t i = 0; i < view.Angles.size(); ++i) {
    const std::array<long double*, 1> values{&view.Angles[i]};
    if (!ReadReals(values, Said(FileProblemTexts::kBalanceAngle, {std::string(kAxisNames[i])}))) {
      return false;
    }
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
  const FileProblem what = RowNumbers(table);
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
    return Fail(line, TableFileProblem(name, *problem));
  }
  return true;
}

bool DoorFileReader::ReadReals(std::span<long double* const> values, const FileProblem& what) {
  if (!SkipBlankLines()) return FailExpected(what, Said(FileProblemTexts::kEndOfFile));
  lastTokens_ = Tokens(values.size());
  for (std::size_t i = 0; i < lastTokens_.size(); ++i) {
    FileProblem problem = ConvertReal(lastTokens_[i], *values[i]);
    if (!problem.Empty()) return FailExpected(what, std::move(problem));
  }
  if (lastTokens_.size() < values.size()) {
    return FailExpected(what,
                        Said(FileProblemTexts::kOnlyNumbers, {std::to_string(lastTokens_.size())}));
  }
  ++next_;
  return true;
}

bool DoorFileReader::ReadInteger(int& value, const FileProblem& what) {
  if (!SkipBlankLines()) return FailExpected(what, Said(FileProblemTexts::kEndOfFile));
  FileProblem problem = ConvertInteger(Tokens(1)[0], value);
  if (!problem.Empty()) return FailExpected(what, std::move(problem));
  ++next_;
  return true;
}

bool DoorFileReader::ReadRowCount(int& count, std::string_view table, int capacity) {
  const FileProblem what =
      Said(FileProblemTexts::kRowCount, {std::string(table), std::to_string(capacity)});
  if (!SkipBlankLines()) return FailExpected(what, Said(FileProblemTexts::kEndOfFile));
  const std::string_view token = Tokens(1)[0];
  FileProblem problem = ConvertInteger(token, count);
  if (!problem.Empty()) return FailExpected(what, std::move(problem));
  // A table needs two rows to be looked up in, and no more than it can hold.
  if (count < 2 || count > capacity) return FailExpected(what, Found(token));
  ++next_;
  return true;
}

bool DoorFileReader::ReadLine(std::string& value, const FileProblem& what) {
  recordLine_ = NextLineNumber();
  if (next_ >= lines_.size()) return FailExpected(what, Said(FileProblemTexts::kEndOfFile));
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

bool DoorFileReader::Fail(int line, FileProblem problem) {
  result_.Ok = false;
  result_.Line = line;
  result_.Problem = FileProblem{
      FileProblemTexts::kAtLine, {path_, std::to_string(line)}, {}, {std::move(problem)}};
  result_.Message = result_.Problem.English();
  return false;
}

bool DoorFileReader::FailExpected(const FileProblem& what, FileProblem found) {
  return Fail(recordLine_,
              FileProblem{FileProblemTexts::kExpected, {}, {}, {what, std::move(found)}});
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
