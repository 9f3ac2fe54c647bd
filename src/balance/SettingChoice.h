#pragma once

#include <QString>

class QComboBox;
class TextCatalogue;

// The list of settings a search or a map can change: the main parameters by their symbols,
// then the environment values by their names in the language shown. Each item keeps the
// model's name of its field, which is what the windows look the field up by, whatever the
// item reads.
class SettingChoice {
 public:
  static void Fill(QComboBox& box);
  // Names the environment values in the language of `texts`.
  static void SetTexts(QComboBox& box, const TextCatalogue& texts);
  // The model's name of the field chosen.
  static QString Current(const QComboBox& box);
  // How the list names the field `name` (the model's name) in the language shown.
  static QString Shown(const QComboBox& box, const QString& name);
};
