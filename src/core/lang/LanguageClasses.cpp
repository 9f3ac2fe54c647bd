#include "lang/LanguageClasses.h"

#include <array>
#include <utility>

namespace {

using Target = LanguageClasses::Target;
using Rule = LanguageClasses::Rule;

constexpr Rule kCaptionAndHint{Target::Caption, Target::Hint};
constexpr Rule kHintOnly{Target::None, Target::Hint};
constexpr Rule kCaptionOnly{Target::Caption, Target::None};
constexpr Rule kCaptionIsHint{Target::Hint, Target::None};
constexpr Rule kCaptionIsTitle{Target::Title, Target::None};

constexpr std::array<std::pair<std::string_view, Rule>, 39> kRules = {{
    {"TLabel", kCaptionAndHint},
    {"TPanel", kCaptionAndHint},
    {"TGroupBox", kCaptionAndHint},
    {"TSpeedButton", kCaptionAndHint},
    {"TRadioButton", kCaptionAndHint},
    {"TBitBtn", kCaptionAndHint},
    {"TButton", kCaptionAndHint},
    {"TCheckBox", kCaptionAndHint},
    {"TDBCheckBox", kCaptionAndHint},
    {"TToolButton", kCaptionAndHint},
    {"TToolBar", kCaptionAndHint},
    {"TMenuItem", kCaptionAndHint},
    {"TQRLabel", kCaptionAndHint},
    {"TAction", kCaptionAndHint},
    {"TEdit", kHintOnly},
    {"TEditF", kHintOnly},
    {"TDBText", kHintOnly},
    {"TDBMemo", kHintOnly},
    {"TDBEdit", kHintOnly},
    {"TDBGrid", kHintOnly},
    {"TDBGridUs", kHintOnly},
    {"ScPic", kHintOnly},
    {"TBevel", kHintOnly},
    {"TComboBox", kHintOnly},
    {"TControlBar", kHintOnly},
    {"TCoolBar", kHintOnly},
    {"TScrollBar", kHintOnly},
    {"TSplitter", kHintOnly},
    {"TImage", kCaptionIsHint},
    {"TOpenDialog", kCaptionIsTitle},
    {"TForm", kCaptionIsTitle},
    {"TInvText", kCaptionOnly},
    {"TTabSheet", kCaptionOnly},
    {"TBooleanField", kCaptionOnly},
    {"TBytesField", kCaptionOnly},
    {"TFloatField", kCaptionOnly},
    {"TIntegerField", kCaptionOnly},
    {"TSmallintField", kCaptionOnly},
    {"TStringField", kCaptionOnly},
}};

void Put(LanguageClasses::Texts& texts, Target target, const std::string& text) {
  switch (target) {
    case Target::Caption:
      texts.Caption = text;
      break;
    case Target::Hint:
      texts.Hint = text;
      break;
    case Target::Title:
      texts.Title = text;
      break;
    case Target::None:
      break;
  }
}

}  // namespace

std::optional<LanguageClasses::Rule> LanguageClasses::RuleFor(std::string_view className) {
  for (const auto& [name, rule] : kRules)
    if (name == className) return rule;
  return std::nullopt;
}

LanguageClasses::Texts LanguageClasses::TextsFor(const LanguageFile::Entry& entry,
                                                 std::string_view className) {
  Texts texts;
  if (const std::optional<Rule> rule = RuleFor(className)) {
    Put(texts, rule->CaptionLine, entry.Caption);
    Put(texts, rule->HintLine, entry.Hint);
  }
  return texts;
}
