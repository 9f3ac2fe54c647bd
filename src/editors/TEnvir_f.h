#pragma once

#include "ScalarDialog.h"

class QFrame;
class QLabel;
class TEditF;

// The environment dialog (form "Envir_f"): water density, and for bottom trawling the
// ground density and the ground coefficient, as validated numeric fields over a picture of
// the trawling situation. The fields keep their design values until the first showing.
class TEnvir_f : public ScalarDialog {
  Q_OBJECT

 public:
  TEnvir_f(DoorDocument& document, HelpBrowser& help, QWidget* parent = nullptr);

  // Bottom trawling shows the bottom picture and all three rows with the water row high
  // up in the water band; midwater trawling shows the midwater picture and only the water
  // row, lower down. The main window calls this before each showing.
  void AdaptToMode(bool bottom);

  // Tops of the water row in the picture panel.
  static constexpr int kWaterTopBottom = 68;
  static constexpr int kWaterTopMidwater = 124;

  QFrame* Panel1 = nullptr;
  QLabel* Image1 = nullptr;  // bottom trawling
  QLabel* Image2 = nullptr;  // midwater trawling
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  TEditF* Edit1 = nullptr;  // water density, kg/m^3
  TEditF* Edit2 = nullptr;  // ground density, kg/m^3
  TEditF* Edit3 = nullptr;  // ground coefficient, cm^3/N

 protected:
  void FormShow() override;
  void StoreFields() override;

 private:
  TEditF* AddField(const char* name, int top, const QString& hint, long double max,
                   long double fallback, int precision, long double initial);
};
