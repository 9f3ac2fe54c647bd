#pragma once

#include "ScalarDialog.h"

class QFrame;
class QLabel;

// The keel position dialog (form "KOrg_f"): the origin point of the keel (xk, yk, zk),
// in metres, beside a sketch of the keel relative to the wing.
class TKOrg_f : public ScalarDialog {
  Q_OBJECT

 public:
  TKOrg_f(DoorDocument& document, HelpBrowser& help, QWidget* parent = nullptr);

  QFrame* Panel1 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* Edit1 = nullptr;  // xk
  QLineEdit* Edit2 = nullptr;  // yk
  QLineEdit* Edit3 = nullptr;  // zk

 protected:
  // Clears the flag, then writes the texts: a model changed since the last showing leaves
  // the flag set, and OK then stores the shown values.
  void FormShow() override;
  void StoreFields() override;

 private:
  void WriteTexts();
};
