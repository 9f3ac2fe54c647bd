#pragma once

#include <QString>
#include <QUndoCommand>
#include <functional>
#include <optional>

#include "DoorDelta.h"
#include "DoorFile.h"

// One step of a door's undo history: the change of the door (a DoorDelta) and, for a door read
// in place of another, the file it is kept in before and after. The command does not touch the
// door itself: the document it belongs to applies it, forward on redo and backward on undo.
class DoorCommand : public QUndoCommand {
 public:
  // Applies the change to the document: forward (true) or backward.
  using Applier = std::function<void(const DoorCommand& command, bool forward)>;

  DoorCommand(const QString& text, DoorDelta delta, Applier apply);
  // A door read from a file in place of the one before, as one step.
  DoorCommand(const QString& text, DoorDelta delta, DoorFile fileBefore, DoorFile fileAfter,
              Applier apply);

  const DoorDelta& Delta() const { return delta_; }
  // The file of the door after the step (forward) or before it; nothing when the step keeps
  // the file.
  const DoorFile* File(bool forward) const;

  void redo() override;
  void undo() override;

 private:
  DoorDelta delta_;
  std::optional<DoorFile> fileBefore_, fileAfter_;
  Applier apply_;
};
