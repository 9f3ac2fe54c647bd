#include "analysis/AdviceTexts.h"

#include "numbers/NumberFormat.h"

namespace {
struct KeyText {
  std::string_view Name;
  std::string_view English;
};

// In the order of AdviceKey.
constexpr std::array<KeyText, AdviceTexts::kKeyCount> kEnglish = {{
    {"HeelsOutward", "The door heels %1\u00b0 outward (its top leans away from the net)."},
    {"HeelsInward", "The door heels %1\u00b0 inward (its top leans towards the net)."},
    {"PitchesNoseUp", "The door pitches %1\u00b0 nose up."},
    {"PitchesNoseDown", "The door pitches %1\u00b0 nose down."},
    {"AttackAbove", "The wing's attack angle is %1\u00b0, above the band of %2\u00b0 to %3\u00b0."},
    {"AttackBelow", "The wing's attack angle is %1\u00b0, below the band of %2\u00b0 to %3\u00b0."},
    {"MoveBy", "Moving %1 %2 cm %3 %4 by about %5\u00b0 per cm."},
    {"MoveRate", "Moving %1 %2 %3 by about %4\u00b0 per cm."},
    {"UpperBridle", "the upper bridle attachment"},
    {"LowerBridle", "the lower bridle attachment"},
    {"WarpPoint", "the warp attachment"},
    {"Higher", "higher"},
    {"Lower", "lower"},
    {"Forward", "forward"},
    {"Aft", "aft"},
    {"ReducesHeel", "reduces heel"},
    {"ReducesPitch", "reduces pitch"},
    {"LowersAttack", "lowers the attack angle"},
    {"RaisesAttack", "raises the attack angle"},
}};

constexpr std::string_view kPrefix = "Advice";

std::string NumberText(const AdviceSentence::Place& place, const NumberLocale& locale) {
  std::string pattern = "0";
  if (place.Decimals > 0) {
    pattern +=
        "." + std::string(static_cast<std::size_t>(place.Decimals), place.TrimZeros ? '#' : '0');
  }
  return FormatFloat(pattern, place.Number, locale);
}
}  // namespace

AdviceTexts::AdviceTexts() {
  for (int i = 0; i < kKeyCount; ++i)
    texts_[static_cast<std::size_t>(i)] = kEnglish[static_cast<std::size_t>(i)].English;
}

std::string AdviceTexts::KeyName(AdviceKey key) {
  const auto i = static_cast<std::size_t>(key);
  if (i >= kEnglish.size()) return {};
  return std::string(kPrefix) + std::string(kEnglish[i].Name);
}

bool AdviceTexts::Set(std::string_view keyName, std::string text) {
  for (int i = 0; i < kKeyCount; ++i) {
    if (KeyName(static_cast<AdviceKey>(i)) == keyName) {
      texts_[static_cast<std::size_t>(i)] = std::move(text);
      return true;
    }
  }
  return false;
}

const std::string& AdviceTexts::Text(AdviceKey key) const {
  static const std::string kNone;
  const auto i = static_cast<std::size_t>(key);
  return i < texts_.size() ? texts_[i] : kNone;
}

std::string AdviceTexts::Compose(const AdviceSentence& sentence, const NumberLocale& locale) const {
  const std::string& text = Text(sentence.Text);
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // %1 to %9 stand for the places; anything else is copied as it is.
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(text[i + 1] - '1');
      if (n < sentence.Places.size()) {
        const AdviceSentence::Place& place = sentence.Places[n];
        out += place.IsNumber ? NumberText(place, locale) : Text(place.Word);
      }
      ++i;
      continue;
    }
    out += text[i];
  }
  return out;
}

std::string AdviceTexts::Compose(const std::vector<AdviceSentence>& sentences,
                                 const NumberLocale& locale) const {
  std::string out;
  for (const AdviceSentence& s : sentences) {
    if (!out.empty()) out += ' ';
    out += Compose(s, locale);
  }
  return out;
}
