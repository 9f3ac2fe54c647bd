#pragma once

#include <array>
#include <string_view>

// The windows whose texts the language files set, in the order a language switch translates
// them: the main window first. The keel position dialog, the enter-a-value dialog and the
// about box keep their English texts.
inline constexpr std::array<std::string_view, 15> kTranslatedForms = {
    "Main_f", "Balance_f", "BDetail_f", "Ground_f", "Envir_f", "Hydro_f", "KGeom_f", "Proj_f",
    "Range_f", "SSolve_f", "Trawl_f", "Sweep_f",
    // The windows beyond the balance: the target search, the operating map, and the details
    // window's analyses.
    "Target_f", "OpMap_f", "BAnalysis_f"};

// The language files beside the program, by language number: 0 English, 1 Russian,
// 2 Norwegian (bokmål).
inline constexpr std::array<std::string_view, 3> kLanguageFileNames = {"Door.len", "Door.lru",
                                                                       "Door.lno"};
