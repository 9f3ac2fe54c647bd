#pragma once

// The program's commands on the door that windows other than the main window offer too (the
// balance window's Dialogs menu, its Bottom Case item). The main window carries them out;
// a window that offers them is given this interface, so it needs nothing of the main window.
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

  // Shows the command's dialog modally, then recomputes the door's derived geometry, as the
  // button does. A command whose button is disabled (the keel dialogs in midwater) does
  // nothing.
  virtual void RunCommand(Command command) = 0;
  // Switches between bottom (true) and midwater (false) trawling, as the mode buttons do.
  virtual void SetBottomTrawling(bool bottom) = 0;

 protected:
  DoorCommands() = default;
  DoorCommands(const DoorCommands&) = default;
  DoorCommands& operator=(const DoorCommands&) = default;
  ~DoorCommands() = default;
};
