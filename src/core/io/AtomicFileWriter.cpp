#include "io/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

namespace {

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

AtomicFileWriter::AtomicFileWriter()
    : io_{[](int fd, const char* data, std::size_t size) -> long {
            return static_cast<long>(::write(fd, data, size));
          },
          [](int fd) { return ::fsync(fd); },
          [](const char* from, const char* to) { return std::rename(from, to); }} {}

AtomicFileWriter::AtomicFileWriter(DiskIo io) : io_(std::move(io)) {}

std::optional<std::string> AtomicFileWriter::Replace(const std::string& path,
                                                     const std::string& content) const {
  namespace fs = std::filesystem;
  if (path.empty()) return "no file name given";

  fs::path target(path);
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    const fs::path resolved = fs::canonical(target, ec);
    if (!ec) target = resolved;
  }
  struct stat old {};
  const bool hadOld = ::stat(target.c_str(), &old) == 0;
  if (hadOld && S_ISDIR(old.st_mode)) return "it is a folder";
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
    // Built by appending: "." + std::string(...) trips a false -Wrestrict of GCC 12
    // at -O3 (GCC bug 105329).
    const std::string name = std::string(".")
                                 .append(target.filename().string())
                                 .append(".")
                                 .append(suffix)
                                 .append(".tmp");
    tempPath = (folder / name).string();
    // 0666 lets the umask decide, as for any new file of the user's.
    fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) break;
  }
  if (fd < 0) {
    return Errno("cannot create a file in the folder '" + folder.string() + "'") + unchanged;
  }
  if (hadOld) ::fchmod(fd, old.st_mode & 07777);  // the new file keeps the old one's permissions

  std::optional<std::string> problem = WriteAll(fd, content);
  if (!problem && io_.Sync(fd) != 0) problem = Errno("flushing to disk failed");
  if (::close(fd) != 0 && !problem) problem = Errno("closing the file failed");
  const auto moveIntoPlace = [this](const std::string& from, const std::string& to) {
    return io_.Rename ? io_.Rename(from.c_str(), to.c_str())
                      : std::rename(from.c_str(), to.c_str());
  };
  if (!problem && moveIntoPlace(tempPath, target.string()) != 0) {
    problem = Errno("cannot replace '" + target.string() + "'");
  }
  if (problem) {
    ::unlink(tempPath.c_str());
    return *problem + unchanged;
  }
  SyncFolder(folder);
  return std::nullopt;
}

std::optional<std::string> AtomicFileWriter::WriteAll(int fd, const std::string& content) const {
  std::size_t done = 0;
  while (done < content.size()) {
    errno = 0;
    const long written = io_.Write(fd, content.data() + done, content.size() - done);
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
