#pragma once

#include "ScalarDialog.h"

class QFrame;
class QGridLayout;
class QLabel;
class ValidatedField;

// The environment dialog (form "Envir_f"): water density, and for bottom trawling the
// ground density and the ground coefficient, as validated numeric fields over a picture of
// the trawling situation. The fields keep their design values until the first showing.
class EnvironmentDialog : public ScalarDialog {
  Q_OBJECT

 public:
  EnvironmentDialog(DoorDocument& document, HelpBrowser& help, QWidget* parent = nullptr);

  // Bottom trawling shows the bottom picture and all three rows with the water row high
  // up in the water band; midwater trawling shows the midwater picture and only the water
  // row, lower down. The main window calls this before each showing.
  void AdaptToMode(bool bottom);

 protected:
  void FillFields() override;
  void StoreFields(DoorInputs& door) const override;

 private:
  // A validated field within the limits of the door value `modelName` (LimitsOfField).
  ValidatedField* AddField(const char* name, const char* modelName, const QString& hint,
                           long double fallback, int precision, long double initial);

  QFrame* pictureFrame_ = nullptr;
  QGridLayout* rows_ = nullptr;  // the rows over the picture
  QLabel* bottomPicture_ = nullptr;
  QLabel* midwaterPicture_ = nullptr;
  QLabel* waterDensityLabel_ = nullptr;
  QLabel* groundDensityLabel_ = nullptr;
  QLabel* groundCoefLabel_ = nullptr;
  ValidatedField* waterDensity_ = nullptr;   // kg/m^3
  ValidatedField* groundDensity_ = nullptr;  // kg/m^3
  ValidatedField* groundCoef_ = nullptr;     // cm^3/N
};
