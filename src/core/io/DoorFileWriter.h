#pragma once

#include <optional>
#include <string>

#include "io/AtomicFileWriter.h"
#include "io/DoorFileResult.h"
#include "model/ViewSettings.h"

struct DoorInputs;

// Writes the .brd door data file that DoorFileReader reads: the same records in the same
// order, numbers in their shortest text that reads back to the same long double, and a short
// comment after each record's values naming it (picture names are whole lines and stay bare).
//
// Saving replaces the old file only once the new one is completely on disk (AtomicFileWriter):
// on any failure the old file is left as it was.
class DoorFileWriter {
 public:
  // The seam through which the bytes reach the disk; tests replace it.
  using DiskIo = AtomicFileWriter::DiskIo;

  DoorFileWriter();  // writes through the operating system
  explicit DoorFileWriter(DiskIo io);

  // The file's text.
  static std::string Text(const DoorInputs& door, const ViewSettings& view);
  // Why the door cannot be written so that it reads back, or nothing: a table or a value the
  // reader would refuse, or a picture name holding a line break.
  static std::optional<std::string> Unwritable(const DoorInputs& door, const ViewSettings& view);
  // The same as a file problem, for a window to say in its language.
  static std::optional<FileProblem> UnwritableProblem(const DoorInputs& door,
                                                      const ViewSettings& view);

  DoorFileResult Save(const std::string& path, const DoorInputs& door,
                      const ViewSettings& view) const;

 private:
  AtomicFileWriter writer_;
};
