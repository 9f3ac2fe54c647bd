#include "shell/DoorTrimApp.h"

#include "shell/CalculatorLauncher.h"
#include "shell/HelpBrowser.h"
#include "shell/TAboutBox.h"
#include "shell/TAskAny.h"
#include "shell/TMain_f.h"

DoorTrimApp::DoorTrimApp() {
  // The pictures and help pages live in the GUI library, which a static link does not register.
  Q_INIT_RESOURCE(resources);
  // The door model exists (a member) before any window; the main window is created first.
  main_ = std::make_unique<TMain_f>(*this);
  about_ = std::make_unique<TAboutBox>();
  askAny_ = std::make_unique<TAskAny>();
  help_ = std::make_unique<HelpBrowser>();
  calculator_ = std::make_unique<CalculatorLauncher>();
}

DoorTrimApp::~DoorTrimApp() = default;
