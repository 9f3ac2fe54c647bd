#pragma once

#include <string>

#include "lang/FileProblem.h"

// Outcome of reading or writing a door data file. On failure Message says what went wrong in
// words a user can act on, naming the file and, for a read, the line and what was expected.
// Problem holds the same as data, for a window to say in its language; it is empty for the
// problems still told in English only (a line of the file that does not read, a door that
// cannot be written so that it reads back).
struct DoorFileResult {
  bool Ok = false;
  bool NotFound = false;  // reading: no file at the path (the door is left as it was)
  int Line = 0;           // reading: 1-based line of the first problem, 0 when none applies
  std::string Message;
  FileProblem Problem;

  explicit operator bool() const { return Ok; }
};
