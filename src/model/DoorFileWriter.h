#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "model/DoorFileResult.h"
#include "model/ViewSettings.h"

class TBoard;

// Writes the .brd door data file that DoorFileReader reads: the same records in the same
// order, numbers in their shortest text that reads back to the same long double, and a short
// comment after each record's values naming it (picture names are whole lines and stay bare).
//
// Saving replaces the old file only once the new one is completely on disk: the text goes to
// a temporary file in the same folder, which is flushed and then renamed over the target. On
// any failure the temporary file is removed and the old file is left as it was.
class DoorFileWriter {
 public:
  // The two calls through which the bytes reach the disk. Both follow the POSIX convention:
  // Write returns the count written or -1, Sync 0 or -1, with errno set on failure. Tests
  // replace them to play a full disk or a failing device.
  struct DiskIo {
    std::function<long(int fd, const char* data, std::size_t size)> Write;
    std::function<int(int fd)> Sync;
  };

  DoorFileWriter();  // writes through the operating system
  explicit DoorFileWriter(DiskIo io);

  // The file's text.
  static std::string Text(const TBoard& door, const ViewSettings& view);
  // Why the door cannot be written so that it reads back, or nothing: a table or a value the
  // reader would refuse, or a picture name holding a line break.
  static std::optional<std::string> Unwritable(const TBoard& door, const ViewSettings& view);

  DoorFileResult Save(const std::string& path, const TBoard& door, const ViewSettings& view) const;

 private:
  // Writes the text to the open file and flushes it; the reason on failure.
  std::optional<std::string> WriteAll(int fd, const std::string& text) const;

  DiskIo io_;
};
