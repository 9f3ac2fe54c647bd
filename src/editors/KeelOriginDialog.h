#pragma once

#include <array>

#include "ScalarDialog.h"

class QFrame;
class QLabel;

// The keel position dialog (form "KOrg_f"): the origin point of the keel (xk, yk, zk),
// in metres, beside a sketch of the keel relative to the wing.
class KeelOriginDialog : public ScalarDialog {
  Q_OBJECT

 public:
  KeelOriginDialog(DoorDocument& document, HelpBrowser& help, QWidget* parent = nullptr);

 protected:
  // Clears the flag, then writes the texts: a model changed since the last showing leaves
  // the flag set, and OK then stores the shown values.
  void FillFields() override;
  void StoreFields(DoorInputs& door) const override;

 private:
  void WriteTexts();

  QFrame* pictureFrame_ = nullptr;
  QLabel* picture_ = nullptr;
  std::array<QLabel*, 3> coordinateLabels_{};
  // xk, yk, zk
  std::array<QLineEdit*, 3> coordinates_{};
};
