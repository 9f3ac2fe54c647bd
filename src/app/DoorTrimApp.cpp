#include "DoorTrimApp.h"

#include <QCoreApplication>

#include "AboutBox.h"
#include "BalanceDetailsWindow.h"
#include "BalanceWindow.h"
#include "CalculatorLauncher.h"
#include "DesktopIntegration.h"
#include "EnvironmentDialog.h"
#include "GroundEditor.h"
#include "HelpBrowser.h"
#include "HydrodynamicEditor.h"
#include "KeelGeometryEditor.h"
#include "KeelOriginDialog.h"
#include "LanguageSwitch.h"
#include "MainWindow.h"
#include "ProjectionsDialog.h"
#include "SingleVariablePanel.h"
#include "StartOptions.h"
#include "TrawlDialog.h"
#include "ValueEntryDialog.h"
#include "VariableBindings.h"
#include "install/ProgramVersion.h"

DoorTrimApp::DoorTrimApp() {
  // The pictures and help pages are compiled into the widgets library, which a static link
  // does not register.
  Q_INIT_RESOURCE(resources);
  // The door model exists (a member) before any window; the main window is created first.
  main_ = std::make_unique<MainWindow>(*this);
  help_ = std::make_unique<HelpBrowser>();
  calculator_ = std::make_unique<CalculatorLauncher>();
  proj_ = std::make_unique<ProjectionsDialog>(document_, *help_, *calculator_);
  detail_ = std::make_unique<BalanceDetailsWindow>(Board());
  askAny_ = std::make_unique<ValueEntryDialog>();
  balance_ = std::make_unique<BalanceWindow>(
      document_, flags_, BalanceWindow::Services{*help_, *calculator_, *askAny_, *detail_, *main_});
  hydro_ = std::make_unique<HydrodynamicEditor>(document_, *help_);
  envir_ = std::make_unique<EnvironmentDialog>(document_, *help_);
  trawl_ = std::make_unique<TrawlDialog>(document_, *help_);
  ground_ = std::make_unique<GroundEditor>(document_, *help_);
  kgeom_ = std::make_unique<KeelGeometryEditor>(document_, *help_);
  korg_ = std::make_unique<KeelOriginDialog>(document_, *help_);
  about_ = std::make_unique<AboutBox>();

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
      balance_.get(), &BalanceWindow::searchRunningChanged, main_.get(),
      [this](bool running) { main_->SetEditingLocked(running, BalanceWindow::kSearchLockReason); });
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
