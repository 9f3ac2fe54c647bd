#include "gui/ReadableTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "RecentDoorsMenu.h"

namespace {

// A text as the user reads it: rich text without its tags, "&" of a mnemonic dropped.
QString Plain(const QString& text) {
  QString plain =
      Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
  plain.remove('&');
  return plain.trimmed();
}

}  // namespace

ReadableTexts::ReadableTexts(std::set<const QWidget*> skipped, std::set<std::string> notLanguage)
    : skipped_(std::move(skipped)), notLanguage_(std::move(notLanguage)) {}

void ReadableTexts::Add(const QString& where, const QString& text) {
  const QString plain = Plain(text);
  if (!plain.isEmpty() && !notLanguage_.contains(where.toStdString()))
    texts_[where.toStdString()] = plain;
}

QString ReadableTexts::Where(const QObject& object) {
  const QObject* holder = &object;
  while (holder != nullptr && !holder->isWidgetType())
    holder = holder->parent();
  const QString window = holder == nullptr
                             ? QString("?")
                             : static_cast<const QWidget*>(holder)->window()->objectName();
  const QString name = object.objectName().isEmpty() ? QString(object.metaObject()->className())
                                                     : object.objectName();
  return window + "." + name;
}

bool ReadableTexts::IsSkipped(const QObject& object) const {
  for (const QObject* up = &object; up != nullptr; up = up->parent())
    if (up->isWidgetType() && skipped_.contains(static_cast<const QWidget*>(up))) return true;
  return false;
}

void ReadableTexts::Walk(QWidget& root) {
  AddObject(root);
  for (QObject* child : root.findChildren<QObject*>())
    AddObject(*child);
}

void ReadableTexts::AddObject(QObject& object) {
  if (seen_.contains(&object) || IsSkipped(object)) return;
  seen_.insert(&object);
  const QString where = Where(object);
  if (auto* action = qobject_cast<QAction*>(&object)) {
    // The recent doors' entries show file names, which no language changes.
    if (action->isSeparator() || qobject_cast<RecentDoorsMenu*>(action->parent())) return;
    Add(where + ".text", action->text());
    Add(where + ".toolTip", action->toolTip());
    Add(where + ".statusTip", action->statusTip());
    Add(where + ".whatsThis", action->whatsThis());
    if (action->menu() != nullptr) AddObject(*action->menu());
    return;
  }
  if (auto* widget = qobject_cast<QWidget*>(&object)) AddWidget(*widget, where);
}

void ReadableTexts::AddWidget(QWidget& widget, const QString& where) {
  if (widget.isWindow()) Add(where + ".title", widget.windowTitle());
  Add(where + ".toolTip", widget.toolTip());
  Add(where + ".statusTip", widget.statusTip());
  Add(where + ".whatsThis", widget.whatsThis());
  Add(where + ".accessibleName", widget.accessibleName());
  Add(where + ".accessibleDescription", widget.accessibleDescription());
  if (auto* label = qobject_cast<QLabel*>(&widget)) Add(where + ".text", label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) Add(where + ".text", button->text());
  if (auto* group = qobject_cast<QGroupBox*>(&widget)) Add(where + ".title", group->title());
  if (auto* menu = qobject_cast<QMenu*>(&widget)) Add(where + ".title", menu->title());
  if (auto* edit = qobject_cast<QLineEdit*>(&widget))
    Add(where + ".placeholder", edit->placeholderText());
  if (auto* edit = qobject_cast<QPlainTextEdit*>(&widget))
    Add(where + ".placeholder", edit->placeholderText());
  if (auto* edit = qobject_cast<QTextEdit*>(&widget))
    Add(where + ".placeholder", edit->placeholderText());
  if (auto* status = qobject_cast<QStatusBar*>(&widget))
    Add(where + ".status", status->currentMessage());
  if (auto* combo = qobject_cast<QComboBox*>(&widget))
    for (int item = 0; item < combo->count(); ++item)
      Add(where + ".item" + QString::number(item), combo->itemText(item));
  if (auto* tabs = qobject_cast<QTabBar*>(&widget))
    for (int tab = 0; tab < tabs->count(); ++tab) {
      Add(where + ".tab" + QString::number(tab), tabs->tabText(tab));
      Add(where + ".tabToolTip" + QString::number(tab), tabs->tabToolTip(tab));
    }
  if (auto* view = qobject_cast<QAbstractItemView*>(&widget); view && view->model())
    for (const Qt::Orientation side : {Qt::Horizontal, Qt::Vertical}) {
      const int count =
          side == Qt::Horizontal ? view->model()->columnCount() : view->model()->rowCount();
      for (int section = 0; section < count; ++section)
        Add(where + (side == Qt::Horizontal ? ".column" : ".row") + QString::number(section),
            view->model()->headerData(section, side).toString());
    }
  if (qobject_cast<RecentDoorsMenu*>(&widget)) return;
  for (QAction* action : widget.actions())
    AddObject(*action);
}

std::set<QString> LatinWords(const QString& text) {
  std::set<QString> words;
  QString word;
  const auto flush = [&] {
    if (word.size() >= 3) words.insert(word.toLower());
    word.clear();
  };
  for (const QChar c : text) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
      word += c;
    else
      flush();
  }
  flush();
  return words;
}
