#pragma once

#include <string_view>

// The texts that windows build at run time (messages, titles, captions set by code) in the
// two languages the program carries for them, English and Russian. A window keeps a language
// index, 0 English and 1 Russian, set by the language switch; any other index reads as
// English, so after a switch to Norwegian these texts stay English.
//
// The balance window's table (report and solver-sensitivity texts) is ReportTexts; the
// coefficient table editors keep their few messages beside their code.
struct TwoLanguageText {
  std::string_view English;
  std::string_view Russian;

  constexpr std::string_view In(int language) const { return language == 1 ? Russian : English; }
};

// Main window. Its Russian slots hold the English texts: the file dialogs and the close
// question read the same in both languages.
namespace MainTexts {
inline constexpr TwoLanguageText kOpenDataFile{"Open Data File", "Open Data File"};
inline constexpr TwoLanguageText kSaveDataAs{"Save Data As", "Save Data As"};
inline constexpr TwoLanguageText kSaveData{"Save Data?", "Save Data?"};
}  // namespace MainTexts

// Projections dialog: the "Variable" menu's commands without a focused entry field, and the
// captions of the three view tabs.
namespace ProjTexts {
inline constexpr TwoLanguageText kSelectVariableFirst{
    "Select an active variable at first.", "Сначала выберите поле, которое будет переменной"};
inline constexpr TwoLanguageText kFrontView{"Front View", "Вид спереди"};
inline constexpr TwoLanguageText kPlanView{"Plan View", "Вид сверху"};
inline constexpr TwoLanguageText kSideView{"Side View", "Вид сбоку"};
}  // namespace ProjTexts

// Single-variable solve dialog: "Store" with a range whose ends are not in order.
namespace SSolveTexts {
inline constexpr TwoLanguageText kMaximumBelowMinimum{
    "Maximum less than minimum. Correct and try again.", "Максимум меньше чем минимум."};
}  // namespace SSolveTexts
