#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "numbers/NumberLocale.h"

// The texts advice is written in, each under a key, so that a language can supply its own:
// whole sentences with numbered places (%1, %2, ...) and the words that fill them (which point
// moves, which way, what it changes). English is built in; a window replaces texts by key name
// from its language file, keeping English for any it does not find.
enum class AdviceKey {
  // Sentences.
  HeelsOutward,     // %1 degrees
  HeelsInward,      // %1 degrees
  PitchesNoseUp,    // %1 degrees
  PitchesNoseDown,  // %1 degrees
  AttackAbove,      // %1 attack angle, %2 and %3 the band
  AttackBelow,      // the same
  MoveBy,           // %1 point, %2 centimetres, %3 direction, %4 effect, %5 degrees per cm
  MoveRate,         // %1 point, %2 direction, %3 effect, %4 degrees per cm
  // Points.
  UpperBridle,
  LowerBridle,
  WarpPoint,
  // Directions.
  Higher,
  Lower,
  Forward,
  Aft,
  // Effects.
  ReducesHeel,
  ReducesPitch,
  LowersAttack,
  RaisesAttack,
  kCount
};

// One sentence of advice: the key of its text and what fills its places, in order.
struct AdviceSentence {
  struct Place {
    bool IsNumber = false;
    AdviceKey Word = AdviceKey::kCount;  // a word when not a number
    long double Number = 0;
    int Decimals = 1;
    bool TrimZeros = false;  // trailing zeros of the decimals left out
  };
  AdviceKey Text = AdviceKey::kCount;
  std::vector<Place> Places;
};

class AdviceTexts {
 public:
  static constexpr int kKeyCount = static_cast<int>(AdviceKey::kCount);

  // English.
  AdviceTexts();

  // The name a language file gives the text: "Advice" and the key ("AdviceHeelsOutward").
  static std::string KeyName(AdviceKey key);
  // Replaces the text of the key so named; false (nothing changes) for an unknown name.
  bool Set(std::string_view keyName, std::string text);
  const std::string& Text(AdviceKey key) const;

  // The sentences one after another, separated by single blanks; numbers with the locale's
  // decimal separator.
  std::string Compose(const std::vector<AdviceSentence>& sentences,
                      const NumberLocale& locale = NumberLocale{}) const;
  std::string Compose(const AdviceSentence& sentence,
                      const NumberLocale& locale = NumberLocale{}) const;

 private:
  std::array<std::string, kKeyCount> texts_;
};
