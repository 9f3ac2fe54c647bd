#pragma once

#include <QLabel>

// A label whose text its window works out from other texts (a unit taken from the end of a
// translated hint, a count put into a translated pattern). The language files set the texts
// it is made from, never the label itself, so it is a class of its own that they do not
// address.
class DerivedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit DerivedLabel(const QString& name, QWidget* parent);
};
