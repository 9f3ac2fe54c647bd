#include <gtest/gtest.h>

#include <string>

#include "print/LinkedControl.h"

namespace {

using Kind = LinkedControl::Kind;

struct LinkCase {
  const char* Name;
  LinkedControl Control;
  bool HintSource;
  std::string Expected;
};

LinkedControl Control(Kind kind, bool checked = false) {
  return {kind, "Caption", "Hint", "1.25", checked};
}

class LinkLabelTextTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LinkLabelTextTest, PrintsWhatTheLinkedControlShows) {
  const LinkCase& c = GetParam();
  EXPECT_EQ(LinkLabelText(c.Control, c.HintSource, "Design"), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    ByKindOfControl, LinkLabelTextTest,
    ::testing::Values(LinkCase{"NoControl", LinkedControl{}, false, "Empty !!!"},
                      LinkCase{"NoControlHint", LinkedControl{}, true, "Empty !!!"},
                      LinkCase{"Label", Control(Kind::Label), false, "Caption"},
                      LinkCase{"LabelHint", Control(Kind::Label), true, "Hint"},
                      LinkCase{"Edit", Control(Kind::Edit), false, "1.25"},
                      LinkCase{"EditHint", Control(Kind::Edit), true, "Hint 1.25"},
                      LinkCase{"EditF", Control(Kind::EditF), false, "1.25"},
                      LinkCase{"EditFHint", Control(Kind::EditF), true, "Hint 1.25"},
                      LinkCase{"GroupBox", Control(Kind::GroupBox), false, "Caption"},
                      LinkCase{"GroupBoxHint", Control(Kind::GroupBox), true, "Hint"},
                      LinkCase{"CheckedBox", Control(Kind::CheckBox, true), false, "Caption: Yes"},
                      LinkCase{"ClearBox", Control(Kind::CheckBox, false), false, "Caption: No"},
                      LinkCase{"ClearBoxHint", Control(Kind::CheckBox, false), true, "Caption: No"},
                      LinkCase{"OtherKeepsDesign", Control(Kind::Other), false, "Design"},
                      LinkCase{"OtherHintKeepsDesign", Control(Kind::Other), true, "Design"}),
    [](const ::testing::TestParamInfo<LinkCase>& info) { return std::string(info.param.Name); });

}  // namespace
