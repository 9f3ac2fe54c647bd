#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "analysis/Advice.h"

namespace CLI {
class App;
}

// solve --advice: two or three sentences on what to move where the balance lies outside the
// bands a designer wants (heel and pitch within +-DEG, attack between FROM and TO).
struct AdviceOptions {
  bool Wanted = false;
  std::string HeelBand = "2", PitchBand = "2";
  std::vector<std::string> AttackBand;  // FROM TO

  void AddTo(CLI::App& command);
  // The bands, or why they cannot be used.
  std::optional<std::string> Read(AdviceBands& bands) const;
  // The advice for the door balanced at `angles`: "advice" as a list of sentences, or in the
  // text one line "Advice:" (none where the door sits within its bands).
  static void Add(const Advice& advice, nlohmann::ordered_json& j);
  static void Print(const Advice& advice, std::ostream& out);
};
