#include "TrawlDialog.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DoorDocument.h"
#include "UserLocale.h"
#include "numbers/NumberText.h"
#include "report/DisplayFormats.h"

namespace {

// Both angles: at most 3 decimals in 10 characters.
constexpr int kWidth = 10;
constexpr int kDecimals = 3;

constexpr QSize kPictureSize(420, 300);
constexpr int kFieldWidth = 80;

QString Shown(long double value) {
  return UserNumberText(DisplayFormats::kTrawlAngle, value);
}

// A caption with its field under it.
QVBoxLayout* Captioned(QLabel* caption, QLineEdit* field) {
  auto* pair = new QVBoxLayout;
  pair->setSpacing(2);
  pair->addWidget(caption);
  pair->addWidget(field, 0, Qt::AlignLeft);
  return pair;
}

}  // namespace

TrawlDialog::TrawlDialog(DoorDocument& document, HelpBrowser& help, QWidget* parent)
    : ScalarDialog(document, help, parent, "Trawl_f", "Influence of trawl") {
  pictureFrame_ = new QFrame(this);
  pictureFrame_->setObjectName("Panel1");
  picture_ = AddPicture(pictureFrame_, "Image1", ":/pictures/trawl_influence.svg", kPictureSize);

  horizontalAngleLabel_ =
      AddLabel(pictureFrame_, "Label1", "Bridle attack angle\n(horizontal projection), deg");
  horizontalAngle_ = new QLineEdit(pictureFrame_);
  horizontalAngle_->setObjectName("Edit1");
  verticalAngleLabel_ =
      AddLabel(pictureFrame_, "Label2", "Bridle attack angle\n(vertical projection), deg");
  verticalAngle_ = new QLineEdit(pictureFrame_);
  verticalAngle_->setObjectName("Edit2");
  for (QLineEdit* field : {horizontalAngle_, verticalAngle_})
    field->setFixedWidth(kFieldWidth);

  // The picture fills the frame; the horizontal angle sits at the top right, over the plan
  // view, the vertical one at the bottom left, over the side view.
  auto* grid = new QGridLayout(pictureFrame_);
  grid->setContentsMargins(6, 6, 2, 8);
  grid->addWidget(picture_, 0, 0, 3, 3);
  grid->addLayout(Captioned(horizontalAngleLabel_, horizontalAngle_), 0, 2, Qt::AlignTop);
  grid->addLayout(Captioned(verticalAngleLabel_, verticalAngle_), 2, 0, Qt::AlignBottom);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(1, 1);

  auto* root = new QVBoxLayout;
  root->setContentsMargins(9, 8, 9, 10);
  root->addWidget(pictureFrame_);
  root->addLayout(ButtonRow());
  SetFixedLayout(root);

  WatchText(horizontalAngle_);
  WatchText(verticalAngle_);
  CheckOnExit(horizontalAngle_, kWidth, kDecimals, "BridleAngleH");
  CheckOnExit(verticalAngle_, kWidth, kDecimals, "BridleAngleV");

  setTabOrder(horizontalAngle_, verticalAngle_);
  setTabOrder(verticalAngle_, OkButton());
  setTabOrder(OkButton(), CancelButton());
  setTabOrder(CancelButton(), HelpButton());

  WriteTexts();
}

void TrawlDialog::WriteTexts() {
  horizontalAngle_->setText(Shown(document_.Door().BridleAngleH));
  verticalAngle_->setText(Shown(document_.Door().BridleAngleV));
}

void TrawlDialog::FillFields() {
  WriteTexts();
  ClearChanged();
  refill_.SetPending(true);
}

void TrawlDialog::StoreFields(DoorInputs& door) const {
  const NumberLocale loc = UserNumberLocale();
  door.BridleAngleH = ReadNumber(horizontalAngle_->text().toStdString(), loc);
  door.BridleAngleV = ReadNumber(verticalAngle_->text().toStdString(), loc);
}

void TrawlDialog::changeEvent(QEvent* event) {
  ScalarDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isVisible()) return;
  if (refill_.OnActivationChange(*this)) WriteTexts();
}
