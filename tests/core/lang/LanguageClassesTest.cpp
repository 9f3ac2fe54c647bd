#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "lang/LanguageClasses.h"

namespace {

// One entry whose two lines can be told apart wherever they land.
LanguageFile::Entry SampleEntry() {
  return LanguageFile::Entry{"Control1", "caption line", "hint line", 4};
}

struct ClassCase {
  const char* ClassName;
  std::optional<std::string> Caption;
  std::optional<std::string> Hint;
  std::optional<std::string> Title;
};

class ClassRule : public testing::TestWithParam<ClassCase> {};

TEST_P(ClassRule, SetsTheTextsOfItsClass) {
  const LanguageClasses::Texts texts =
      LanguageClasses::TextsFor(SampleEntry(), GetParam().ClassName);
  EXPECT_EQ(texts.Caption, GetParam().Caption);
  EXPECT_EQ(texts.Hint, GetParam().Hint);
  EXPECT_EQ(texts.Title, GetParam().Title);
}

const std::nullopt_t kKept = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    LanguageClasses, ClassRule,
    testing::Values(
        // A control with a text takes both lines.
        ClassCase{"TLabel", "caption line", "hint line", kKept},
        ClassCase{"TButton", "caption line", "hint line", kKept},
        ClassCase{"TMenuItem", "caption line", "hint line", kKept},
        // An edit field shows what the user typed: only its hint changes.
        ClassCase{"TEdit", kKept, "hint line", kKept},
        ClassCase{"TEditF", kKept, "hint line", kKept},
        ClassCase{"ScPic", kKept, "hint line", kKept},
        // A picture's hint comes from the caption line; its hint line is not used.
        ClassCase{"TImage", kKept, "caption line", kKept},
        ClassCase{"TOpenDialog", kKept, kKept, "caption line"},
        ClassCase{"TForm", kKept, kKept, "caption line"},
        ClassCase{"TInvText", "caption line", kKept, kKept},
        ClassCase{"TTabSheet", "caption line", kKept, kKept},
        // Not in the table, also a subclass or another spelling: nothing changes.
        ClassCase{"TSaveDialog", kKept, kKept, kKept}, ClassCase{"tlabel", kKept, kKept, kKept},
        ClassCase{"QLabel", kKept, kKept, kKept}, ClassCase{"", kKept, kKept, kKept}),
    [](const testing::TestParamInfo<ClassCase>& info) {
      const std::string name = info.param.ClassName;
      return name.empty() ? std::string("Empty") : name;
    });

TEST(LanguageClasses, RuleOnlyForClassesInTheTable) {
  EXPECT_TRUE(LanguageClasses::RuleFor("TGroupBox").has_value());
  EXPECT_FALSE(LanguageClasses::RuleFor("TGroupBox2").has_value());
}

}  // namespace
