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

// Main window: the save dialog's title, the titles of a file's error message and the close
// question. The open dialog's title is a control of the language files.
namespace MainTexts {
inline constexpr TwoLanguageText kOpenDataFile{"Open Data File", "Открыть файл данных"};
inline constexpr TwoLanguageText kSaveDataAs{"Save Data As", "Сохранить данные как"};
inline constexpr TwoLanguageText kSaveDataTitle{"Save Data", "Сохранение данных"};
inline constexpr TwoLanguageText kSaveData{"Save Data?", "Сохранить данные?"};
}  // namespace MainTexts

// The Recent Doors menu: an entry whose file has gone.
namespace RecentTexts {
inline constexpr TwoLanguageText kTitle{"Recent Doors", "Недавние доски"};
inline constexpr TwoLanguageText kGone{
    "%1 no longer exists. It is taken out of the recent doors.",
    "Файл %1 больше не существует. Он убран из списка недавних досок."};
inline constexpr TwoLanguageText kNotAFile{
    "%1 exists but is not a regular file, so it holds no door. It is taken out of the recent "
    "doors.",
    "%1 существует, но это не обычный файл, и доски в нём нет. Он убран из списка недавних "
    "досок."};
}  // namespace RecentTexts

// Projections dialog: the "Variable" menu's commands without a focused entry field, and the
// captions of the three view tabs.
namespace ProjTexts {
inline constexpr TwoLanguageText kSelectVariableFirst{
    "Select an active variable at first.", "Сначала выберите поле, которое будет переменной"};
inline constexpr TwoLanguageText kFrontView{"Front View", "Вид спереди"};
inline constexpr TwoLanguageText kPlanView{"Plan View", "Вид сверху"};
inline constexpr TwoLanguageText kSideView{"Side View", "Вид сбоку"};
}  // namespace ProjTexts

// Balance window: the question before the calculation log is deleted, naming the file.
namespace BalanceTexts {
inline constexpr TwoLanguageText kClearLogQuestion{
    "Delete the calculation log %1 with every results report it holds?",
    "Удалить журнал расчётов %1 со всеми записанными в него отчётами?"};
}  // namespace BalanceTexts

// Single-variable solve dialog: "Store" with a range whose ends are not in order.
namespace SSolveTexts {
inline constexpr TwoLanguageText kMaximumBelowMinimum{
    "Maximum less than minimum. Correct and try again.", "Максимум меньше чем минимум."};
// The range asked for reaches past the values the variable's field accepts (%1, its interval):
// the search keeps within them, from %2 to %3.
inline constexpr TwoLanguageText kKeptWithinField{
    "The range reaches past the field's values %1: searched from %2 to %3.",
    "Диапазон выходит за допустимые значения поля %1: поиск от %2 до %3."};
}  // namespace SSolveTexts

// Sweep window: the texts its code sets (the search choices, the status line, the messages,
// the table's headings) and the plot's band titles and curve names. The CSV file keeps its
// English headings: it is a file format.
namespace SweepTexts {
inline constexpr TwoLanguageText kVariableHint{
    "A main parameter of the Projections dialog or an environment value",
    "Основной параметр окна проекций или величина условий лова"};
inline constexpr TwoLanguageText kRelaxation{"Relaxation", "Релаксация"};
inline constexpr TwoLanguageText kNewton{"Newton (fast)", "Ньютон (быстро)"};
inline constexpr TwoLanguageText kRangeHint{"The range of %1 given in Projections: %2 to %3",
                                            "Диапазон %1, заданный в окне проекций: от %2 до %3"};
inline constexpr TwoLanguageText kEqualEnds{"From and To are equal: there is nothing to sweep.",
                                            "«От» и «До» равны: развёртывать нечего."};
inline constexpr TwoLanguageText kBalancing{"Balancing ...", "Балансировка ..."};
inline constexpr TwoLanguageText kDone{"Done: %1 of %2 values balanced",
                                       "Готово: сбалансировано %1 из %2 значений"};
inline constexpr TwoLanguageText kCancelled{"Cancelled: %1 of %2 values done",
                                            "Прервано: рассчитано %1 из %2 значений"};
inline constexpr TwoLanguageText kYes{"yes", "да"};
inline constexpr TwoLanguageText kNo{"no", "нет"};
inline constexpr TwoLanguageText kExportTitle{"Export sweep", "Экспорт развёртки"};
inline constexpr TwoLanguageText kSavePlotTitle{"Save plot", "Сохранить график"};
inline constexpr TwoLanguageText kNotWritten{"%1 could not be written: %2",
                                             "Не удалось записать %1: %2"};
inline constexpr TwoLanguageText kNotBalancedMark{"(red ring: not balanced)",
                                                  "(красное кольцо: не сбалансировано)"};
// The table's headings after the swept value, in the CSV file's order.
inline constexpr TwoLanguageText kHeadings[] = {
    {"x, deg", "x, град"},
    {"y, deg", "y, град"},
    {"z, deg", "z, град"},
    {"attack, deg", "угол атаки, град"},
    {"spread, kN", "распорная сила, кН"},
    {"resistance, kN", "сопротивление, кН"},
    {"vertical, kN", "вертикальная сила, кН"},
    {"spread/resistance", "распорная сила/сопротивление"},
    {"balanced", "сбалансирована"},
    {"iterations", "итерации"},
    {"moment sum, N*m", "сумма моментов, Н*м"},
};
inline constexpr TwoLanguageText kAnglesBand{"Angles, deg", "Углы, град"};
inline constexpr TwoLanguageText kForcesBand{"Forces, kN", "Силы, кН"};
inline constexpr TwoLanguageText kRatioBand{"Spread / resistance",
                                            "Распорная сила / сопротивление"};
inline constexpr TwoLanguageText kAttack{"attack", "угол атаки"};
inline constexpr TwoLanguageText kSpread{"spread", "распорная сила"};
inline constexpr TwoLanguageText kResistance{"resistance", "сопротивление"};
inline constexpr TwoLanguageText kVertical{"vertical", "вертикальная"};
inline constexpr TwoLanguageText kRatio{"spread/resistance", "распорная сила/сопротивление"};
}  // namespace SweepTexts

// Details window's stability area: its title, the matrix's column headings, the eigenvalues'
// caption and the verdict.
// The balance window's result fields: a figure the model could not compute (a door beyond
// what the model holds) is shown as such rather than left blank or shown as a number.
namespace ResultFieldTexts {
inline constexpr TwoLanguageText kInvalid{"invalid", "ошибка"};
}  // namespace ResultFieldTexts

namespace StabilityTexts {
inline constexpr TwoLanguageText kTitle{"Stability matrix dM/d\u03b8, kN*m per degree",
                                        "Матрица устойчивости dM/d\u03b8, кН*м на градус"};
inline constexpr TwoLanguageText kTurns[] = {
    {"turn X", "поворот X"}, {"turn Y", "поворот Y"}, {"turn Z", "поворот Z"}};
inline constexpr TwoLanguageText kEigenvalues{"Eigenvalues: ", "Собственные значения: "};
inline constexpr TwoLanguageText kStable{"stable", "устойчиво"};
inline constexpr TwoLanguageText kUnstable{"unstable", "неустойчиво"};
}  // namespace StabilityTexts

// The names of the steps in a door's undo history and the Undo and Redo commands that name
// them. A step that changes one value says which and how: "Weight G: 13500 → 14000".
namespace EditTexts {
inline constexpr TwoLanguageText kUndo{"&Undo", "&Отменить"};
inline constexpr TwoLanguageText kRedo{"&Redo", "&Повторить"};
inline constexpr TwoLanguageText kValueChange{"%1: %2 → %3", "%1: %2 → %3"};
inline constexpr TwoLanguageText kRange{"Range of %1: %2 … %3", "Диапазон %1: %2 … %3"};
inline constexpr TwoLanguageText kBottom{"Bottom trawling", "Донный лов"};
inline constexpr TwoLanguageText kMidwater{"Midwater trawling", "Пелагический лов"};
inline constexpr TwoLanguageText kBalanced{"Balance position %1, %2, %3",
                                           "Положение равновесия %1, %2, %3"};
inline constexpr TwoLanguageText kRotation{"Rotation %1: %2 → %3", "Поворот %1: %2 → %3"};
inline constexpr TwoLanguageText kPictures{"Pictures of the door", "Рисунки доски"};
inline constexpr TwoLanguageText kProjectionsCancelled{"Projections cancelled",
                                                       "Отмена в окне проекций"};
inline constexpr TwoLanguageText kOpen{"Open %1", "Открыть %1"};
// The main parameters in their stored order, as the steps that change one of them call it,
// followed by its symbol.
inline constexpr TwoLanguageText kMainParameters[] = {
    {"Warp point ordinate", "Ордината точки крепления ваера"},
    {"Upper bridle ordinate", "Ордината верхнего кабеля"},
    {"Lower bridle ordinate", "Ордината нижнего кабеля"},
    {"Wing pressure centre ordinate", "Ордината центра давления щитка"},
    {"Stringer pressure centre ordinate", "Ордината центра давления стрингера"},
    {"Centre of gravity ordinate", "Ордината центра тяжести"},
    {"Weight", "Вес"},
    {"Warp point abscissa", "Абсцисса точки крепления ваера"},
    {"Upper bridle abscissa", "Абсцисса верхнего кабеля"},
    {"Lower bridle abscissa", "Абсцисса нижнего кабеля"},
    {"Centre of gravity abscissa", "Абсцисса центра тяжести"},
    {"Net resistance", "Сопротивление трала"},
    {"Trawling speed", "Скорость траления"},
    {"Stringer area", "Площадь стрингеров"},
    {"Chord", "Хорда"},
    {"Wing pressure centre applicate", "Аппликата центра давления щитка"},
    {"Stringer pressure centre applicate", "Аппликата центра давления стрингера"},
    {"Centre of gravity applicate", "Аппликата центра тяжести"},
    {"Warp point applicate", "Аппликата точки крепления ваера"},
    {"Upper bridle applicate", "Аппликата верхнего кабеля"},
    {"Lower bridle applicate", "Аппликата нижнего кабеля"},
    {"Wing height", "Высота щитка"},
    {"Wing area", "Площадь щитка"},
};
}  // namespace EditTexts
