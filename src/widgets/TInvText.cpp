#include "TInvText.h"

TInvText::TInvText(const QString& name, const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption) {
  setObjectName(name);
  // Holds a text only: never shown, and takes no room in a layout.
  setVisible(false);
  setAttribute(Qt::WA_DontShowOnScreen);
}
