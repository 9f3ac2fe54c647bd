#include "report/ReportTexts.h"

#include <array>

#include "lang/TextCatalogue.h"

namespace {

constexpr std::array<std::string_view, kReportTextCount> kNames = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",  "Text9",
    "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18",
    "Text19", "Text20", "Text21", "Text22", "Text23", "Text24", "Text25", "Text26", "Text27",
    "Text28", "Text29", "Text30", "Text31", "Text32", "Text33", "Text34", "Text35", "Text36",
    "Text37", "Text38", "Text39", "Text40", "Text41", "Text42", "Text43", "Text44", "Text45",
    "Text46", "Text47", "Text48", "Text49"};

}  // namespace

TextKey ReportTextKey(int number) {
  return {"ReportTexts", kNames[static_cast<std::size_t>(number - 1)]};
}

std::string ReportText(int number, const TextCatalogue& texts) {
  if (number < 1 || number > kReportTextCount) return {};
  return texts.Text(ReportTextKey(number));
}

std::string SolverSensitivityCaption(const TextCatalogue& texts) {
  return ReportText(kTextSensitivityCaption, texts);
}

std::string SolverSensitivityPrompt(const TextCatalogue& texts) {
  std::string prompt = ReportText(kTextSensitivityRange, texts);
  prompt += '\n';
  prompt += ReportText(kTextSensitivityCoarse, texts);
  prompt += '\n';
  prompt += ReportText(kTextSensitivityFine, texts);
  return prompt;
}
