#pragma once

#include <map>
#include <string>
#include <string_view>

#include "lang/LanguageFile.h"
#include "lang/MessageTables.h"

// The texts the program builds itself, in one language: the entries of a language file's
// text sections (see kTextSections), looked up by section and entry name. The windows hold
// the catalogue of the language in use and the language switch hands them a new one; the
// English catalogue comes from the English language file built into the program, so a window
// reads the same words before any switch as after a switch to English.
class TextCatalogue {
 public:
  // The outcome of reading a file's text sections: on failure Message names the file and line.
  struct Loaded;

  TextCatalogue() = default;

  // The text sections of `file`, every one of which it must hold.
  static Loaded FromFile(const LanguageFile& file);
  // The English file as built into the program.
  static const TextCatalogue& English();

  // The caption line of the entry `key` names. An entry the file lacks reads as
  // "Section.Name", so that a gap shows where it is rather than as an empty message.
  std::string Text(TextKey key) const;
  bool Has(TextKey key) const;
  bool Empty() const { return texts_.empty(); }

 private:
  static std::string KeyOf(std::string_view form, std::string_view name);

  std::map<std::string, std::string, std::less<>> texts_;
};

struct TextCatalogue::Loaded {
  bool Ok = false;
  std::string Message;
  FileProblem Problem;  // the same as data, for a window to say in its language
  TextCatalogue Texts;

  explicit operator bool() const { return Ok; }
};
