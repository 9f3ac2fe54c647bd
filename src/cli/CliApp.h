#pragma once

#include <iosfwd>

// Exit statuses of doortrim-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;  // bad arguments or unreadable input
// The search stopped at its iteration limit, or a figure of the result is not a finite
// number: either way the output is no answer to rely on.
inline constexpr int kExitNotConverged = 3;
inline constexpr int kExitNotSaved = 4;  // the door could not be written

// Runs one command line of doortrim-cli, writing results to out and one-line errors to err.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
