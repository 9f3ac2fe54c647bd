#include "GridTabExit.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QKeyEvent>
#include <QMainWindow>

namespace {

bool TakesTab(const QWidget& widget, const QWidget& window) {
  return widget.window() == &window && (widget.focusPolicy() & Qt::TabFocus) != 0 &&
         widget.isVisible() && widget.isEnabled() && widget.focusProxy() == nullptr;
}

// The control Tab (or Shift+Tab) would reach from `from` if `from` let it go.
QWidget* Neighbour(QWidget& from, bool forward) {
  QWidget* window = from.window();
  QWidget* next = forward ? from.nextInFocusChain() : from.previousInFocusChain();
  while (next != nullptr && next != &from) {
    if (TakesTab(*next, *window)) return next;
    next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
  }
  return nullptr;
}

}  // namespace

GridTabExit::GridTabExit(QAbstractItemView& grid) : QObject(&grid) {
  setObjectName("GridTabExit");
  grid.installEventFilter(this);
}

void GridTabExit::Install(QWidget& form) {
  for (QAbstractItemView* grid : form.findChildren<QAbstractItemView*>()) {
    if (!grid->tabKeyNavigation() || grid->findChild<GridTabExit*>() != nullptr) continue;
    if (grid->window() != &form && grid->window() != form.window()) continue;
    new GridTabExit(*grid);  // owned by the grid
  }
}

bool GridTabExit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (!(key->modifiers() & Qt::ControlModifier)) return false;
  const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
  const bool backward = key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && !forward);
  if (!forward && !backward) return false;
  auto* grid = static_cast<QWidget*>(watched);
  if (QWidget* next = Neighbour(*grid, forward))
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}
