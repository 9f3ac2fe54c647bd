#include "io/AtomicFileWriter.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "io/TempFileRegistry.h"

namespace {

// A problem whose reason is the system's, taken from errno.
FileProblem Errno(TextKey what, std::vector<std::string> args = {}) {
  return FileProblem{what, std::move(args), errno, {}};
}

// Makes the rename itself durable; a failure here loses nothing that was not already at risk.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool InOurGroups(gid_t group) {
  if (group == ::getegid()) return true;
  const int count = ::getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  const int got = ::getgroups(count, groups.data());
  for (int i = 0; i < got; ++i)
    if (groups[static_cast<std::size_t>(i)] == group) return true;
  return false;
}

// The permission bits say the user may write the file. Root may write anything, but a file
// whose every write bit is off was made read-only on purpose and is kept so.
bool ModeAllowsWriting(const struct stat& info) {
  const uid_t user = ::geteuid();
  if (user == 0) return (info.st_mode & 0222) != 0;
  if (info.st_uid == user) return (info.st_mode & S_IWUSR) != 0;
  if (InOurGroups(info.st_gid)) return (info.st_mode & S_IWGRP) != 0;
  return (info.st_mode & S_IWOTH) != 0;
}

// What a target that is not a regular file (nor a folder) is, in the words of a message.
TextKey KindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return FileProblemTexts::kFifo;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return FileProblemTexts::kDevice;
  if (S_ISSOCK(mode)) return FileProblemTexts::kSocket;
  return FileProblemTexts::kOtherKind;
}

bool ProcessGone(long pid) {
  if (pid <= 0 || pid > 0x3FFFFFFF) return true;  // no process can have such a number
  return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// The temporary file of one save: removed, and its signal slot given back, on every way out
// of the save that is not the rename into place, exceptions included.
class TempFile {
 public:
  TempFile() = default;
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    CloseFile();
    if (!path_.empty()) ::unlink(path_.c_str());
    TempFileRegistry::Remove(slot_);
  }

  // Creates the file exclusively under a fresh name beside `target`; false with errno set.
  bool Create(const std::filesystem::path& folder, const std::string& targetName) {
    const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
      char suffix[64];
      std::snprintf(suffix, sizeof suffix, "%d-%llx-%u", static_cast<int>(::getpid()), seed,
                    attempt);
      // Built by appending: "." + std::string(...) trips a false -Wrestrict of GCC 12
      // at -O3 (GCC bug 105329).
      const std::string name =
          std::string(".").append(targetName).append(".").append(suffix).append(".tmp");
      const std::string candidate = (folder / name).string();
      // Registered before it exists: a signal between the two finds nothing to remove.
      slot_ = TempFileRegistry::Add(candidate);
      // 0666 lets the umask decide, as for any new file of the user's.
      fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) {
        path_ = candidate;
        return true;
      }
      const int error = errno;
      TempFileRegistry::Remove(slot_);
      slot_ = -1;
      errno = error;
      if (error != EEXIST) return false;
    }
    return false;
  }

  int Fd() const { return fd_; }
  const std::string& Path() const { return path_; }
  // Closes the file; false with errno set when the close reported an error.
  bool CloseFile() {
    if (fd_ < 0) return true;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }
  // The file was renamed into place: nothing is left to remove.
  void Kept() {
    path_.clear();
    TempFileRegistry::Remove(slot_);
    slot_ = -1;
  }

 private:
  std::string path_;
  int fd_ = -1;
  int slot_ = -1;
};

}  // namespace

AtomicFileWriter::AtomicFileWriter()
    : io_{[](int fd, const char* data, std::size_t size) -> long {
            return static_cast<long>(::write(fd, data, size));
          },
          [](int fd) { return ::fsync(fd); },
          [](const char* from, const char* to) { return std::rename(from, to); }} {}

AtomicFileWriter::AtomicFileWriter(DiskIo io) : io_(std::move(io)) {}

std::optional<std::string> AtomicFileWriter::RefusedTarget(const std::string& path) {
  if (auto refused = RefusedTargetProblem(path)) return refused->English();
  return std::nullopt;
}

std::optional<FileProblem> AtomicFileWriter::RefusedTargetProblem(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;  // a new file
  if (S_ISDIR(info.st_mode)) return FileProblem{FileProblemTexts::kIsFolder, {}, {}, {}};
  if (!S_ISREG(info.st_mode)) {
    return FileProblem{
        FileProblemTexts::kNotReplaced, {}, {}, {FileProblem{KindOf(info.st_mode), {}, {}, {}}}};
  }
  if (!ModeAllowsWriting(info) ||
      (::geteuid() != 0 && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)) {
    return FileProblem{FileProblemTexts::kReadOnly, {}, EACCES, {}};
  }
  return std::nullopt;
}

std::optional<long> AtomicFileWriter::TempFileOwner(const std::string& name) {
  // ".<target>.<pid>-<hex>-<n>.tmp"
  constexpr std::string_view kEnd = ".tmp";
  if (name.size() < 2 + kEnd.size() || name[0] != '.' || !name.ends_with(kEnd)) return {};
  const std::string_view body(name.data(), name.size() - kEnd.size());
  const std::size_t dot = body.rfind('.');
  if (dot == 0 || dot == std::string_view::npos) return {};
  const std::string_view suffix = body.substr(dot + 1);
  const std::size_t dash1 = suffix.find('-');
  const std::size_t dash2 = dash1 == std::string_view::npos ? dash1 : suffix.find('-', dash1 + 1);
  if (dash2 == std::string_view::npos) return {};
  const auto all = [](std::string_view text, auto accept) {
    if (text.empty() || text.size() > 20) return false;
    for (const char c : text)
      if (!accept(c)) return false;
    return true;
  };
  const auto decimal = [](char c) { return c >= '0' && c <= '9'; };
  const auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); };
  const std::string_view pid = suffix.substr(0, dash1);
  if (!all(pid, decimal) || pid.size() > 10 ||
      !all(suffix.substr(dash1 + 1, dash2 - dash1 - 1), hex) ||
      !all(suffix.substr(dash2 + 1), decimal)) {
    return {};
  }
  return std::stol(std::string(pid));
}

int AtomicFileWriter::RemoveStaleTempFiles(const std::string& folder) {
  DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
  if (listing == nullptr) return 0;
  const auto now = std::chrono::system_clock::now();
  int removed = 0;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string name = entry->d_name;
    const std::optional<long> owner = TempFileOwner(name);
    if (!owner) continue;
    struct stat info {};
    if (::fstatat(::dirfd(listing), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    // Only plain files of this user: nothing else is ours to remove.
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) continue;
    const auto modified = std::chrono::system_clock::from_time_t(info.st_mtim.tv_sec);
    if (now - modified < kStaleAge || !ProcessGone(*owner)) continue;
    if (::unlinkat(::dirfd(listing), name.c_str(), 0) == 0) ++removed;
  }
  ::closedir(listing);
  return removed;
}

std::optional<std::string> AtomicFileWriter::Replace(const std::string& path,
                                                     const std::string& content) const {
  if (auto problem = Attempt(path, content)) return problem->English();
  return std::nullopt;
}

std::optional<FileProblem> AtomicFileWriter::Attempt(const std::string& path,
                                                     const std::string& content) const {
  namespace fs = std::filesystem;
  if (path.empty()) return FileProblem{FileProblemTexts::kNoFileName, {}, {}, {}};

  fs::path target(path);
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    const fs::path resolved = fs::canonical(target, ec);
    if (!ec) target = resolved;
  }
  if (auto refused = RefusedTargetProblem(target.string())) return refused;
  struct stat old {};
  const bool hadOld = ::stat(target.c_str(), &old) == 0;
  // With a previous file, every reason ends in saying that it is unchanged.
  const auto failed = [hadOld](FileProblem why) {
    if (!hadOld) return why;
    return FileProblem{FileProblemTexts::kUnchanged, {}, {}, {std::move(why)}};
  };
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  RemoveStaleTempFiles(folder.string());

  TempFile temp;
  if (!temp.Create(folder, target.filename().string())) {
    return failed(Errno(FileProblemTexts::kCannotCreate, {folder.string()}));
  }
  if (hadOld) ::fchmod(temp.Fd(), old.st_mode & 07777);  // the new file keeps the old one's

  std::optional<FileProblem> problem = WriteAll(temp.Fd(), content);
  if (!problem && io_.Sync(temp.Fd()) != 0) problem = Errno(FileProblemTexts::kFlushFailed);
  if (!temp.CloseFile() && !problem) problem = Errno(FileProblemTexts::kCloseFailed);
  const auto moveIntoPlace = [this](const std::string& from, const std::string& to) {
    return io_.Rename ? io_.Rename(from.c_str(), to.c_str())
                      : std::rename(from.c_str(), to.c_str());
  };
  if (!problem && moveIntoPlace(temp.Path(), target.string()) != 0) {
    problem = Errno(FileProblemTexts::kCannotReplace, {target.string()});
  }
  if (problem) return failed(std::move(*problem));  // the temporary file goes with `temp`
  temp.Kept();
  SyncFolder(folder);
  return std::nullopt;
}

std::optional<FileProblem> AtomicFileWriter::WriteAll(int fd, const std::string& content) const {
  std::size_t done = 0;
  while (done < content.size()) {
    errno = 0;
    const long written = io_.Write(fd, content.data() + done, content.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return Errno(FileProblemTexts::kWriteFailed);
    }
    if (written == 0) {  // no progress and no error: the device has no room
      errno = ENOSPC;
      return Errno(FileProblemTexts::kWriteFailed);
    }
    done += static_cast<std::size_t>(written);
  }
  return std::nullopt;
}
