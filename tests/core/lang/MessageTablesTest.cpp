#include <gtest/gtest.h>

#include <string_view>

#include "lang/MessageTables.h"

namespace {

struct LanguageCase {
  int Language;
  bool Russian;
};

class TwoLanguage : public testing::TestWithParam<LanguageCase> {};

TEST_P(TwoLanguage, IndexOneIsRussianAnyOtherEnglish) {
  constexpr TwoLanguageText text = ProjTexts::kFrontView;
  const std::string_view expected = GetParam().Russian ? text.Russian : text.English;
  EXPECT_EQ(text.In(GetParam().Language), expected);
}

// 2 is what a Norwegian switch would pass; -1 a stray value.
INSTANTIATE_TEST_SUITE_P(MessageTables, TwoLanguage,
                         testing::Values(LanguageCase{0, false}, LanguageCase{1, true},
                                         LanguageCase{2, false}, LanguageCase{-1, false}));

}  // namespace
