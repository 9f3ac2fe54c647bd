#include "DoorTrimApp.h"

#include <QCoreApplication>

#include "CalculatorLauncher.h"
#include "DesktopIntegration.h"
#include "HelpBrowser.h"
#include "LanguageSwitch.h"
#include "SingleVariablePanel.h"
#include "StartOptions.h"
#include "TAboutBox.h"
#include "TAskAny.h"
#include "TBDetail_f.h"
#include "TBalance_f.h"
#include "TEnvir_f.h"
#include "TGround_f.h"
#include "THydro_f.h"
#include "TKGeom_f.h"
#include "TKOrg_f.h"
#include "TMain_f.h"
#include "TProj_f.h"
#include "TTrawl_f.h"
#include "VariableBindings.h"
#include "install/ProgramVersion.h"

DoorTrimApp::DoorTrimApp() {
  // The pictures and help pages are compiled into the widgets library, which a static link
  // does not register.
  Q_INIT_RESOURCE(resources);
  // The door model exists (a member) before any window; the main window is created first.
  main_ = std::make_unique<TMain_f>(*this);
  help_ = std::make_unique<HelpBrowser>();
  calculator_ = std::make_unique<CalculatorLauncher>();
  proj_ = std::make_unique<TProj_f>(document_, *help_, *calculator_);
  detail_ = std::make_unique<TBDetail_f>(Board());
  askAny_ = std::make_unique<TAskAny>();
  balance_ = std::make_unique<TBalance_f>(
      document_, flags_, TBalance_f::Services{*help_, *calculator_, *askAny_, *detail_, *main_});
  hydro_ = std::make_unique<THydro_f>(document_, *help_);
  envir_ = std::make_unique<TEnvir_f>(document_, *help_);
  trawl_ = std::make_unique<TTrawl_f>(document_, *help_);
  ground_ = std::make_unique<TGround_f>(document_, *help_);
  kgeom_ = std::make_unique<TKGeom_f>(document_, *help_);
  korg_ = std::make_unique<TKOrg_f>(document_, *help_);
  about_ = std::make_unique<TAboutBox>();

  // A variable marked in the projections dialog appears in the balance window's panel.
  variables_ = new VariableBindings(*proj_, document_, *help_,
                                    [proj = proj_.get()] { proj->SetFieldsChanged(); });
  variablePanel_ = new SingleVariablePanel(
      *balance_, document_, *help_, [balance = balance_.get()] { balance->onUpdateClicked(); });
  QObject::connect(variables_, &VariableBindings::VariableMarked, variablePanel_,
                   &SingleVariablePanel::ShowVariable);
  desktop_ = std::make_unique<DesktopIntegration>(*this);
  language_ = new LanguageSwitch(*this);
  // While the balance window searches, the main window's commands that edit the door rest.
  QObject::connect(
      balance_.get(), &TBalance_f::searchRunningChanged, main_.get(),
      [this](bool running) { main_->SetEditingLocked(running, TBalance_f::kSearchLockReason); });
}

void DoorTrimApp::NameTheApplication() {
  QCoreApplication::setApplicationName("DoorTrim");
  // The user's settings are kept under these names (~/.config/DoorTrim/DoorTrim.conf).
  QCoreApplication::setOrganizationName("DoorTrim");
  QCoreApplication::setApplicationVersion(kProgramVersion);
}

void DoorTrimApp::Start(const StartOptions& options) {
  // The language the user chose last time; the windows are designed in English.
  language_->SwitchToRemembered();
  main_->show();
  if (options.File()) main_->OpenFile(*options.File());
}

void DoorTrimApp::ApplyViewSettings(const ViewSettings& view) {
  view_ = view;
  proj_->LoadPictureFiles();  // only when all three pictures named in the file exist
  proj_->ApplyViewSettings(view);
  balance_->ApplyViewSettings(view);
}

ViewSettings DoorTrimApp::CollectViewSettings() {
  proj_->CollectViewSettings(view_);
  balance_->CollectViewSettings(view_);
  return view_;
}

DoorTrimApp::~DoorTrimApp() = default;
