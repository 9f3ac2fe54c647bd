#pragma once

#include <memory>

#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "shell/DisplayFlags.h"

class TMain_f;
class TAboutBox;
class TAskAny;
class HelpBrowser;
class CalculatorLauncher;

// Everything the desktop program keeps for its whole run: the one door model, the display
// flags, the view settings a data file carries, and every window, each created once. Windows
// reach each other and the door through it.
class DoorTrimApp {
 public:
  // Creates the door model, then every window, main window first.
  DoorTrimApp();
  ~DoorTrimApp();
  DoorTrimApp(const DoorTrimApp&) = delete;
  DoorTrimApp& operator=(const DoorTrimApp&) = delete;

  TBoard Board;
  DisplayFlags Flags;
  ViewSettings View;

  TMain_f& Main() { return *main_; }
  TAboutBox& About() { return *about_; }
  TAskAny& AskAny() { return *askAny_; }
  HelpBrowser& Help() { return *help_; }
  CalculatorLauncher& Calculator() { return *calculator_; }

 private:
  std::unique_ptr<TMain_f> main_;
  std::unique_ptr<TAboutBox> about_;
  std::unique_ptr<TAskAny> askAny_;
  std::unique_ptr<HelpBrowser> help_;
  std::unique_ptr<CalculatorLauncher> calculator_;
};
