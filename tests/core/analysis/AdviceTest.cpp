#include "analysis/Advice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/EditableFields.h"
#include "model/TBoard.h"

namespace {

constexpr long double kBalanceTolerance = 0.1L;  // N*m
// No moment sum falls below it: no search balances.
constexpr long double kNoBalance = -1;

const Advice::Suggestion* About(const Advice& advice, Advice::Angle angle) {
  for (const Advice::Suggestion& s : advice.Suggestions()) {
    if (s.About == angle) return &s;
  }
  return nullptr;
}

bool Says(const Advice& advice, AdviceKey key) {
  for (const AdviceSentence& s : advice.Sentences()) {
    if (s.Text == key) return true;
  }
  return false;
}

// The direction word of the move sentence.
AdviceKey Direction(const Advice& advice) {
  for (const AdviceSentence& s : advice.Sentences()) {
    if (s.Text == AdviceKey::MoveBy) return s.Places[2].Word;
    if (s.Text == AdviceKey::MoveRate) return s.Places[1].Word;
  }
  return AdviceKey::kCount;
}

// The effect word of the move sentence.
AdviceKey Effect(const Advice& advice) {
  for (const AdviceSentence& s : advice.Sentences()) {
    if (s.Text == AdviceKey::MoveBy) return s.Places[3].Word;
    if (s.Text == AdviceKey::MoveRate) return s.Places[2].Word;
  }
  return AdviceKey::kCount;
}

struct HeelCase {
  const char* name;
  bool bottom;
  const char* setting;  // changed from the default door to give it its heel
  long double value;
};

class HeelAdvice : public ::testing::TestWithParam<HeelCase> {};

TEST_P(HeelAdvice, FollowsTheSignsOfTheSensitivities) {
  const HeelCase& c = GetParam();
  TBoard door;
  door.Edit([&](DoorInputs& d) { d.Bottom = c.bottom; });
  door.SetPreciseGround(true);
  door.Edit([&](DoorInputs& d) { d.*(FindEditableField(c.setting)->Field) = c.value; });
  AdviceBands bands;
  bands.PitchDeg = 90;  // heel alone
  bands.AttackFromDeg = 0;
  bands.AttackToDeg = 90;
  Advice advice(door, {0, 0, 0}, bands, kBalanceTolerance);
  advice.Run();
  ASSERT_TRUE(advice.Balanced());
  const long double heel = advice.Balance().Angles[0];
  ASSERT_GT(std::fabs(heel), bands.HeelDeg) << "the case needs a door out of its heel band";

  // A positive turn about X leans the top of the door towards the net.
  EXPECT_TRUE(Says(advice, heel > 0 ? AdviceKey::HeelsInward : AdviceKey::HeelsOutward));
  EXPECT_FALSE(Says(advice, heel > 0 ? AdviceKey::HeelsOutward : AdviceKey::HeelsInward));
  const Advice::Suggestion* s = About(advice, Advice::Angle::Heel);
  ASSERT_NE(s, nullptr);
  ASSERT_GE(s->Attachment, 0) << "some attachment moves the heel";
  const Advice::Attachment& at = Advice::kAttachments[static_cast<std::size_t>(s->Attachment)];
  EXPECT_EQ(s->RatePerCm, advice.Sensitivities()[static_cast<std::size_t>(s->Attachment)].PerCm[0]);
  // The strongest of the attachments measured.
  for (const Advice::Sensitivity& m : advice.Sensitivities()) {
    if (m.Measured) {
      EXPECT_LE(std::fabs(m.PerCm[0]), std::fabs(s->RatePerCm));
    }
  }
  // The move named raises the setting exactly where heel and sensitivity have opposite signs.
  const AdviceKey direction = Direction(advice);
  const bool raise = direction == AdviceKey::Higher || direction == AdviceKey::Aft;
  EXPECT_EQ(raise, heel * s->RatePerCm < 0);
  EXPECT_EQ(at.Height, direction == AdviceKey::Higher || direction == AdviceKey::Lower);
  EXPECT_EQ(Effect(advice), AdviceKey::ReducesHeel);

  // Moving the point one centimetre that way reduces the heel, by the door's own balance.
  TBoard moved = door;
  moved.Edit(
      [&](DoorInputs& d) { d.*(FindEditableField(at.Field)->Field) += raise ? 0.01L : -0.01L; });
  const BalanceOutcome after = BalanceDoor(moved, advice.Balance().Angles, kBalanceTolerance);
  ASSERT_TRUE(after.Converged);
  EXPECT_LT(std::fabs(after.Angles[0]), std::fabs(heel));

  // An amount is told only where a balance with it lands near the middle of the band.
  if (s->MoveCm) {
    TBoard fixed = door;
    fixed.Edit([&](DoorInputs& d) { d.*(FindEditableField(at.Field)->Field) += *s->MoveCm / 100; });
    const BalanceOutcome b = BalanceDoor(fixed, advice.Balance().Angles, kBalanceTolerance);
    ASSERT_TRUE(b.Converged);
    EXPECT_LE(std::fabs(b.Angles[0]), Advice::kConfirmed * std::fabs(heel));
    EXPECT_TRUE(Says(advice, AdviceKey::MoveBy));
  } else {
    EXPECT_TRUE(Says(advice, AdviceKey::MoveRate));
  }
}

INSTANTIATE_TEST_SUITE_P(DoorsWithKnownHeel, HeelAdvice,
                         ::testing::Values(HeelCase{"DefaultHeelsInward", true, "zc0", 1.25L},
                                           HeelCase{"HighUpperBridleHeelsOutward", true, "zc0",
                                                    3.4L},
                                           HeelCase{"HighWarpPointHeelsInward", true, "z0", 1.1L},
                                           HeelCase{"LowWarpPointHeelsOutward", true, "z0", 0.9L},
                                           HeelCase{"MidwaterHeelsOutward", false, "zc0", 1.25L}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Advice, NothingWhereTheDoorSitsWithinItsBands) {
  TBoard door;
  AdviceBands wide;
  wide.HeelDeg = 30;
  wide.PitchDeg = 30;
  wide.AttackFromDeg = 20;
  wide.AttackToDeg = 50;
  Advice advice(door, {0, 0, 0}, wide, kBalanceTolerance);
  advice.Run();
  EXPECT_TRUE(advice.Balanced());
  EXPECT_TRUE(advice.Sentences().empty());
  EXPECT_TRUE(advice.Suggestions().empty());
}

TEST(Advice, NothingForADoorThatDoesNotBalance) {
  TBoard door;
  Advice advice(door, {0, 0, 0}, AdviceBands{}, kNoBalance);
  advice.Run();
  EXPECT_FALSE(advice.Balanced());
  EXPECT_TRUE(advice.Sentences().empty());
}

TEST(Advice, AttackOutsideItsBandIsTold) {
  TBoard door;  // attack about 37.3 degrees
  door.SetPreciseGround(true);
  AdviceBands bands;
  bands.HeelDeg = 90;
  bands.PitchDeg = 90;
  bands.AttackFromDeg = 30;
  bands.AttackToDeg = 34;
  Advice advice(door, {0, 0, 0}, bands, kBalanceTolerance);
  advice.Run();
  ASSERT_TRUE(Says(advice, AdviceKey::AttackAbove));
  const Advice::Suggestion* s = About(advice, Advice::Angle::Attack);
  ASSERT_NE(s, nullptr);
  EXPECT_GT(s->Deviation, 0);
  ASSERT_GE(s->Attachment, 0);
  EXPECT_EQ(Effect(advice), AdviceKey::LowersAttack);
}

TEST(Advice, NeverMoreThanThreeSentences) {
  TBoard door;
  door.Edit([&](DoorInputs& d) {
    d.Bottom = false;
  });  // heel, pitch and attack all far from narrow bands
  AdviceBands narrow;
  narrow.HeelDeg = 0.5L;
  narrow.PitchDeg = 0.5L;
  narrow.AttackFromDeg = 40;
  narrow.AttackToDeg = 41;
  Advice advice(door, {0, 0, 0}, narrow, kBalanceTolerance);
  advice.Run();
  EXPECT_EQ(advice.Suggestions().size(), 3u);
  EXPECT_EQ(advice.Sentences().size(), static_cast<std::size_t>(Advice::kMaxSentences));
}

TEST(AdviceTexts, ComposesSentencesWithTheLocalesDecimalSeparator) {
  AdviceTexts texts;
  AdviceSentence heel;
  heel.Text = AdviceKey::HeelsOutward;
  AdviceSentence::Place degrees;
  degrees.IsNumber = true;
  degrees.Number = 7.24L;
  heel.Places = {degrees};
  AdviceSentence move;
  move.Text = AdviceKey::MoveBy;
  AdviceSentence::Place point, cm = degrees, way, effect, rate = degrees;
  point.Word = AdviceKey::UpperBridle;
  cm.Number = 2;
  way.Word = AdviceKey::Lower;
  effect.Word = AdviceKey::ReducesHeel;
  rate.Number = 1.6L;
  move.Places = {point, cm, way, effect, rate};
  EXPECT_EQ(texts.Compose({heel, move}),
            "The door heels 7.2\u00b0 outward (its top leans away from the net). Moving the upper "
            "bridle attachment 2.0 cm lower reduces heel by about 1.6\u00b0 per cm.");
  NumberLocale comma;
  comma.Decimal = ",";
  EXPECT_TRUE(texts.Set("AdviceHeelsOutward", "Doska krenitsya naruzhu na %1\u00b0."));
  EXPECT_EQ(texts.Compose(heel, comma), "Doska krenitsya naruzhu na 7,2\u00b0.");
  EXPECT_FALSE(texts.Set("AdviceNoSuchText", "x"));
  EXPECT_EQ(AdviceTexts::KeyName(AdviceKey::RaisesAttack), "AdviceRaisesAttack");
}

TEST(AdviceTexts, EveryKeyHasAnEnglishTextAndADistinctName) {
  const AdviceTexts texts;
  for (int i = 0; i < AdviceTexts::kKeyCount; ++i) {
    const auto key = static_cast<AdviceKey>(i);
    EXPECT_FALSE(texts.Text(key).empty()) << i;
    for (int j = 0; j < i; ++j)
      EXPECT_NE(AdviceTexts::KeyName(key), AdviceTexts::KeyName(static_cast<AdviceKey>(j)));
  }
}

}  // namespace
