#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "lang/FileProblem.h"

// Every file the program writes goes through here: door files, pictures, PDF reports, CSV
// tables and the calculation log. It replaces a file's whole content so that the old file
// survives any failure: the new content goes to a temporary file in the same folder, which is
// flushed to disk and then renamed over the target, and the folder is flushed so that the
// rename lasts. On any failure the temporary file is removed and the target is left exactly as
// it was.
//
// Only a regular file is ever replaced: a path that names a folder, a FIFO, a device or a
// socket is refused, as is a file without a write permission bit for the user (root
// included: a file made read-only stays as it is). A symbolic link keeps the link: the file
// it points to is replaced. A file that existed keeps its permissions; a new one gets the
// user's default (umask).
//
// The temporary files are named ".<target name>.<pid>-<hex>-<n>.tmp". One left by a process
// that was killed outright is removed by the next save into the same folder once it is older
// than a minute and its process is gone; a signal that can be caught removes it at once
// (TempFileRegistry).
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

  // A temporary file of ours older than this, whose process is gone, is left over.
  static constexpr std::chrono::seconds kStaleAge{60};

  AtomicFileWriter();  // writes through the operating system
  explicit AtomicFileWriter(DiskIo io);

  // Makes content the file's whole content. Returns why it failed, or nothing. When a previous
  // file existed the reason ends in "; the previous file is unchanged".
  std::optional<std::string> Replace(const std::string& path, const std::string& content) const;
  // The same, with why it failed as data, for a window to say in the language it shows.
  std::optional<FileProblem> Attempt(const std::string& path, const std::string& content) const;

  // Why a file at `path` cannot be replaced, judged before anything is written: a target that
  // is not a regular file or that the user may not write. Nothing when it can be tried.
  static std::optional<std::string> RefusedTarget(const std::string& path);
  static std::optional<FileProblem> RefusedTargetProblem(const std::string& path);

  // Whether `name` is one of our temporary files, and of which process.
  static std::optional<long> TempFileOwner(const std::string& name);
  // Removes our temporary files in `folder` older than kStaleAge whose process is gone.
  // Returns how many were removed.
  static int RemoveStaleTempFiles(const std::string& folder);

 private:
  // Writes all of content to the open file, resuming interrupted and partial writes.
  std::optional<FileProblem> WriteAll(int fd, const std::string& content) const;

  DiskIo io_;
};
