#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lang/MessageTables.h"

class TextCatalogue;

// What went wrong with a file, kept as data rather than as a sentence, so that each window
// says it in the language it shows while the command line keeps its English lines: a text
// of the file problems' section with its places filled in.
//
// The places %1, %2, ... of the text are filled, in this order, by Args, then by the
// system's reason for SystemError when there is one, then by the text of each of Reasons.
// The system's reason is one of this program's own texts for the error number, never the C
// library's words, which would read English in every language.
struct FileProblem {
  TextKey Key{};                     // empty section: no problem
  std::vector<std::string> Args;     // file names, line numbers, tokens found
  std::optional<int> SystemError;    // errno
  std::vector<FileProblem> Reasons;  // nested clauses ("not saved: <why>")

  bool Empty() const { return Key.Form.empty(); }

  // The problem in the catalogue's language.
  std::string Text(const TextCatalogue& texts) const;
  // The same, or `otherwise` when there is no problem (a message still built in English).
  std::string Text(const TextCatalogue& texts, const std::string& otherwise) const;
  // The English sentence the command line prints: the built-in English texts, with the
  // system's reason as the C library words it, so that the line reads as it always did.
  std::string English() const;

  // The words for a system error number in the catalogue's language; "system error <n>"
  // for a number the program has no words of its own for.
  static std::string SystemReason(int error, const TextCatalogue& texts);
  // The key of a system error number's words, or an empty key for one without.
  static TextKey SystemKey(int error);

 private:
  std::string Render(const TextCatalogue& texts, bool libraryReasons) const;
};
