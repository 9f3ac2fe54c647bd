#include "BuiltTexts.h"

#include <QLabel>
#include <QWidget>

void BuiltTexts::Add(const char* key, const QString& english) {
  auto* label = new QLabel(english, &form_);
  label->setObjectName(QString::fromLatin1(key));
  // A holder of text only: outside every layout and never shown.
  label->hide();
  label->setAttribute(Qt::WA_DontShowOnScreen);
  labels_[label->objectName()] = label;
}

QString BuiltTexts::Text(const char* key) const {
  const auto found = labels_.find(QString::fromLatin1(key));
  return found == labels_.end() ? QString() : found->second->text();
}
