#include "io/DoorFileWriter.h"

#include <array>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

#include "io/DoorValueProblems.h"
#include "model/CoefTable.h"
#include "model/DoorInputs.h"
#include "model/EditableFields.h"
#include "numbers/NumberFormat.h"

namespace {

constexpr const char* kProjectionSwitchNames[] = {"scheme", "hidden lines", "points", "forces",
                                                  "labels"};
constexpr const char* kBalanceSwitchNames[] = {"show hidden", "show points", "show forces",
                                               "show labels", "show process"};
constexpr const char* kAxisNames[] = {"X", "Y", "Z"};

// What the reader accepts: finite, and zero or of normal magnitude.
bool Readable(long double value) {
  return std::isfinite(value) && (value == 0 || std::isnormal(value));
}

// Why the named value would not read back; `name` is a problem that only names the value.
std::optional<FileProblem> CheckReadable(const FileProblem& name, long double value) {
  if (!std::isfinite(value)) return FileProblem{FileProblemTexts::kNotFiniteValue, {}, {}, {name}};
  if (!Readable(value)) return FileProblem{FileProblemTexts::kTooSmallValue, {}, {}, {name}};
  return std::nullopt;
}

// A name of the file's own: a field's symbol.
FileProblem Named(std::string name) {
  return FileProblem{FileProblemTexts::kToken, {std::move(name)}, {}, {}};
}

FileProblem Named(TextKey key, std::vector<std::string> args) {
  return FileProblem{key, std::move(args), {}, {}};
}

class Lines {
 public:
  void Record(std::initializer_list<long double> values, const std::string& comment) {
    bool first = true;
    for (const long double v : values) {
      if (!first) text_ += ' ';
      text_ += FormatRoundTrip(v);
      first = false;
    }
    text_ += "  # " + comment + "\n";
  }
  void TableRow(const CoefTable& table, int row, const std::string& comment) {
    for (int c = 0; c < table.ColumnCount(); ++c) {
      if (c > 0) text_ += ' ';
      text_ += FormatRoundTrip(table.At(row, c));
    }
    text_ += "  # " + comment + "\n";
  }
  void Integer(int value, const std::string& comment) {
    text_ += std::to_string(value) + "  # " + comment + "\n";
  }
  void Bare(const std::string& line) { text_ += line + "\n"; }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

std::string Row(std::string_view table, int i) {
  return std::string(table) + " row " + std::to_string(i + 1);
}

// The tables a door data file holds, in their order there.
std::array<const CoefTable*, 3> FileTables(const DoorInputs& door) {
  return {&door.Hydro, &door.Ground, &door.KeelGeom};
}

}  // namespace

DoorFileWriter::DoorFileWriter() = default;

DoorFileWriter::DoorFileWriter(DiskIo io) : writer_(std::move(io)) {}

std::string DoorFileWriter::Text(const DoorInputs& door, const ViewSettings& view) {
  Lines out;
  for (const CoefTable* table : FileTables(door)) {
    out.Integer(table->Count, std::string(table->Name()) + " rows: " + table->ColumnNames());
    for (int i = 0; i < table->Count; ++i)
      out.TableRow(*table, i, Row(table->Name(), i));
  }
  for (std::size_t i = 0; i < kMainParams.size(); ++i) {
    const Range& r = door.Ranges[i];
    out.Record({door.*kMainParams[i].Field, r.From, r.To, r.Step},
               std::string(kMainParams[i].Name) + " From To Step");
  }
  for (const EditableField& field : kEnvironmentFields) {
    out.Record({door.*field.Field}, std::string(field.Name));
  }
  out.Integer(door.Bottom ? 1 : 0, "trawling mode: 1 bottom, 0 midwater");
  out.Bare(door.FrontPicture);
  out.Bare(door.PlanPicture);
  out.Bare(door.SidePicture);
  out.Integer(view.ViewTab, "view tab");
  for (std::size_t i = 0; i < view.ProjectionSwitches.size(); ++i) {
    out.Integer(view.ProjectionSwitches[i] ? 1 : 0,
                std::string("projections switch: ") + kProjectionSwitchNames[i]);
  }
  for (std::size_t i = 0; i < view.BalanceSwitches.size(); ++i) {
    out.Integer(view.BalanceSwitches[i] ? 1 : 0,
                std::string("balance switch: ") + kBalanceSwitchNames[i]);
  }
  for (std::size_t i = 0; i < view.Angles.size(); ++i) {
    out.Record({view.Angles[i]}, std::string("balance angle ") + kAxisNames[i] + ", degrees");
  }
  return out.Take();
}

std::optional<std::string> DoorFileWriter::Unwritable(const DoorInputs& door,
                                                      const ViewSettings& view) {
  if (auto problem = UnwritableProblem(door, view)) return problem->English();
  return std::nullopt;
}

std::optional<FileProblem> DoorFileWriter::UnwritableProblem(const DoorInputs& door,
                                                             const ViewSettings& view) {
  for (const CoefTable* table : FileTables(door)) {
    if (auto problem = ValidateTable(*table)) return TableFileProblem(table->Name(), *problem);
  }
  // A table value of tiny magnitude passes the table check but would not read back.
  for (const CoefTable* table : FileTables(door)) {
    for (int i = 0; i < table->Count; ++i) {
      for (int c = 0; c < table->ColumnCount(); ++c) {
        const long double value = table->At(i, c);
        if (!Readable(value)) {
          return CheckReadable(Named(FileProblemTexts::kTableRowName,
                                     {std::string(table->Name()), std::to_string(i + 1)}),
                               value);
        }
      }
    }
  }

  const auto field = [](std::string_view name, long double value) -> std::optional<FileProblem> {
    FileProblem problem = FieldFileProblem(name, value);
    if (!problem.Empty()) return problem;
    return CheckReadable(Named(std::string(name)), value);
  };
  for (std::size_t i = 0; i < kMainParams.size(); ++i) {
    const std::string name(kMainParams[i].Name);
    if (auto problem = field(name, door.*kMainParams[i].Field)) return problem;
    const Range& r = door.Ranges[i];
    const std::pair<TextKey, long double> ends[] = {{FileProblemTexts::kRangeFrom, r.From},
                                                    {FileProblemTexts::kRangeTo, r.To},
                                                    {FileProblemTexts::kRangeStep, r.Step}};
    for (const auto& [key, value] : ends)
      if (auto problem = CheckReadable(Named(key, {name}), value)) return problem;
  }
  for (const EditableField& environment : kEnvironmentFields) {
    if (auto problem = field(environment.Name, door.*environment.Field)) return problem;
  }
  for (std::size_t i = 0; i < view.Angles.size(); ++i) {
    if (auto problem =
            CheckReadable(Named(FileProblemTexts::kAngleName, {kAxisNames[i]}), view.Angles[i])) {
      return problem;
    }
  }
  const std::pair<TextKey, const std::string*> pictures[] = {
      {FileProblemTexts::kFrontPictureBreak, &door.FrontPicture},
      {FileProblemTexts::kPlanPictureBreak, &door.PlanPicture},
      {FileProblemTexts::kSidePictureBreak, &door.SidePicture}};
  for (const auto& [key, name] : pictures) {
    if (name->find_first_of("\r\n") != std::string::npos) return Named(key, {});
  }
  return std::nullopt;
}

DoorFileResult DoorFileWriter::Save(const std::string& path, const DoorInputs& door,
                                    const ViewSettings& view) const {
  DoorFileResult result;
  const auto fail = [&](FileProblem why) {
    result.Problem = FileProblem{FileProblemTexts::kNotSaved, {path}, {}, {std::move(why)}};
    result.Message = result.Problem.English();
    return result;
  };
  if (path.empty()) return fail(FileProblem{FileProblemTexts::kNoFileName, {}, {}, {}});
  if (auto problem = UnwritableProblem(door, view)) return fail(std::move(*problem));
  if (auto problem = writer_.Attempt(path, Text(door, view))) {
    result.Problem = FileProblem{FileProblemTexts::kNotSaved, {path}, {}, {std::move(*problem)}};
    result.Message = result.Problem.English();
    return result;
  }
  result.Ok = true;
  return result;
}
