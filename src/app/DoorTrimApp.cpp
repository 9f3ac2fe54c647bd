#include "DoorTrimApp.h"

#include <QCoreApplication>

#include "AboutBox.h"
#include "BalanceWindow.h"
#include "CalculatorLauncher.h"
#include "DesktopIntegration.h"
#include "DialogLauncher.h"
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
  // The document (a member) exists before any window. The dialogs come first: the windows
  // that open them are given them.
  help_ = std::make_unique<HelpBrowser>();
  calculator_ = std::make_unique<CalculatorLauncher>();
  askAny_ = std::make_unique<ValueEntryDialog>();
  about_ = std::make_unique<AboutBox>();
  proj_ = std::make_unique<ProjectionsDialog>(document_, flags_, *help_, *calculator_);
  hydro_ = std::make_unique<HydrodynamicEditor>(document_, *help_);
  envir_ = std::make_unique<EnvironmentDialog>(document_, *help_);
  trawl_ = std::make_unique<TrawlDialog>(document_, *help_);
  ground_ = std::make_unique<GroundEditor>(document_, *help_);
  kgeom_ = std::make_unique<KeelGeometryEditor>(document_, *help_);
  korg_ = std::make_unique<KeelOriginDialog>(document_, *help_);
  dialogs_ = std::make_unique<DialogLauncher>(
      document_,
      DialogLauncher::Dialogs{*proj_, *hydro_, *envir_, *trawl_, *ground_, *kgeom_, *korg_});
  language_ = nullptr;
  balance_ = std::make_unique<BalanceWindow>(
      document_, flags_,
      BalanceWindow::Services{*help_, *calculator_, *askAny_, *dialogs_, [this] {
                                return LanguageSwitch::FileOf(language_ ? language_->Current()
                                                                        : LanguageSwitch::English)
                                    .toStdString();
                              }});
  main_ = std::make_unique<MainWindow>(
      document_, flags_, MainWindow::Services{*help_, *about_, *dialogs_, *proj_, *balance_});

  // A variable marked in the projections dialog appears in the balance window's panel.
  variables_ = new VariableBindings(*proj_, document_, *help_);
  variablePanel_ = new SingleVariablePanel(*balance_, document_, *help_);
  QObject::connect(variables_, &VariableBindings::VariableMarked, variablePanel_,
                   &SingleVariablePanel::ShowVariable);
  desktop_ = std::make_unique<DesktopIntegration>(*main_, document_);
  language_ = new LanguageSwitch(LanguageSwitch::Windows{*main_, *balance_, *ground_, *envir_,
                                                         *hydro_, *kgeom_, *proj_, *variables_,
                                                         *variablePanel_, *trawl_});
  // While the balance window searches, the commands that edit the door rest.
  QObject::connect(balance_.get(), &BalanceWindow::searchRunningChanged, main_.get(),
                   [this](bool running) {
                     dialogs_->SetLocked(running);
                     main_->SetEditingLocked(running, balance_->SearchLockReason());
                   });
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

BalanceDetailsWindow& DoorTrimApp::Detail() {
  return balance_->Details();
}

DoorTrimApp::~DoorTrimApp() = default;
