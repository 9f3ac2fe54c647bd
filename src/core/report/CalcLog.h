#pragma once

#include <string>

#include "io/AtomicFileWriter.h"
#include "lang/FileProblem.h"

// The calculation log "Calc_brd.log": results reports appended one after another.
struct CalcLogResult {
  bool Ok = false;
  std::string Message;  // why it failed, naming the file
  FileProblem Problem;  // the same as data, for a window to say in its language
  explicit operator bool() const { return Ok; }
};

inline constexpr const char* kCalcLogName = "Calc_brd.log";

// Appends text to the log at path, creating it when missing. Whatever the file already held
// stays intact when writing fails (read-only folder, full disk): the new content is written
// to a temporary file beside it, flushed, then renamed over the old one.
CalcLogResult AppendToCalcLog(const std::string& path, const std::string& text);
// The same, writing through the given writer (tests give one that plays a full disk).
CalcLogResult AppendToCalcLog(const std::string& path, const std::string& text,
                              const AtomicFileWriter& writer);
// Deletes the log; a missing file is not an error.
CalcLogResult ClearCalcLog(const std::string& path);
