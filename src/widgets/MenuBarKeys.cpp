#include "MenuBarKeys.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QWidget>

MenuBarKeys::MenuBarKeys(QWidget& window, QMenuBar& bar) : QObject(&window), bar_(bar) {
  setObjectName("MenuBarKeys");
  // The window's own shortcut: a dialog with a bar of its own opens its menus, not those of
  // the main window behind it.
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
  f10->setContext(Qt::WindowShortcut);
  connect(f10, &QShortcut::activated, this, &MenuBarKeys::OpenFirstMenu);
}

void MenuBarKeys::OpenFirstMenu() {
  for (QAction* title : bar_.actions()) {
    if (title->isSeparator() || !title->isVisible() || !title->isEnabled()) continue;
    bar_.setActiveAction(title);
    // As Alt with the title's letter does: the first command is marked, Enter runs it.
    if (QMenu* menu = title->menu()) {
      for (QAction* item : menu->actions()) {
        if (item->isSeparator() || !item->isVisible() || !item->isEnabled()) continue;
        menu->setActiveAction(item);
        break;
      }
    }
    return;
  }
}
