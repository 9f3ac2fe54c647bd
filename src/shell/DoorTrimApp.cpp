#include "shell/DoorTrimApp.h"

#include <QCoreApplication>

#include "balance/TBDetail_f.h"
#include "balance/TBalance_f.h"
#include "editors/TEnvir_f.h"
#include "editors/TGround_f.h"
#include "editors/THydro_f.h"
#include "editors/TKGeom_f.h"
#include "editors/TKOrg_f.h"
#include "editors/TProj_f.h"
#include "editors/TTrawl_f.h"
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
  help_ = std::make_unique<HelpBrowser>();
  calculator_ = std::make_unique<CalculatorLauncher>();
  proj_ = std::make_unique<TProj_f>(Board, *help_, *calculator_);
  balance_ = std::make_unique<TBalance_f>(*this);
  detail_ = std::make_unique<TBDetail_f>(Board);
  hydro_ = std::make_unique<THydro_f>(Board, *help_);
  envir_ = std::make_unique<TEnvir_f>(Board, *help_);
  trawl_ = std::make_unique<TTrawl_f>(Board, *help_);
  ground_ = std::make_unique<TGround_f>(Board, *help_);
  kgeom_ = std::make_unique<TKGeom_f>(Board, *help_);
  korg_ = std::make_unique<TKOrg_f>(Board, *help_);
  about_ = std::make_unique<TAboutBox>();
  askAny_ = std::make_unique<TAskAny>();
}

void DoorTrimApp::NameTheApplication() {
  QCoreApplication::setApplicationName("DoorTrim");
}

void DoorTrimApp::ApplyViewSettings(const ViewSettings& view) {
  View = view;
  proj_->LoadPictureFiles();  // only when all three pictures named in the file exist
  proj_->ApplyViewSettings(view);
  balance_->ApplyViewSettings(view);
}

ViewSettings DoorTrimApp::CollectViewSettings() {
  proj_->CollectViewSettings(View);
  balance_->CollectViewSettings(View);
  return View;
}

DoorTrimApp::~DoorTrimApp() = default;
