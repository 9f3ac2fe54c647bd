#include "SettingChoice.h"

#include <QComboBox>

#include "lang/TextCatalogue.h"
#include "model/EditableFields.h"

namespace {

QString NameOf(const EditableField& field) {
  return QString::fromUtf8(field.Name.data(), static_cast<qsizetype>(field.Name.size()));
}

}  // namespace

void SettingChoice::Fill(QComboBox& box) {
  for (const EditableField& f : kMainParams)
    box.addItem(NameOf(f), NameOf(f));
  box.insertSeparator(box.count());
  for (const EditableField& f : kEnvironmentFields)
    box.addItem(NameOf(f), NameOf(f));
  SetTexts(box, TextCatalogue::English());
}

void SettingChoice::SetTexts(QComboBox& box, const TextCatalogue& texts) {
  for (const TextKey key : SettingTexts::kEnvironment) {
    const int item = box.findData(QString::fromUtf8(key.Name.data(), qsizetype(key.Name.size())));
    if (item >= 0) box.setItemText(item, QString::fromStdString(texts.Text(key)));
  }
}

QString SettingChoice::Current(const QComboBox& box) {
  return box.currentData().toString();
}

QString SettingChoice::Shown(const QComboBox& box, const QString& name) {
  const int item = box.findData(name);
  return item < 0 ? name : box.itemText(item);
}
