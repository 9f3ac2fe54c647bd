#pragma once

#include <QString>

class QBoxLayout;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QWidget;

// The controls that the windows built in code (sweep, target, operating map, the details'
// analysis panel) make alike: each with its object name, by which the language files reach
// it, and its English text until a language is applied.
class NamedControls {
 public:
  struct RunCancel {
    QPushButton* Run;
    QPushButton* Cancel;
  };

  static QLabel* Label(QWidget* parent, const char* name, const QString& caption);
  // A field for a setting's value: any value a door's field may hold, in the user's locale.
  static QDoubleSpinBox* SettingBox(QWidget* parent, const char* name);
  // A button of a window's button row, added to the row: Enter never presses it by accident.
  static QPushButton* RowButton(QWidget* parent, QBoxLayout& row, const char* name,
                                const QString& caption);
  // Run, the default button, and Cancel, out of use until a run starts; named prefix + "Run"
  // and prefix + "Cancel".
  static RunCancel RunAndCancel(QWidget* parent, const QString& prefix);

 private:
  // Wider than any field's range: the windows check a value against its field themselves.
  static constexpr double kSettingLimit = 1e9;
  static constexpr int kSettingDecimals = 4;
};
