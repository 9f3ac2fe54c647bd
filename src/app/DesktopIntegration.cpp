#include "DesktopIntegration.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "DoorDocument.h"
#include "DoorDropHandler.h"
#include "MainWindow.h"
#include "RecentDoors.h"
#include "RecentDoorsMenu.h"

DesktopIntegration::DesktopIntegration(MainWindow& main, DoorDocument& document)
    : main_(main), recent_(std::make_unique<RecentDoors>(settings_)) {
  const auto open = [this](const QString& path) { OpenDoor(path); };

  // Under File, after the commands that read and write a door.
  QMenu* file = main.findChild<QMenu*>("File1");
  menu_ = new RecentDoorsMenu(*recent_, open, &main);  // its messages belong to the window
  if (file != nullptr) {
    QAction* language = main.findChild<QAction*>("Language1");  // nullptr: at the end
    file->insertMenu(language, menu_);
    file->insertSeparator(language);
  } else {
    main.menuBar()->addMenu(menu_);
  }

  drop_ = new DoorDropHandler(main, open);

  // Every door read or written successfully, whichever window did it, comes first.
  QObject::connect(&document, &DoorDocument::fileUsed, recent_.get(), &RecentDoors::Add);
}

DesktopIntegration::~DesktopIntegration() = default;

void DesktopIntegration::OpenDoor(const QString& path) {
  main_.OpenAfterCloseQuestion(path);
}
