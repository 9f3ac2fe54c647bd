#include "RecentDoorsMenu.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

#include "MessageBoxes.h"
#include "RecentDoors.h"
#include "lang/MessageTables.h"
#include "numbers/QuotedToken.h"

RecentDoorsMenu::RecentDoorsMenu(RecentDoors& recent, Opener open, QWidget* parent)
    : QMenu("&Recent Doors", parent), recent_(recent), open_(std::move(open)) {
  setObjectName("RecentDoors1");
  menuAction()->setObjectName("RecentDoorsMenu1");
  connect(&recent_, &RecentDoors::changed, this, &RecentDoorsMenu::Refill);
  Refill();
}

namespace {

// Controls that would turn the text around or hide a part of it are shown as escapes, so the
// path reads as the file is named.
QString ReadablePath(const QString& path) {
  return QString::fromStdString(ReadableText(QDir::toNativeSeparators(path).toStdString()));
}

}  // namespace

QString RecentDoorsMenu::ShownPath(const QString& path) const {
  // A long name keeps its start and its file name.
  return fontMetrics().elidedText(ReadablePath(path), Qt::ElideMiddle,
                                  fontMetrics().averageCharWidth() * kShownCharacters);
}

void RecentDoorsMenu::Refill() {
  clear();
  const QStringList paths = recent_.Paths();
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths[i];
    // The number is the entry's accelerator; "&" in a file name must not become one.
    const QString shown = ShownPath(path).replace('&', "&&");
    QAction* entry = addAction(QString("&%1 %2").arg(i + 1).arg(shown));
    entry->setToolTip(ReadablePath(path));
    entry->setObjectName(QString("RecentDoor%1").arg(i + 1));
    entry->setData(path);
    // Queued: the entry's menu closes before a door is opened or a message shows.
    connect(
        entry, &QAction::triggered, this, [this, path] { Choose(path); }, Qt::QueuedConnection);
  }
  menuAction()->setEnabled(!paths.isEmpty());
}

void RecentDoorsMenu::Choose(const QString& path) {
  const QFileInfo file(path);
  if (!file.isFile()) {
    // Something there that is no file (a folder, a FIFO, a device) is not "gone".
    const TextKey& text = file.exists() ? RecentTexts::kNotAFile : RecentTexts::kGone;
    MessageBoxes::Warning(parentWidget(), QString::fromStdString(texts_.Text(RecentTexts::kTitle)),
                          QString::fromStdString(texts_.Text(text)).arg(ReadablePath(path)));
    recent_.Remove(path);
    return;
  }
  open_(path);
}
