#include "HistoryActions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>
#include <QWidget>

#include "LanguageApplier.h"

HistoryActions::HistoryActions(QWidget& window, QMenuBar& menuBar, QUndoStack& history,
                               QAction* before)
    : QObject(&window), history_(history) {
  setObjectName("HistoryActions");
  menu_ = new QMenu("&Edit", &window);
  menu_->setObjectName("Edit1");
  menuBar.insertMenu(before, menu_);
  undo_ = menu_->addAction(undoWord_, &history_, &QUndoStack::undo);
  undo_->setObjectName("Undo1");
  undo_->setShortcut(QKeySequence::Undo);
  redo_ = menu_->addAction(redoWord_, &history_, &QUndoStack::redo);
  redo_->setObjectName("Redo1");
  redo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(&history_, &QUndoStack::indexChanged, this, &HistoryActions::Refresh);
  connect(&history_, &QUndoStack::cleanChanged, this, &HistoryActions::Refresh);
  connect(&LanguageApplier::Of(window), &LanguageApplier::OnRead, this,
          &HistoryActions::TakeCaptions);
  Refresh();
}

void HistoryActions::TakeCaptions() {
  undoWord_ = undo_->text();
  redoWord_ = redo_->text();
  Refresh();
}

void HistoryActions::SetLocked(bool locked) {
  locked_ = locked;
  Refresh();
}

void HistoryActions::Refresh() {
  const auto show = [this](QAction* item, const QString& word, bool can, const QString& step) {
    item->setEnabled(can && !locked_);
    // A "&" in the step's name must not become an accelerator.
    item->setText(can ? word + ' ' + QString(step).replace('&', "&&") : word);
  };
  show(undo_, undoWord_, history_.canUndo(), history_.undoText());
  show(redo_, redoWord_, history_.canRedo(), history_.redoText());
}
