#pragma once

#include "DoorCommands.h"

class DoorDocument;
class EnvironmentDialog;
class GroundEditor;
class HydrodynamicEditor;
class KeelGeometryEditor;
class KeelOriginDialog;
class ProjectionsDialog;
class QDialog;
class TrawlDialog;

// Opens the dialogs on the door for the main window's buttons and the balance window's Dialogs
// menu. The keel dialogs are for bottom trawling only, and while a search turns the door no
// dialog opens. The balance window itself is the main window's to open.
class DialogLauncher final : public DoorCommands {
 public:
  struct Dialogs {
    ProjectionsDialog& Projections;
    HydrodynamicEditor& Hydrodynamic;
    EnvironmentDialog& Environment;
    TrawlDialog& Trawl;
    GroundEditor& Ground;
    KeelGeometryEditor& KeelGeometry;
    KeelOriginDialog& KeelOrigin;
  };

  DialogLauncher(const DoorDocument& document, const Dialogs& dialogs);

  void RunCommand(Command command) override;
  bool CommandEnabled(Command command) const override;
  // While a search runs every dialog rests.
  void SetLocked(bool locked) { locked_ = locked; }

 private:
  QDialog* DialogOf(Command command) const;

  const DoorDocument& document_;
  const Dialogs dialogs_;
  bool locked_ = false;
};
