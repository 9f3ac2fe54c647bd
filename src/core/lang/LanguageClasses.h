#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lang/LanguageFile.h"

// What an entry of a language file changes on a control, by the control's class. The language
// files were laid down for a toolkit whose class names they still use ("TLabel", "TEdit"):
// the windows map each of their controls to one of these names, and this table says which of
// the entry's two lines goes where. The class is compared exactly: a class not in the table
// gets nothing.
//
//   caption and hint  TLabel TPanel TGroupBox TSpeedButton TRadioButton TBitBtn TButton
//                     TCheckBox TDBCheckBox TToolButton TToolBar TMenuItem TQRLabel TAction
//   hint only         TEdit TEditF TDBText TDBMemo TDBEdit TDBGrid TDBGridUs ScPic TBevel
//                     TComboBox TControlBar TCoolBar TScrollBar TSplitter
//   caption only      TInvText TTabSheet, and the data fields' display labels (TBooleanField
//                     TBytesField TFloatField TIntegerField TSmallintField TStringField)
//   caption -> hint   TImage: a picture has no text, so its one line is its hint
//   caption -> title  TOpenDialog; TForm, the window itself, for an entry named after the
//                     window (the window's title)
class LanguageClasses {
 public:
  // Where a line of an entry goes.
  enum class Target { None, Caption, Hint, Title };

  struct Rule {
    Target CaptionLine = Target::None;
    Target HintLine = Target::None;
  };

  // The texts an entry sets on one control; a member without a value leaves that text as
  // it is.
  struct Texts {
    std::optional<std::string> Caption;  // the control's text: label, button, menu item, tab
    std::optional<std::string> Hint;     // its tool tip
    std::optional<std::string> Title;    // a window's or file dialog's title
  };

  // The rule of class `className`; none for a class outside the table.
  static std::optional<Rule> RuleFor(std::string_view className);
  // What `entry` sets on a control of class `className`.
  static Texts TextsFor(const LanguageFile::Entry& entry, std::string_view className);
};
