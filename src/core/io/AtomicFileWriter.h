#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

// Replaces a file's whole content so that the old file survives any failure: the new content
// goes to a temporary file in the same folder, which is flushed to disk and then renamed over
// the target, and the folder is flushed so that the rename lasts. On any failure the temporary
// file is removed and the target is left exactly as it was.
//
// A target that is a symbolic link keeps the link: the file it points to is replaced. A file
// that existed keeps its permissions; a new one gets the user's default (umask).
class AtomicFileWriter {
 public:
  // The calls through which the bytes reach the disk. All follow the POSIX convention:
  // Write returns the count written or -1, Sync and Rename 0 or -1, with errno set on
  // failure. Tests replace them to play a full disk, a failing device or a refused rename.
  // An empty Rename is the operating system's.
  struct DiskIo {
    std::function<long(int fd, const char* data, std::size_t size)> Write;
    std::function<int(int fd)> Sync;
    std::function<int(const char* from, const char* to)> Rename;
  };

  AtomicFileWriter();  // writes through the operating system
  explicit AtomicFileWriter(DiskIo io);

  // Makes content the file's whole content. Returns why it failed, or nothing. When a previous
  // file existed the reason ends in "; the previous file is unchanged".
  std::optional<std::string> Replace(const std::string& path, const std::string& content) const;

 private:
  // Writes all of content to the open file, resuming interrupted and partial writes.
  std::optional<std::string> WriteAll(int fd, const std::string& content) const;

  DiskIo io_;
};
