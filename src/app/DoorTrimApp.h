#pragma once

#include <memory>

#include "DisplayFlags.h"
#include "DoorDocument.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"

class QDialog;
class TBalance_f;
class TEnvir_f;
class TGround_f;
class THydro_f;
class TKGeom_f;
class TKOrg_f;
class TProj_f;
class TTrawl_f;
class TBDetail_f;
class TMain_f;
class TAboutBox;
class TAskAny;
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
  TMain_f& Main() { return *main_; }
  TProj_f& Proj() { return *proj_; }
  TBalance_f& Balance() { return *balance_; }
  THydro_f& Hydro() { return *hydro_; }
  TEnvir_f& Envir() { return *envir_; }
  TTrawl_f& Trawl() { return *trawl_; }
  TGround_f& Ground() { return *ground_; }
  TKGeom_f& KGeom() { return *kgeom_; }
  TKOrg_f& KOrg() { return *korg_; }
  TBDetail_f& Detail() { return *detail_; }
  TAboutBox& About() { return *about_; }
  TAskAny& AskAny() { return *askAny_; }
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
  std::unique_ptr<TMain_f> main_;
  std::unique_ptr<TProj_f> proj_;
  std::unique_ptr<TBalance_f> balance_;
  std::unique_ptr<TBDetail_f> detail_;
  std::unique_ptr<THydro_f> hydro_;
  std::unique_ptr<TEnvir_f> envir_;
  std::unique_ptr<TTrawl_f> trawl_;
  std::unique_ptr<TGround_f> ground_;
  std::unique_ptr<TKGeom_f> kgeom_;
  std::unique_ptr<TKOrg_f> korg_;
  std::unique_ptr<TAboutBox> about_;
  std::unique_ptr<TAskAny> askAny_;
  std::unique_ptr<HelpBrowser> help_;
  std::unique_ptr<CalculatorLauncher> calculator_;
  // Ranges and the single variable: attached to the projections dialog and the balance window,
  // which own them.
  VariableBindings* variables_ = nullptr;
  SingleVariablePanel* variablePanel_ = nullptr;
  std::unique_ptr<DesktopIntegration> desktop_;
  LanguageSwitch* language_ = nullptr;  // owned by the main window, whose menu it serves
};
