#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QUndoStack;
class QWidget;

// A window's Edit menu over the door's undo history: Undo (Ctrl+Z) and Redo (Ctrl+Shift+Z and
// Ctrl+Y), each naming the step it takes back or again ("Undo Weight G: 13500 → 14000") and
// out of use when there is none. The words "Undo" and "Redo" are the items' captions, which
// the language files set; the step's name follows them.
class HistoryActions : public QObject {
  Q_OBJECT

 public:
  // Adds the menu ("Edit1", items "Undo1" and "Redo1") to the window's menu bar, before
  // `before` (at the end without it).
  HistoryActions(QWidget& window, QMenuBar& menuBar, QUndoStack& history,
                 QAction* before = nullptr);

  QMenu* Menu() const { return menu_; }
  QAction* Undo() const { return undo_; }
  QAction* Redo() const { return redo_; }

  // While a search turns the door the items are out of use whatever the history holds; once
  // it is over they follow the history again (a step the search stored included).
  void SetLocked(bool locked);

 private:
  void Refresh();
  // A language file has just set the items' captions: they are the words to show.
  void TakeCaptions();

  QUndoStack& history_;
  QMenu* menu_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QString undoWord_ = "&Undo";
  QString redoWord_ = "&Redo";
  bool locked_ = false;
};
