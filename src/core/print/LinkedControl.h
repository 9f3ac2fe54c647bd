#pragma once

#include <string>

// What a printed text item knows of the control it prints: the control's exact kind and the
// texts it holds. The windows fill it from their real controls; the command line, which has
// none, fills it from the door and the language files.
struct LinkedControl {
  enum class Kind {
    None,      // nothing linked
    Label,     // a static caption
    Edit,      // a plain entry field
    EditF,     // a validated numeric field
    GroupBox,  // a captioned frame
    CheckBox,  // a captioned switch
    Other,     // any other control: the item keeps its own design caption
  };

  Kind Class = Kind::None;
  std::string Caption;  // labels, group boxes and check boxes
  std::string Hint;
  std::string Text;  // entry fields
  bool Checked = false;
};

// The text a linked label prints: by the linked control's exact kind, its caption, hint or
// text; "Empty !!!" with nothing linked, and the item's own design caption for a kind it
// does not know. With hintSource an entry field prints its hint, a blank and its text.
std::string LinkLabelText(const LinkedControl& control, bool hintSource,
                          const std::string& designCaption);
