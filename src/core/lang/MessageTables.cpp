#include "lang/MessageTables.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::array<std::string_view, ReportTexts::kCount> kNames = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",  "Text9",
    "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18",
    "Text19", "Text20", "Text21", "Text22", "Text23", "Text24", "Text25", "Text26", "Text27",
    "Text28", "Text29", "Text30", "Text31", "Text32", "Text33", "Text34", "Text35", "Text36",
    "Text37", "Text38", "Text39", "Text40", "Text41", "Text42", "Text43", "Text44", "Text45",
    "Text46", "Text47", "Text48", "Text49"};

}  // namespace

TextKey ReportTexts::Key(int number) {
  return {"ReportTexts", kNames[static_cast<std::size_t>(number - 1)]};
}
