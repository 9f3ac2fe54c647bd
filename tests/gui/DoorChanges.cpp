#include "gui/DoorChanges.h"

#include <QTemporaryDir>
#include <QWidget>

#include "DoorDocument.h"
#include "gui/MessageBoxScript.h"
#include "model/ViewSettings.h"

void ChangeTheDoor(DoorDocument& document) {
  DoorInputs door = document.Door();
  door.G += 1000;
  document.Edit("Heavier door", door);
}

void KeepTheDoorAsSaved(DoorDocument& document) {
  static QTemporaryDir folder;
  static int files = 0;
  document.Save(folder.filePath(QString("saved-%1.brd").arg(++files)), ViewSettings{});
}

void CloseWithoutSaving(QWidget& main) {
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::No);
  main.close();
}
