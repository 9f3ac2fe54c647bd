#pragma once

#include <string>

// Outcome of reading or writing a door data file. On failure Message says what went wrong in
// words a user can act on, naming the file and, for a read, the line and what was expected.
struct DoorFileResult {
  bool Ok = false;
  bool NotFound = false;  // reading: no file at the path (the door is left as it was)
  int Line = 0;           // reading: 1-based line of the first problem, 0 when none applies
  std::string Message;

  explicit operator bool() const { return Ok; }
};
