#pragma once

// The program's dialogs on the door, which the main window's buttons and the balance window's
// Dialogs menu both open. A window that offers them is given this interface, so it needs
// nothing of the other windows; the dialogs change the door through its document.
class DoorCommands {
 public:
  // The commands of the main window's dialog buttons, in their order there.
  enum class Command {
    Projections,
    Hydrodynamic,
    Environment,
    Trawl,
    Ground,
    KeelGeometry,
    KeelOrigin,
    Balance
  };

  // Shows the command's dialog modally. A command out of use (the keel dialogs in midwater
  // trawling, every dialog while a search turns the door) does nothing.
  virtual void RunCommand(Command command) = 0;
  virtual bool CommandEnabled(Command command) const = 0;

 protected:
  DoorCommands() = default;
  DoorCommands(const DoorCommands&) = default;
  DoorCommands& operator=(const DoorCommands&) = default;
  ~DoorCommands() = default;
};
