#pragma once

#include "ReactivationRefill.h"
#include "ScalarDialog.h"

class QFrame;
class QLabel;

// The influence of trawl dialog (form "Trawl_f"): the horizontal and vertical bridle
// attack angles, in degrees, beside a plan and a side view of the bridles.
class TrawlDialog : public ScalarDialog {
  Q_OBJECT

 public:
  TrawlDialog(DoorDocument& document, HelpBrowser& help, QWidget* parent = nullptr);

 protected:
  // Writes the texts, then clears the flag: only typing sets it.
  void FillFields() override;
  void StoreFields(DoorInputs& door) const override;
  void changeEvent(QEvent* event) override;

 private:
  // Writes both texts from the model.
  void WriteTexts();

  QFrame* pictureFrame_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* horizontalAngleLabel_ = nullptr;
  QLabel* verticalAngleLabel_ = nullptr;
  QLineEdit* horizontalAngle_ = nullptr;  // bridle angle in the horizontal projection
  QLineEdit* verticalAngle_ = nullptr;    // bridle angle in the vertical projection

  // Pending from showing until the first activation, too.
  ReactivationRefill refill_;
};
