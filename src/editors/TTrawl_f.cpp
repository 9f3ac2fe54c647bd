#include "TTrawl_f.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "UserLocale.h"
#include "model/TBoard.h"
#include "numbers/NumberText.h"

namespace {

constexpr char kAngleFormat[] = "#####0.###";

// Both angles: at most 3 decimals in 10 characters.
constexpr int kWidth = 10;
constexpr int kDecimals = 3;

QString Shown(long double value) {
  return UserNumberText(kAngleFormat, value);
}

}  // namespace

TTrawl_f::TTrawl_f(DoorDocument& document, HelpBrowser& help, QWidget* parent)
    : ScalarDialog(document, help, parent, "Trawl_f", "Influence of trawl", QSize(438, 355)) {
  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(9, 8, 420, 300);
  Image1 = AddPicture(Panel1, "Image1", ":/pictures/trawl_influence.svg", QRect(0, 0, 420, 300));

  // The horizontal angle at the top right, over the plan view; the vertical one at the
  // bottom left, over the side view.
  Label1 = AddLabel(Panel1, "Label1", "Bridle attack angle\n(horizontal projection), deg",
                    QRect(250, 6, 168, 32));
  Edit1 = new QLineEdit(Panel1);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(250, 40, 80, 22);
  Label2 = AddLabel(Panel1, "Label2", "Bridle attack angle\n(vertical projection), deg",
                    QRect(6, 236, 168, 32));
  Edit2 = new QLineEdit(Panel1);
  Edit2->setObjectName("Edit2");
  Edit2->setGeometry(6, 270, 80, 22);

  WatchText(Edit1);
  WatchText(Edit2);
  CheckOnExit(Edit1, kWidth, kDecimals, 0, 89, 10);
  CheckOnExit(Edit2, kWidth, kDecimals, -89, 89, -5);

  AddButtons(QRect(190, 318, 75, 27), QRect(272, 318, 75, 27), QRect(354, 318, 75, 27));
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
  setTabOrder(CancelBtn, HelpBtn);

  FormActivate();
}

void TTrawl_f::FormActivate() {
  Edit1->setText(Shown(Board.BridleAngleH));
  Edit2->setText(Shown(Board.BridleAngleV));
}

void TTrawl_f::FormShow() {
  FormActivate();
  ClearChanged();
  refill_.SetPending(true);
}

void TTrawl_f::StoreFields() {
  const NumberLocale loc = UserNumberLocale();
  Board.BridleAngleH = ReadNumber(Edit1->text().toStdString(), loc);
  Board.BridleAngleV = ReadNumber(Edit2->text().toStdString(), loc);
}

void TTrawl_f::changeEvent(QEvent* event) {
  ScalarDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isVisible()) return;
  if (refill_.OnActivationChange(*this)) FormActivate();
}
