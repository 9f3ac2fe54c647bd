#pragma once

#include "DoorDocument.h"

class QWidget;

// Gives the door a change that is in no file: a heavier door, as one step of its history.
void ChangeTheDoor(DoorDocument& document);

// Writes the door to a file of the test run's own, so that the door as it stands is the saved
// one: it holds no unsaved changes until it is changed again.
void KeepTheDoorAsSaved(DoorDocument& document);

// Closes the program's main window as a user who does not keep the changes: the close question,
// when it comes, is answered No.
void CloseWithoutSaving(QWidget& main);

// Changes the door as a test sets it up: `change` is called with its inputs, and the door takes
// them as one step of its history.
template <class Change>
void EditTheDoor(DoorDocument& document, Change&& change) {
  DoorInputs door = document.Door();
  change(door);
  document.Edit("Test door", door);
}
