#pragma once

#include <set>
#include <string>

#include "lang/MessageTables.h"

// A text the program asks a TextCatalogue for, as its sources write it.
struct UsedTextKey {
  std::string Form;
  std::string Name;
  // Where the sources name it first ("lang/MessageTables.h:31").
  std::string Where;

  TextKey Key() const { return {Form, Name}; }
  bool operator<(const UsedTextKey& other) const {
    return Form != other.Form ? Form < other.Form : Name < other.Name;
  }
};

// Every key the program's sources under `sourceFolder` name: each literal {"Section", "Name"}
// (in a declaration or written where it is asked for) whose section is one of the built
// texts' sections, or whose section is named like one ("...Texts"), so that a new section
// cannot go unseen; and the numbered report texts, which are made from their number.
// Independent of any hand-kept list: a key added anywhere in the sources is found.
std::set<UsedTextKey> UsedTextKeys(const std::string& sourceFolder);
