#include "print/LinkedControl.h"

std::string LinkLabelText(const LinkedControl& control, bool hintSource,
                          const std::string& designCaption) {
  using Kind = LinkedControl::Kind;
  switch (control.Class) {
    case Kind::None:
      return "Empty !!!";
    case Kind::Label:
    case Kind::GroupBox:
      return hintSource ? control.Hint : control.Caption;
    case Kind::Edit:
    case Kind::EditF:
      return hintSource ? control.Hint + " " + control.Text : control.Text;
    case Kind::CheckBox:
      // The switch's state reads the same whichever text was asked for.
      return control.Caption + (control.Checked ? ": Yes" : ": No");
    case Kind::Other:
      break;
  }
  return designCaption;
}
