#pragma once

#include <string>
#include <string_view>

// Text from outside the program (a token of a data file, a command-line argument, a cell a
// user typed) shown in a message: whatever bytes it holds, the message stays readable text in
// valid UTF-8.

// The text with its printable UTF-8 characters as they are and every other byte as \xNN:
// bytes that are not valid UTF-8, control characters (C0, DEL, C1), and the invisible
// characters that would move or hide what follows (zero-width and bidirectional marks, line
// and paragraph separators, the byte-order mark).
std::string ReadableText(std::string_view text);

// A whole message line as ReadableText shows it, and, when it is longer than kMaxLineLength
// characters, with its middle left out ("…"): a file name of a hundred thousand characters
// would otherwise bury the reason, which stands at the end of the line.
inline constexpr std::size_t kMaxLineLength = 400;
std::string ReadableLine(std::string_view text);

// A token quoted for a message: 'token' as ReadableText shows it, cut after its first 40
// characters with "…" (an escaped byte counts as one character).
std::string QuotedToken(std::string_view token);
