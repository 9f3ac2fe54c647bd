#include "NamedControls.h"

#include <QBoxLayout>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

QLabel* NamedControls::Label(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

QDoubleSpinBox* NamedControls::SettingBox(QWidget* parent, const char* name) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(name);
  box->setRange(-kSettingLimit, kSettingLimit);
  box->setDecimals(kSettingDecimals);
  box->setLocale(QLocale());
  return box;
}

QPushButton* NamedControls::RowButton(QWidget* parent, QBoxLayout& row, const char* name,
                                      const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  row.addWidget(button);
  return button;
}

NamedControls::RunCancel NamedControls::RunAndCancel(QWidget* parent, const QString& prefix) {
  auto* run = new QPushButton(QStringLiteral("Run"), parent);
  run->setObjectName(prefix + QStringLiteral("Run"));
  run->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), parent);
  cancel->setObjectName(prefix + QStringLiteral("Cancel"));
  cancel->setAutoDefault(false);
  cancel->setEnabled(false);
  return {run, cancel};
}
