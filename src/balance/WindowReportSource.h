#pragma once

#include <functional>

#include "ReportSource.h"

class QWidget;
class TBoard;

// The printed report's source in the desktop program: the controls of the program's windows
// themselves, each window found among the application's windows by its name and each
// control inside it by its name, as the language files address them. A control's exact class
// decides what it shows; pictures come from their picture files where the control names one
// (printed as vectors), otherwise from the picture the control shows. The coefficient
// editors redraw their graphs at the sizes asked for and get their own sizes back.
class WindowReportSource : public ReportSource {
 public:
  // `update` makes the balance window's results current.
  WindowReportSource(const TBoard& board, std::function<void()> update);

  void Update() override;
  const TBoard& Board() const override { return board_; }
  LinkedControl Control(std::string_view form, std::string_view name) const override;
  ReportPicture Picture(std::string_view form, std::string_view name) const override;
  ReportPicture Drawing(std::string_view form, std::string_view name, QSize size) override;

 private:
  const TBoard& board_;
  std::function<void()> update_;
};
