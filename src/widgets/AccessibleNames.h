#pragma once

class QWidget;

// What a screen reader says for the controls of a window. A field is named by its caption:
// the label beside it (or over it) in its layout becomes its buddy, so the name is the
// caption in whatever language the label shows. What has no caption of its own is named
// from the texts the language files set around it, and named again after every change of
// language: a field or table by its hint, else by the group it stands in; a picture or graph
// by its hint, else by the tab page, group or window it shows, and described by its hint,
// else by its window's title.
class AccessibleNames {
 public:
  // Links the captions of the form's own fields (not those of the windows it owns) and
  // names the rest; run after the window was built and after each change of language.
  static void Follow(QWidget& form);
};
