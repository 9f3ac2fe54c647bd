#pragma once

#include <map>
#include <string>
#include <string_view>

#include "ReportSource.h"
#include "drawing/ViewFlags.h"
#include "model/XYZ.h"

class TBoard;

// The printed report's source for the command line, which has no windows: each control the
// report links to is described as the window would show it for this door. Captions and
// hints come from the program's language file of the chosen language, the entry fields'
// texts from the door in the windows' number formats, the pictures from the door's picture
// files or the program's own, and the drawings are drawn on canvases of the windows' sizes.
class CliReportSource : public ReportSource {
 public:
  // `board` is the door in the position to print; `languageFile` the language file whose
  // texts the controls show (empty: none, controls then show no caption or hint).
  CliReportSource(TBoard& board, const std::string& languageFile, const ViewFlags& projection,
                  const ViewFlags& balance);

  // Why the language file cannot give the report its texts (unreadable, cut short, not a
  // language file); empty when it can or when none was asked for.
  const std::string& LanguageProblem() const { return languageProblem_; }

  void Update() override;
  const TBoard& Board() const override { return board_; }
  LinkedControl Control(std::string_view form, std::string_view name) const override;
  ReportPicture Picture(std::string_view form, std::string_view name) const override;
  ReportPicture Drawing(std::string_view form, std::string_view name, QSize size) override;

 private:
  struct Texts {
    std::string Caption;
    std::string Hint;
  };
  // The texts of a control as its window shows them: the language file's, or none.
  Texts TextsOf(std::string_view form, std::string_view name) const;
  // The entry field's text, or nothing when the window has no such field.
  bool FieldText(std::string_view form, std::string_view name, std::string& text,
                 LinkedControl::Kind& kind) const;

  TBoard& board_;
  std::string languageProblem_;
  ViewFlags projection_;
  ViewFlags balance_;
  XYZ stability_{};
  std::map<std::string, Texts> texts_;  // by "Form.control", the control's name in lower case
};
