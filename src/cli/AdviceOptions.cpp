#include "AdviceOptions.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "DoorOptions.h"

void AdviceOptions::AddTo(CLI::App& command) {
  command.add_flag("--advice", Wanted,
                   "Say what to move where the balance lies outside the bands (the sensitivities "
                   "of heel, pitch and attack angle to the bridle and warp attachment points)");
  command.add_option("--heel-band", HeelBand, "Heel wanted within +-DEG (default 2)")
      ->type_name("DEG");
  command.add_option("--pitch-band", PitchBand, "Pitch wanted within +-DEG (default 2)")
      ->type_name("DEG");
  command.add_option("--attack-band", AttackBand, "Attack angle wanted (default 30 40)")
      ->expected(2)
      ->type_name("FROM TO");
}

std::optional<std::string> AdviceOptions::Read(AdviceBands& bands) const {
  if (auto problem = ParseReal(HeelBand, "--heel-band", bands.HeelDeg)) return problem;
  if (auto problem = ParseReal(PitchBand, "--pitch-band", bands.PitchDeg)) return problem;
  if (!(bands.HeelDeg >= 0 && bands.HeelDeg < 90)) return "--heel-band: must lie from 0 to 90";
  if (!(bands.PitchDeg >= 0 && bands.PitchDeg < 90)) return "--pitch-band: must lie from 0 to 90";
  if (AttackBand.size() == 2) {
    if (auto problem = ParseReal(AttackBand[0], "--attack-band", bands.AttackFromDeg)) {
      return problem;
    }
    if (auto problem = ParseReal(AttackBand[1], "--attack-band", bands.AttackToDeg)) {
      return problem;
    }
    if (!(bands.AttackFromDeg < bands.AttackToDeg && bands.AttackFromDeg > -90 &&
          bands.AttackToDeg < 90)) {
      return "--attack-band: FROM must be below TO, both between -90 and 90";
    }
  }
  return std::nullopt;
}

void AdviceOptions::Add(const Advice& advice, nlohmann::ordered_json& j) {
  const AdviceTexts texts;
  nlohmann::ordered_json sentences = nlohmann::ordered_json::array();
  for (const AdviceSentence& s : advice.Sentences())
    sentences.push_back(texts.Compose(s));
  j["advice"] = sentences;
}

void AdviceOptions::Print(const Advice& advice, std::ostream& out) {
  out << "Advice:               ";
  if (!advice.Balanced()) {
    out << "none: the door does not balance\n";
  } else if (advice.Sentences().empty()) {
    out << "none: the door sits within its bands\n";
  } else {
    out << AdviceTexts().Compose(advice.Sentences()) << "\n";
  }
}
