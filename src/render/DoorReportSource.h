#pragma once

#include <map>
#include <string>
#include <string_view>

#include "ReportSource.h"
#include "drawing/ViewFlags.h"
#include "lang/FileProblem.h"
#include "lang/TextCatalogue.h"
#include "model/TBoard.h"
#include "model/XYZ.h"

// The printed report's source, the same for the desktop program and the command line: each
// control the report links to is described as its window shows it for this door, from the
// door, its results and the texts of a language file, never from the controls themselves.
// Captions and hints come from the language file, the entry fields' texts from the door in the
// windows' number formats (DisplayFormats), the pictures from the door's picture files or the
// program's own, and the drawings are drawn on canvases of the windows' design sizes.
class DoorReportSource : public ReportSource {
 public:
  // `door` is the door at the position to print (its rotation); the source works on its own
  // copy. `languageFile` is the language file whose texts the controls show (empty: none, the
  // controls then show no caption or hint); the flags are the display switches of the
  // projections dialog's and the balance window's drawings.
  DoorReportSource(const TBoard& door, const std::string& languageFile, const ViewFlags& projection,
                   const ViewFlags& balance);

  // Why the language file cannot give the report its texts (unreadable, cut short, not a
  // language file); empty when it can or when none was asked for.
  const std::string& LanguageProblem() const { return languageProblem_; }
  // The same as data, for a window to say in its language.
  const FileProblem& LanguageProblemData() const { return languageProblemData_; }

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

  TBoard board_;
  std::string languageProblem_;
  FileProblem languageProblemData_;
  ViewFlags projection_;
  ViewFlags balance_;
  XYZ stability_{};
  // The words of the program's drawings, from the same file.
  TextCatalogue pictureTexts_ = TextCatalogue::English();
  std::map<std::string, Texts> texts_;  // by "Form.control", the control's name in lower case
};
