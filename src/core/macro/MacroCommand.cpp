#include "macro/MacroCommand.h"

#include "numbers/TextRoutines.h"

namespace {

constexpr std::string_view kSeparators = "|";

bool IsBusNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-';
}

}  // namespace

MacroCommand MacroCommand::Parse(std::string_view data) {
  // Only the first line counts; a client on another system may end it with CR LF.
  const std::string_view line = data.substr(0, data.find_first_of("\r\n"));
  MacroCommand macro;
  const std::string first = ExtractField(line, 1, kSeparators);
  if (first == "FileOpen") {
    macro.What = Action::FileOpen;
    macro.Path = ExtractField(line, 2, kSeparators);
  } else if (first == "Dialog" && ExtractField(line, 2, kSeparators) == "Balance") {
    macro.What = Action::Balance;
    macro.OpenBalanceWindow = ExtractField(line, 3, kSeparators) == "Balance";
  }
  return macro;
}

std::string MacroBusName(std::string_view executablePath) {
  std::string_view name = executablePath.substr(executablePath.find_last_of('/') + 1);
  name = name.substr(0, name.find('.'));
  std::string element;
  if (name.empty() || (name.front() >= '0' && name.front() <= '9')) element = "_";
  for (const char c : name)
    element += IsBusNameChar(c) ? c : '_';
  return "org.doortrim." + element;
}
