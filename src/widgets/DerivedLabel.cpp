#include "DerivedLabel.h"

DerivedLabel::DerivedLabel(const QString& name, QWidget* parent) : QLabel(parent) {
  setObjectName(name);
}
