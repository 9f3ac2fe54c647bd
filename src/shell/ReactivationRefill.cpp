#include "shell/ReactivationRefill.h"

#include <QApplication>
#include <QWidget>

bool ReactivationRefill::OnActivationChange(const QWidget& window) {
  if (window.isActiveWindow()) {
    const bool refill = pending_;
    pending_ = false;
    return refill;
  }
  // The newly active window is already known here; none means another program.
  pending_ = QApplication::activeWindow() != nullptr;
  return false;
}
