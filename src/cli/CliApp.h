#pragma once

#include <iosfwd>

// Exit statuses of doortrim-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;         // bad arguments or unreadable input
inline constexpr int kExitNotConverged = 3;  // the search stopped at its iteration limit
inline constexpr int kExitNotSaved = 4;      // the door could not be written

// Runs one command line of doortrim-cli, writing results to out and one-line errors to err.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
