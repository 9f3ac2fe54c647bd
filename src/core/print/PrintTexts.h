#pragma once

#include "lang/MessageTables.h"

// The printed report's own texts (headings, column units, the row letters of the balance
// results), English and Russian; everything else on its pages is taken from the program's
// windows.
namespace PrintTexts {
inline constexpr TwoLanguageText kReportTitle{"DoorTrim Balance Report",
                                              "DoorTrim: отчёт о балансировке"};
inline constexpr TwoLanguageText kGeneralData{"General Data :", "Общие данные :"};
inline constexpr TwoLanguageText kProjections{"Projections", "Проекции"};
inline constexpr TwoLanguageText kFrontView{"FRONT VIEW", "ВИД СПЕРЕДИ"};
inline constexpr TwoLanguageText kPlanView{"PLAN VIEW", "ВИД СВЕРХУ"};
inline constexpr TwoLanguageText kSideView{"SIDE VIEW", "ВИД СБОКУ"};
inline constexpr TwoLanguageText kHydroCoefficients{"Hydrodynamic Coefficients",
                                                    "Гидродинамические коэффициенты"};
inline constexpr TwoLanguageText kDegree{"deg", "град"};
inline constexpr TwoLanguageText kKeelShape{"Keel Shape", "Форма киля"};
inline constexpr TwoLanguageText kTrawlInfluence{"Influence of trawl", "Влияние трала"};
inline constexpr TwoLanguageText kKeelPosition{"Keel Position", "Положение киля"};
inline constexpr TwoLanguageText kGroundCoefficients{"Ground-dynamic Coefficients",
                                                     "Коэффициенты взаимодействия с грунтом"};
inline constexpr TwoLanguageText kBalancePosition{"Balance position", "Положение равновесия"};
inline constexpr TwoLanguageText kAttackAngle{"Attack angle, [deg]:", "Угол атаки, [град]:"};
}  // namespace PrintTexts
