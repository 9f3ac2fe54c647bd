#include "io/DoorFileWriter.h"

#include <cmath>
#include <utility>

#include "model/CoefTable.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"
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

std::optional<std::string> CheckReadable(const std::string& name, long double value) {
  if (!std::isfinite(value)) return name + " is not a finite number";
  if (!Readable(value)) return name + " is too small (below the smallest normal number)";
  return std::nullopt;
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
  void Integer(int value, const std::string& comment) {
    text_ += std::to_string(value) + "  # " + comment + "\n";
  }
  void Bare(const std::string& line) { text_ += line + "\n"; }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

std::string Row(const char* table, int i) {
  return std::string(table) + " row " + std::to_string(i + 1);
}

}  // namespace

DoorFileWriter::DoorFileWriter() = default;

DoorFileWriter::DoorFileWriter(DiskIo io) : writer_(std::move(io)) {}

std::string DoorFileWriter::Text(const TBoard& door, const ViewSettings& view) {
  Lines out;
  const HydroTable& hydro = door.Hydro;
  out.Integer(hydro.Count, "Hydro rows: Angle Cx Cy Cd");
  for (int i = 0; i < hydro.Count; ++i) {
    out.Record({hydro.Angle[i], hydro.Cx[i], hydro.Cy[i], hydro.Cd[i]}, Row("Hydro", i));
  }
  const GroundTable& ground = door.Ground;
  out.Integer(ground.Count, "Ground rows: Angle Cx");
  for (int i = 0; i < ground.Count; ++i) {
    out.Record({ground.Angle[i], ground.Cx[i]}, Row("Ground", i));
  }
  const KeelGeomTable& keel = door.KeelGeom;
  out.Integer(keel.Count, "KeelGeom rows: Zi Xi Yi");
  for (int i = 0; i < keel.Count; ++i) {
    out.Record({keel.Zi[i], keel.Xi[i], keel.Yi[i]}, Row("KeelGeom", i));
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

std::optional<std::string> DoorFileWriter::Unwritable(const TBoard& door,
                                                      const ViewSettings& view) {
  const auto tableProblem = [](const char* table, const TableProblem& problem) {
    return std::string(table) + (problem.Row >= 0 ? " table, " : " table: ") + problem.Message;
  };
  if (auto problem = ValidateTable(door.Hydro)) return tableProblem("Hydro", *problem);
  if (auto problem = ValidateTable(door.Ground)) return tableProblem("Ground", *problem);
  if (auto problem = ValidateTable(door.KeelGeom)) return tableProblem("KeelGeom", *problem);
  // A table value of tiny magnitude passes the table check but would not read back.
  const auto tinyIn =
      [](const char* table, int count,
         std::initializer_list<const long double*> columns) -> std::optional<std::string> {
    for (int i = 0; i < count; ++i) {
      for (const long double* column : columns) {
        if (!Readable(column[i])) return CheckReadable(Row(table, i), column[i]);
      }
    }
    return std::nullopt;
  };
  const HydroTable& h = door.Hydro;
  if (auto problem =
          tinyIn("Hydro", h.Count, {h.Angle.data(), h.Cx.data(), h.Cy.data(), h.Cd.data()})) {
    return problem;
  }
  const GroundTable& g = door.Ground;
  if (auto problem = tinyIn("Ground", g.Count, {g.Angle.data(), g.Cx.data()})) return problem;
  const KeelGeomTable& k = door.KeelGeom;
  if (auto problem = tinyIn("KeelGeom", k.Count, {k.Zi.data(), k.Xi.data(), k.Yi.data()})) {
    return problem;
  }

  for (std::size_t i = 0; i < kMainParams.size(); ++i) {
    const std::string name(kMainParams[i].Name);
    const long double value = door.*kMainParams[i].Field;
    if (auto problem = CheckFieldValue(name, value)) return problem;
    if (auto problem = CheckReadable(name, value)) return problem;
    const Range& r = door.Ranges[i];
    if (auto problem = CheckReadable(name + " range From", r.From)) return problem;
    if (auto problem = CheckReadable(name + " range To", r.To)) return problem;
    if (auto problem = CheckReadable(name + " range Step", r.Step)) return problem;
  }
  for (const EditableField& field : kEnvironmentFields) {
    const long double value = door.*field.Field;
    if (auto problem = CheckFieldValue(field.Name, value)) return problem;
    if (auto problem = CheckReadable(std::string(field.Name), value)) return problem;
  }
  for (std::size_t i = 0; i < view.Angles.size(); ++i) {
    if (auto problem =
            CheckReadable(std::string("balance angle ") + kAxisNames[i], view.Angles[i])) {
      return problem;
    }
  }
  const std::pair<const char*, const std::string*> pictures[] = {
      {"front", &door.FrontPicture}, {"plan", &door.PlanPicture}, {"side", &door.SidePicture}};
  for (const auto& [which, name] : pictures) {
    if (name->find_first_of("\r\n") != std::string::npos) {
      return std::string("the ") + which + " picture file name holds a line break";
    }
  }
  return std::nullopt;
}

DoorFileResult DoorFileWriter::Save(const std::string& path, const TBoard& door,
                                    const ViewSettings& view) const {
  DoorFileResult result;
  const auto fail = [&](const std::string& why) {
    result.Message = path + ": not saved: " + why;
    return result;
  };
  if (path.empty()) return fail("no file name given");
  if (auto problem = Unwritable(door, view)) return fail(*problem);
  if (auto problem = writer_.Replace(path, Text(door, view))) return fail(*problem);
  result.Ok = true;
  return result;
}
