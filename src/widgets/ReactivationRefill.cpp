#include "ReactivationRefill.h"

#include <QApplication>
#include <QWidget>

#include "HelpBrowser.h"

namespace {

// Windows that cannot have changed the door while they were active: the help window only
// shows pages, and a window the dialog opened itself works for the dialog.
bool LeavesTheDoorAlone(const QWidget& window, const QWidget& active) {
  if (qobject_cast<const HelpBrowser*>(&active)) return true;
  for (const QWidget* w = &active; w; w = w->parentWidget())
    if (w == &window) return true;
  return false;
}

}  // namespace

bool ReactivationRefill::OnActivationChange(const QWidget& window) {
  if (window.isActiveWindow()) {
    const bool refill = pending_;
    pending_ = false;
    return refill;
  }
  // The newly active window is already known here; none means another program.
  const QWidget* active = QApplication::activeWindow();
  if (active && !LeavesTheDoorAlone(window, *active)) pending_ = true;
  return false;
}
