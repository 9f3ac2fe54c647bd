#pragma once

#include "ReactivationRefill.h"
#include "ScalarDialog.h"

class QFrame;
class QLabel;

// The influence of trawl dialog (form "Trawl_f"): the horizontal and vertical bridle
// attack angles, in degrees, beside a plan and a side view of the bridles.
class TTrawl_f : public ScalarDialog {
  Q_OBJECT

 public:
  TTrawl_f(DoorDocument& document, HelpBrowser& help, QWidget* parent = nullptr);

  QFrame* Panel1 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Edit1 = nullptr;  // horizontal projection
  QLineEdit* Edit2 = nullptr;  // vertical projection

 protected:
  // Writes the texts, then clears the flag: only typing sets it.
  void FormShow() override;
  void StoreFields() override;
  void changeEvent(QEvent* event) override;

 private:
  // Writes both texts from the model.
  void FormActivate();

  // Pending from showing until the first activation, too.
  ReactivationRefill refill_;
};
