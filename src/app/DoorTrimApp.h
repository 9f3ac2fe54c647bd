#pragma once

#include <memory>

#include "DisplayFlags.h"
#include "DoorDocument.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"

class QDialog;
class BalanceWindow;
class EnvironmentDialog;
class GroundEditor;
class HydrodynamicEditor;
class KeelGeometryEditor;
class KeelOriginDialog;
class ProjectionsDialog;
class TrawlDialog;
class BalanceDetailsWindow;
class MainWindow;
class AboutBox;
class ValueEntryDialog;
class HelpBrowser;
class CalculatorLauncher;
class SingleVariablePanel;
class VariableBindings;
class DesktopIntegration;
class StartOptions;
class LanguageSwitch;

// Everything the desktop program keeps for its whole run: the document with the one door
// model, the display flags, the view settings a data file carries, and every window, each
// created once. It gives each window what that window works with.
class DoorTrimApp {
 public:
  // Creates the door model, then every window, main window first.
  DoorTrimApp();
  ~DoorTrimApp();
  DoorTrimApp(const DoorTrimApp&) = delete;

  // Gives the application its name, before any window exists. No display name is set: the
  // desktop would add it to every window title, which already says what it is.
  static void NameTheApplication();

  // Shows the main window and opens the door file the command line names, if any.
  void Start(const StartOptions& options);
  DesktopIntegration& Desktop() { return *desktop_; }
  LanguageSwitch& Language() { return *language_; }

  DoorTrimApp& operator=(const DoorTrimApp&) = delete;

  // The one door with its modified flag, the display flags and the view settings a data file
  // carries: owned here, shared by every window.
  DoorDocument& Document() { return document_; }
  DisplayFlags& Flags() { return flags_; }
  ViewSettings& View() { return view_; }
  TBoard& Board() { return document_.Board(); }
  MainWindow& Main() { return *main_; }
  ProjectionsDialog& Proj() { return *proj_; }
  BalanceWindow& Balance() { return *balance_; }
  HydrodynamicEditor& Hydro() { return *hydro_; }
  EnvironmentDialog& Envir() { return *envir_; }
  TrawlDialog& Trawl() { return *trawl_; }
  GroundEditor& Ground() { return *ground_; }
  KeelGeometryEditor& KGeom() { return *kgeom_; }
  KeelOriginDialog& KOrg() { return *korg_; }
  BalanceDetailsWindow& Detail() { return *detail_; }
  AboutBox& About() { return *about_; }
  ValueEntryDialog& AskAny() { return *askAny_; }
  HelpBrowser& Help() { return *help_; }
  CalculatorLauncher& Calculator() { return *calculator_; }
  VariableBindings& Variables() { return *variables_; }
  SingleVariablePanel& VariablePanel() { return *variablePanel_; }

  // The window settings a door data file carries: applied to the windows after a file is
  // read, collected from them before one is written.
  void ApplyViewSettings(const ViewSettings& view);
  ViewSettings CollectViewSettings();

 private:
  DoorDocument document_;
  DisplayFlags flags_;
  ViewSettings view_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<ProjectionsDialog> proj_;
  std::unique_ptr<BalanceWindow> balance_;
  std::unique_ptr<BalanceDetailsWindow> detail_;
  std::unique_ptr<HydrodynamicEditor> hydro_;
  std::unique_ptr<EnvironmentDialog> envir_;
  std::unique_ptr<TrawlDialog> trawl_;
  std::unique_ptr<GroundEditor> ground_;
  std::unique_ptr<KeelGeometryEditor> kgeom_;
  std::unique_ptr<KeelOriginDialog> korg_;
  std::unique_ptr<AboutBox> about_;
  std::unique_ptr<ValueEntryDialog> askAny_;
  std::unique_ptr<HelpBrowser> help_;
  std::unique_ptr<CalculatorLauncher> calculator_;
  // Ranges and the single variable: attached to the projections dialog and the balance window,
  // which own them.
  VariableBindings* variables_ = nullptr;
  SingleVariablePanel* variablePanel_ = nullptr;
  std::unique_ptr<DesktopIntegration> desktop_;
  LanguageSwitch* language_ = nullptr;  // owned by the main window, whose menu it serves
};
