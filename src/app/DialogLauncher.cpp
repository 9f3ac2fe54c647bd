#include "DialogLauncher.h"

#include "DoorDocument.h"
#include "EnvironmentDialog.h"
#include "GroundEditor.h"
#include "HydrodynamicEditor.h"
#include "KeelGeometryEditor.h"
#include "KeelOriginDialog.h"
#include "ProjectionsDialog.h"
#include "TrawlDialog.h"

DialogLauncher::DialogLauncher(const DoorDocument& document, const Dialogs& dialogs)
    : document_(document), dialogs_(dialogs) {}

QDialog* DialogLauncher::DialogOf(Command command) const {
  switch (command) {
    case Command::Projections:
      return &dialogs_.Projections;
    case Command::Hydrodynamic:
      return &dialogs_.Hydrodynamic;
    case Command::Environment:
      return &dialogs_.Environment;
    case Command::Trawl:
      return &dialogs_.Trawl;
    case Command::Ground:
      return &dialogs_.Ground;
    case Command::KeelGeometry:
      return &dialogs_.KeelGeometry;
    case Command::KeelOrigin:
      return &dialogs_.KeelOrigin;
    case Command::Balance:
      break;
  }
  return nullptr;
}

bool DialogLauncher::CommandEnabled(Command command) const {
  if (locked_) return false;
  const bool keel = command == Command::Ground || command == Command::KeelGeometry ||
                    command == Command::KeelOrigin;
  return !keel || document_.Door().Bottom;
}

void DialogLauncher::RunCommand(Command command) {
  QDialog* dialog = DialogOf(command);
  if (dialog == nullptr || !CommandEnabled(command)) return;
  dialog->exec();
}
