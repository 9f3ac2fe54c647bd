#include "model/DoorFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include "model/CoefTable.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"
#include "shell/NumberFormat.h"

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

std::string Errno(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

// Makes the rename itself durable; a failure here loses nothing that was not already at risk.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

DoorFileWriter::DoorFileWriter()
    : io_{[](int fd, const char* data, std::size_t size) -> long {
            return static_cast<long>(::write(fd, data, size));
          },
          [](int fd) { return ::fsync(fd); }} {}

DoorFileWriter::DoorFileWriter(DiskIo io) : io_(std::move(io)) {}

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
  namespace fs = std::filesystem;
  DoorFileResult result;
  const auto fail = [&](const std::string& why) {
    result.Message = path + ": not saved: " + why;
    return result;
  };
  if (path.empty()) return fail("no file name given");
  if (auto problem = Unwritable(door, view)) return fail(*problem);

  // Saving through a link replaces the file it points to and keeps the link.
  fs::path target(path);
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    const fs::path resolved = fs::canonical(target, ec);
    if (!ec) target = resolved;
  }
  struct stat old {};
  const bool hadOld = ::stat(target.c_str(), &old) == 0;
  if (hadOld && S_ISDIR(old.st_mode)) return fail("it is a folder");
  const std::string unchanged = hadOld ? "; the previous file is unchanged" : "";
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";

  std::string tempPath;
  int fd = -1;
  const auto seed =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    char suffix[40];
    std::snprintf(suffix, sizeof suffix, "%d-%llx-%u", static_cast<int>(::getpid()), seed, attempt);
    tempPath = (folder / ("." + target.filename().string() + "." + suffix + ".tmp")).string();
    // 0666 lets the umask decide, as for any new file of the user's.
    fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) break;
  }
  if (fd < 0) {
    return fail(Errno("cannot create a file in the folder '" + folder.string() + "'") + unchanged);
  }
  if (hadOld) ::fchmod(fd, old.st_mode & 07777);  // the new file keeps the old one's permissions

  std::optional<std::string> problem = WriteAll(fd, Text(door, view));
  if (!problem && io_.Sync(fd) != 0) problem = Errno("flushing to disk failed");
  if (::close(fd) != 0 && !problem) problem = Errno("closing the file failed");
  if (!problem && std::rename(tempPath.c_str(), target.c_str()) != 0) {
    problem = Errno("cannot replace '" + target.string() + "'");
  }
  if (problem) {
    ::unlink(tempPath.c_str());
    return fail(*problem + unchanged);
  }
  SyncFolder(folder);
  result.Ok = true;
  return result;
}

std::optional<std::string> DoorFileWriter::WriteAll(int fd, const std::string& text) const {
  std::size_t done = 0;
  while (done < text.size()) {
    errno = 0;
    const long written = io_.Write(fd, text.data() + done, text.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return Errno("writing failed");
    }
    if (written == 0) {  // no progress and no error: the device has no room
      errno = ENOSPC;
      return Errno("writing failed");
    }
    done += static_cast<std::size_t>(written);
  }
  return std::nullopt;
}
