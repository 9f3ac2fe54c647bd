#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "analysis/AdviceTexts.h"
#include "analysis/BalanceOutcome.h"
#include "model/TBoard.h"

// Where the balanced door should sit: heel (rotation about X) and pitch (rotation about Y)
// within +-HeelDeg and +-PitchDeg, the wing's attack angle between AttackFromDeg and
// AttackToDeg.
struct AdviceBands {
  long double HeelDeg = 2;
  long double PitchDeg = 2;
  long double AttackFromDeg = 30;
  long double AttackToDeg = 40;
};

// Advice in plain words: what is wrong with the balance and which attachment point to move
// how far to put it right, from the sensitivities of heel, pitch and attack angle to the
// bridle and warp attachment points.
//
// The sensitivities are central differences at the balance: each point's height and abscissa
// moved by kStepCm either way, the door balanced again from the balance (the Newton search).
// For each angle outside its band (the worst first) the advice says by how much, then names
// the move with the largest effect on it, if any moves it by kLeastRate or more per cm: the
// distance that brings the angle to the middle of its band by the sensitivity, when the door
// balanced with that move confirms the estimate (within kConfirmed of the change asked) and it
// is at most kLongestMoveCm; otherwise only the effect per cm, which the differences measured.
// At most kMaxSentences sentences; none when the door sits within its bands or does not
// balance.
class Advice {
 public:
  static constexpr long double kStepCm = 1;
  static constexpr long double kLeastRate = 0.05L;  // degrees per cm
  static constexpr long double kLongestMoveCm = 30;
  static constexpr long double kConfirmed = 0.3L;  // of the change asked
  static constexpr int kMaxSentences = 3;

  enum class Angle { Heel, Pitch, Attack };

  // A setting the advice may suggest moving.
  struct Attachment {
    std::string_view Field;  // model name of the setting, in metres
    AdviceKey Point;
    bool Height;  // the applicate (up positive); otherwise the abscissa (aft positive)
  };
  static constexpr std::array<Attachment, 6> kAttachments = {{
      {"zc0", AdviceKey::UpperBridle, true},
      {"xc0", AdviceKey::UpperBridle, false},
      {"zc1", AdviceKey::LowerBridle, true},
      {"xc1", AdviceKey::LowerBridle, false},
      {"z0", AdviceKey::WarpPoint, true},
      {"x0", AdviceKey::WarpPoint, false},
  }};

  // Degrees per cm of each angle for one attachment; nothing where a balance failed.
  struct Sensitivity {
    bool Measured = false;
    std::array<long double, 3> PerCm{};  // heel, pitch, attack
  };

  // What one piece of advice says, besides its words.
  struct Suggestion {
    Angle About = Angle::Heel;
    long double Deviation = 0;          // the angle's signed distance from the middle of its band
    int Attachment = -1;                // index into kAttachments; -1: no move is strong enough
    long double RatePerCm = 0;          // change of the angle per cm of the move (signed)
    std::optional<long double> MoveCm;  // signed: raising or moving aft is positive
  };

  // The door balances first from `start` (degrees).
  Advice(const TBoard& door, const AngleTriple& start, AdviceBands bands, long double tolerance);

  // Balances the door, measures the sensitivities where an angle is out of its band, and
  // forms the advice.
  void Run();

  bool Balanced() const { return balanced_; }
  const BalanceOutcome& Balance() const { return balance_; }
  const std::array<Sensitivity, kAttachments.size()>& Sensitivities() const {
    return sensitivities_;
  }
  const std::vector<Suggestion>& Suggestions() const { return suggestions_; }
  const std::vector<AdviceSentence>& Sentences() const { return sentences_; }

  // The angle a balance shows, degrees.
  static long double AngleOf(const BalanceOutcome& balance, Angle angle);

 private:
  // The angle's signed distance outside its band, 0 within it.
  long double Excess(Angle angle) const;
  long double Middle(Angle angle) const;
  std::optional<BalanceOutcome> BalanceWith(int attachment, long double moveCm);
  void Measure();
  Suggestion Suggest(Angle angle);
  void Write(const Suggestion& s);

  TBoard door_;
  AngleTriple start_;
  AdviceBands bands_;
  long double tolerance_;
  bool balanced_ = false;
  BalanceOutcome balance_;
  std::array<Sensitivity, kAttachments.size()> sensitivities_{};
  std::vector<Suggestion> suggestions_;
  std::vector<AdviceSentence> sentences_;
};
