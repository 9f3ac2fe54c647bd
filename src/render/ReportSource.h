#pragma once

#include <QSize>
#include <string_view>

#include "ReportPicture.h"
#include "print/LinkedControl.h"

class TBoard;

// Where the printed report takes what it prints: the controls of the program's windows,
// addressed by window and control name as the language files address them, described for a
// door (DoorReportSource, from the door, its results and the language files).
class ReportSource {
 public:
  virtual ~ReportSource() = default;

  // Makes every result current, as the balance window's Update does.
  virtual void Update() = 0;
  // The door whose tables the report lists.
  virtual const TBoard& Board() const = 0;
  // The control's kind and texts; Kind::None when the window has no such control.
  virtual LinkedControl Control(std::string_view form, std::string_view name) const = 0;
  // The picture a picture control shows.
  virtual ReportPicture Picture(std::string_view form, std::string_view name) const = 0;
  // The drawing of a drawing surface. With a size, drawn at that size of the surface, which
  // gets its own size back afterwards; otherwise as it stands.
  virtual ReportPicture Drawing(std::string_view form, std::string_view name,
                                QSize size = QSize()) = 0;
};
