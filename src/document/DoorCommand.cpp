#include "DoorCommand.h"

#include <utility>

DoorCommand::DoorCommand(const QString& text, DoorDelta delta, Applier apply)
    : QUndoCommand(text), delta_(std::move(delta)), apply_(std::move(apply)) {}

DoorCommand::DoorCommand(const QString& text, DoorDelta delta, DoorFile fileBefore,
                         DoorFile fileAfter, Applier apply)
    : QUndoCommand(text),
      delta_(std::move(delta)),
      fileBefore_(std::move(fileBefore)),
      fileAfter_(std::move(fileAfter)),
      apply_(std::move(apply)) {}

const DoorFile* DoorCommand::File(bool forward) const {
  const std::optional<DoorFile>& file = forward ? fileAfter_ : fileBefore_;
  return file ? &*file : nullptr;
}

void DoorCommand::redo() {
  apply_(*this, true);
}

void DoorCommand::undo() {
  apply_(*this, false);
}
