#include "RecentDoorsMenu.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

#include "MessageBoxes.h"
#include "RecentDoors.h"
#include "lang/MessageTables.h"

RecentDoorsMenu::RecentDoorsMenu(RecentDoors& recent, Opener open, QWidget* parent)
    : QMenu("Recent Doors", parent), recent_(recent), open_(std::move(open)) {
  setObjectName("RecentDoors1");
  menuAction()->setObjectName("RecentDoorsMenu1");
  connect(&recent_, &RecentDoors::changed, this, &RecentDoorsMenu::Refill);
  Refill();
}

void RecentDoorsMenu::Refill() {
  clear();
  const QStringList paths = recent_.Paths();
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths[i];
    // The number is the entry's accelerator; "&" in a file name must not become one.
    const QString shown = QDir::toNativeSeparators(path).replace('&', "&&");
    QAction* entry = addAction(QString("&%1 %2").arg(i + 1).arg(shown));
    entry->setObjectName(QString("RecentDoor%1").arg(i + 1));
    entry->setData(path);
    // Queued: the entry's menu closes before a door is opened or a message shows.
    connect(
        entry, &QAction::triggered, this, [this, path] { Choose(path); }, Qt::QueuedConnection);
  }
  menuAction()->setEnabled(!paths.isEmpty());
}

void RecentDoorsMenu::Choose(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    MessageBoxes::Warning(parentWidget(), QString::fromUtf8(RecentTexts::kTitle.In(languageIndex_)),
                          QString::fromUtf8(RecentTexts::kGone.In(languageIndex_))
                              .arg(QDir::toNativeSeparators(path)));
    recent_.Remove(path);
    return;
  }
  open_(path);
}
