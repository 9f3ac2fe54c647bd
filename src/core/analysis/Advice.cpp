#include "analysis/Advice.h"

#include <algorithm>
#include <cmath>

#include "model/EditableFields.h"

namespace {
constexpr long double kMetresPerCm = 0.01L;

bool Usable(const BalanceOutcome& b) {
  return b.Converged && b.Finite();
}

AdviceSentence::Place Word(AdviceKey key) {
  AdviceSentence::Place p;
  p.Word = key;
  return p;
}

AdviceSentence::Place Number(long double value, int decimals = 1, bool trimZeros = false) {
  AdviceSentence::Place p;
  p.IsNumber = true;
  p.Number = value;
  p.Decimals = decimals;
  p.TrimZeros = trimZeros;
  return p;
}

// Degrees per cm as the sentence gives them: two decimals below one degree.
AdviceSentence::Place Rate(long double perCm) {
  const long double size = std::fabs(perCm);
  return Number(size, size < 0.95L ? 2 : 1);
}
}  // namespace

Advice::Advice(const TBoard& door, const AngleTriple& start, AdviceBands bands,
               long double tolerance)
    : door_(door), start_(start), bands_(bands), tolerance_(tolerance) {}

long double Advice::AngleOf(const BalanceOutcome& balance, Angle angle) {
  switch (angle) {
    case Angle::Heel:
      return balance.Angles[0];
    case Angle::Pitch:
      return balance.Angles[1];
    case Angle::Attack:
      break;
  }
  return balance.WingAttackDeg;
}

long double Advice::Middle(Angle angle) const {
  if (angle == Angle::Attack) return (bands_.AttackFromDeg + bands_.AttackToDeg) / 2;
  return 0;
}

long double Advice::Excess(Angle angle) const {
  const long double a = AngleOf(balance_, angle);
  long double low = -bands_.HeelDeg, high = bands_.HeelDeg;
  if (angle == Angle::Pitch) {
    low = -bands_.PitchDeg;
    high = bands_.PitchDeg;
  } else if (angle == Angle::Attack) {
    low = bands_.AttackFromDeg;
    high = bands_.AttackToDeg;
  }
  if (a > high) return a - high;
  if (a < low) return a - low;
  return 0;
}

std::optional<BalanceOutcome> Advice::BalanceWith(int attachment, long double moveCm) {
  const auto field = FindEditableField(kAttachments[static_cast<std::size_t>(attachment)].Field);
  if (!field) return std::nullopt;
  TBoard door = door_;
  door.Edit(
      [&field, moveCm](DoorInputs& inputs) { inputs.*(field->Field) += moveCm * kMetresPerCm; });
  const BalanceOutcome b = BalanceDoor(door, balance_.Angles, tolerance_);
  if (!Usable(b)) return std::nullopt;
  return b;
}

void Advice::Measure() {
  for (int i = 0; i < static_cast<int>(kAttachments.size()); ++i) {
    Sensitivity& s = sensitivities_[static_cast<std::size_t>(i)];
    const auto plus = BalanceWith(i, kStepCm);
    const auto minus = BalanceWith(i, -kStepCm);
    if (!plus || !minus) continue;
    s.Measured = true;
    for (const Angle a : {Angle::Heel, Angle::Pitch, Angle::Attack}) {
      s.PerCm[static_cast<std::size_t>(a)] =
          (AngleOf(*plus, a) - AngleOf(*minus, a)) / (2 * kStepCm);
    }
  }
}

Advice::Suggestion Advice::Suggest(Angle angle) {
  Suggestion s;
  s.About = angle;
  s.Deviation = AngleOf(balance_, angle) - Middle(angle);
  const auto q = static_cast<std::size_t>(angle);
  for (int i = 0; i < static_cast<int>(kAttachments.size()); ++i) {
    const Sensitivity& m = sensitivities_[static_cast<std::size_t>(i)];
    if (!m.Measured || !(std::fabs(m.PerCm[q]) >= kLeastRate)) continue;
    if (s.Attachment < 0 || std::fabs(m.PerCm[q]) > std::fabs(s.RatePerCm)) {
      s.Attachment = i;
      s.RatePerCm = m.PerCm[q];
    }
  }
  if (s.Attachment < 0) return s;
  const long double move = -s.Deviation / s.RatePerCm;
  if (!(std::fabs(move) <= kLongestMoveCm)) return s;
  // The estimate is told only when the door, balanced with the move, bears it out.
  const auto moved = BalanceWith(s.Attachment, move);
  if (moved &&
      std::fabs(AngleOf(*moved, angle) - Middle(angle)) <= kConfirmed * std::fabs(s.Deviation)) {
    s.MoveCm = move;
  }
  return s;
}

void Advice::Write(const Suggestion& s) {
  const long double a = AngleOf(balance_, s.About);
  AdviceSentence statement;
  switch (s.About) {
    case Angle::Heel:
      // A positive turn about X brings the top of the door towards -Y, the net's side.
      statement.Text = a > 0 ? AdviceKey::HeelsInward : AdviceKey::HeelsOutward;
      statement.Places = {Number(std::fabs(a))};
      break;
    case Angle::Pitch:
      // A positive turn about Y brings the leading edge (+X) up.
      statement.Text = a > 0 ? AdviceKey::PitchesNoseUp : AdviceKey::PitchesNoseDown;
      statement.Places = {Number(std::fabs(a))};
      break;
    case Angle::Attack:
      statement.Text = s.Deviation > 0 ? AdviceKey::AttackAbove : AdviceKey::AttackBelow;
      statement.Places = {Number(a), Number(bands_.AttackFromDeg, 1, true),
                          Number(bands_.AttackToDeg, 1, true)};
      break;
  }
  sentences_.push_back(statement);
  if (s.Attachment < 0) return;

  const Attachment& at = kAttachments[static_cast<std::size_t>(s.Attachment)];
  // The way that moves the angle towards the middle of its band.
  const bool increase = -s.Deviation * s.RatePerCm > 0;
  const AdviceKey direction = at.Height ? (increase ? AdviceKey::Higher : AdviceKey::Lower)
                                        : (increase ? AdviceKey::Aft : AdviceKey::Forward);
  AdviceKey effect = AdviceKey::ReducesHeel;
  if (s.About == Angle::Pitch) effect = AdviceKey::ReducesPitch;
  if (s.About == Angle::Attack) {
    effect = s.Deviation > 0 ? AdviceKey::LowersAttack : AdviceKey::RaisesAttack;
  }
  AdviceSentence move;
  if (s.MoveCm) {
    move.Text = AdviceKey::MoveBy;
    move.Places = {Word(at.Point), Number(std::fabs(*s.MoveCm)), Word(direction), Word(effect),
                   Rate(s.RatePerCm)};
  } else {
    move.Text = AdviceKey::MoveRate;
    move.Places = {Word(at.Point), Word(direction), Word(effect), Rate(s.RatePerCm)};
  }
  sentences_.push_back(move);
}

void Advice::Run() {
  suggestions_.clear();
  sentences_.clear();
  sensitivities_ = {};
  TBoard door = door_;
  balance_ = BalanceDoor(door, start_, tolerance_);
  balanced_ = Usable(balance_);
  if (!balanced_) return;
  std::vector<Angle> outside;
  for (const Angle a : {Angle::Heel, Angle::Pitch, Angle::Attack}) {
    if (Excess(a) != 0) outside.push_back(a);
  }
  if (outside.empty()) return;
  std::stable_sort(outside.begin(), outside.end(), [this](Angle a, Angle b) {
    return std::fabs(Excess(a)) > std::fabs(Excess(b));
  });
  Measure();
  for (const Angle a : outside) {
    suggestions_.push_back(Suggest(a));
    Write(suggestions_.back());
  }
  if (sentences_.size() > static_cast<std::size_t>(kMaxSentences)) sentences_.resize(kMaxSentences);
}
