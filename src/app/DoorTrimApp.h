#pragma once

#include <memory>

#include "DisplayFlags.h"
#include "DoorDocument.h"

class AboutBox;
class BalanceDetailsWindow;
class BalanceWindow;
class CalculatorLauncher;
class DesktopIntegration;
class DialogLauncher;
class EnvironmentDialog;
class GroundEditor;
class HelpBrowser;
class HydrodynamicEditor;
class KeelGeometryEditor;
class KeelOriginDialog;
class LanguageSwitch;
class MainWindow;
class ProjectionsDialog;
class SingleVariablePanel;
class StartOptions;
class TrawlDialog;
class ValueEntryDialog;
class VariableBindings;

// The desktop program put together: the document with the door and its history, the display
// flags and every window, each created once and given what it works with. Nothing reaches for
// this object; it only builds the program and starts it. Its accessors are for the program's
// start and for tests that drive the program as a whole.
class DoorTrimApp {
 public:
  DoorTrimApp();
  ~DoorTrimApp();
  DoorTrimApp(const DoorTrimApp&) = delete;
  DoorTrimApp& operator=(const DoorTrimApp&) = delete;

  // Gives the application its name, before any window exists. No display name is set: the
  // desktop would add it to every window title, which already says what it is.
  static void NameTheApplication();

  // Shows the main window and opens the door file the command line names, if any.
  void Start(const StartOptions& options);

  DoorDocument& Document() { return document_; }
  DisplayFlags& Flags() { return flags_; }
  MainWindow& Main() { return *main_; }
  ProjectionsDialog& Proj() { return *proj_; }
  BalanceWindow& Balance() { return *balance_; }
  BalanceDetailsWindow& Detail();
  HydrodynamicEditor& Hydro() { return *hydro_; }
  EnvironmentDialog& Envir() { return *envir_; }
  TrawlDialog& Trawl() { return *trawl_; }
  GroundEditor& Ground() { return *ground_; }
  KeelGeometryEditor& KGeom() { return *kgeom_; }
  KeelOriginDialog& KOrg() { return *korg_; }
  AboutBox& About() { return *about_; }
  ValueEntryDialog& AskAny() { return *askAny_; }
  HelpBrowser& Help() { return *help_; }
  CalculatorLauncher& Calculator() { return *calculator_; }
  VariableBindings& Variables() { return *variables_; }
  SingleVariablePanel& VariablePanel() { return *variablePanel_; }
  DesktopIntegration& Desktop() { return *desktop_; }
  LanguageSwitch& Language() { return *language_; }

 private:
  DoorDocument document_;
  DisplayFlags flags_;
  std::unique_ptr<HelpBrowser> help_;
  std::unique_ptr<CalculatorLauncher> calculator_;
  std::unique_ptr<ValueEntryDialog> askAny_;
  std::unique_ptr<AboutBox> about_;
  std::unique_ptr<ProjectionsDialog> proj_;
  std::unique_ptr<HydrodynamicEditor> hydro_;
  std::unique_ptr<EnvironmentDialog> envir_;
  std::unique_ptr<TrawlDialog> trawl_;
  std::unique_ptr<GroundEditor> ground_;
  std::unique_ptr<KeelGeometryEditor> kgeom_;
  std::unique_ptr<KeelOriginDialog> korg_;
  std::unique_ptr<DialogLauncher> dialogs_;
  std::unique_ptr<BalanceWindow> balance_;
  std::unique_ptr<MainWindow> main_;
  // Ranges and the single variable: attached to the projections dialog and the balance window,
  // which own them.
  VariableBindings* variables_ = nullptr;
  SingleVariablePanel* variablePanel_ = nullptr;
  std::unique_ptr<DesktopIntegration> desktop_;
  LanguageSwitch* language_ = nullptr;  // owned by the main window, whose menu it serves
};
