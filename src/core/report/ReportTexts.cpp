#include "report/ReportTexts.h"

#include <array>

#include "lang/TextCatalogue.h"

std::string ReportText(int number, const TextCatalogue& texts) {
  if (number < 1 || number > kReportTextCount) return {};
  return texts.Text(ReportTexts::Key(number));
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
