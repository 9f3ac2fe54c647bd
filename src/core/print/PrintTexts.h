#pragma once

#include "lang/MessageTables.h"

// The printed report's own texts (headings, column units, the row letters of the balance
// results), English and Russian; everything else on its pages is taken from the program's
// windows.
namespace PrintTexts {
inline constexpr TextKey kReportTitle{"PrintTexts", "ReportTitle"};
inline constexpr TextKey kGeneralData{"PrintTexts", "GeneralData"};
inline constexpr TextKey kProjections{"PrintTexts", "Projections"};
inline constexpr TextKey kFrontView{"PrintTexts", "FrontView"};
inline constexpr TextKey kPlanView{"PrintTexts", "PlanView"};
inline constexpr TextKey kSideView{"PrintTexts", "SideView"};
inline constexpr TextKey kHydroCoefficients{"PrintTexts", "HydroCoefficients"};
inline constexpr TextKey kDegree{"PrintTexts", "Degree"};
inline constexpr TextKey kKeelShape{"PrintTexts", "KeelShape"};
inline constexpr TextKey kTrawlInfluence{"PrintTexts", "TrawlInfluence"};
inline constexpr TextKey kKeelPosition{"PrintTexts", "KeelPosition"};
inline constexpr TextKey kGroundCoefficients{"PrintTexts", "GroundCoefficients"};
inline constexpr TextKey kBalancePosition{"PrintTexts", "BalancePosition"};
inline constexpr TextKey kAttackAngle{"PrintTexts", "AttackAngle"};
}  // namespace PrintTexts
