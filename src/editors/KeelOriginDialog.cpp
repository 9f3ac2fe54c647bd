#include "KeelOriginDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DoorDocument.h"
#include "UserLocale.h"
#include "numbers/NumberText.h"
#include "report/DisplayFormats.h"

namespace {

// Every coordinate: at most 3 decimals in 6 characters.
constexpr int kWidth = 6;
constexpr int kDecimals = 3;

constexpr int kPictureSize = 250;
constexpr int kFieldWidth = 79;

// The model's keel origin, in the order of the rows.
constexpr std::array<long double DoorInputs::*, 3> kCoordinates = {&DoorInputs::xk, &DoorInputs::yk,
                                                                   &DoorInputs::zk};

QString Shown(long double value) {
  return UserNumberText(DisplayFormats::kKeelPosition, value);
}

}  // namespace

KeelOriginDialog::KeelOriginDialog(DoorDocument& document, HelpBrowser& help, QWidget* parent)
    : ScalarDialog(document, help, parent, "KOrg_f", "Keel position") {
  pictureFrame_ = new QFrame(this);
  pictureFrame_->setObjectName("Panel1");
  picture_ = AddPicture(pictureFrame_, "Image1", ":/pictures/keel_position.svg",
                        QSize(kPictureSize, kPictureSize));
  auto* pictureLayout = new QVBoxLayout(pictureFrame_);
  pictureLayout->setContentsMargins(0, 0, 0, 0);
  pictureLayout->addWidget(picture_);

  struct Row {
    const char* label;
    const char* text;
    const char* edit;
    const char* hint;
    const char* field;  // the model's name, whose limits the field keeps
  };
  static constexpr std::array<Row, 3> kRows = {
      Row{"Label1", "X keel:", "Edit1", "Abscissa of keel origin point, [m]", "xk"},
      Row{"Label2", "Y keel:", "Edit2", "Ordinata of keel origin point, [m]", "yk"},
      Row{"Label3", "Z keel:", "Edit3", "Applicata of keel origin point, [m]", "zk"}};
  auto* fields = new QGridLayout;
  fields->setVerticalSpacing(12);
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    QLabel* label = coordinateLabels_[i] = AddLabel(this, kRows[i].label, kRows[i].text);
    label->setToolTip(kRows[i].hint);
    QLineEdit* edit = coordinates_[i] = new QLineEdit(this);
    edit->setObjectName(kRows[i].edit);
    edit->setFixedWidth(kFieldWidth);
    edit->setToolTip(kRows[i].hint);
    WatchText(edit);
    CheckOnExit(edit, kWidth, kDecimals, kRows[i].field);
    const int row = static_cast<int>(i);
    fields->addWidget(label, row, 0);
    fields->addWidget(edit, row, 1);
    // The unit of every coordinate, as its hint gives it.
    auto* unit = new QLabel(QStringLiteral("[m]"), this);
    unit->setObjectName(QStringLiteral("Unit%1").arg(row + 1));
    fields->addWidget(unit, row, 2);
  }

  // The fields at the top of a column right of the sketch, the buttons at its foot.
  auto* column = new QVBoxLayout;
  column->addLayout(fields);
  column->addStretch(1);
  column->addLayout(ButtonColumn());
  auto* root = new QHBoxLayout;
  root->setContentsMargins(8, 8, 8, 8);
  root->setSpacing(10);
  root->addWidget(pictureFrame_, 0, Qt::AlignTop);
  root->addLayout(column);
  SetFixedLayout(root);

  setTabOrder(coordinates_[0], coordinates_[1]);
  setTabOrder(coordinates_[1], coordinates_[2]);
  setTabOrder(coordinates_[2], OkButton());
  setTabOrder(OkButton(), CancelButton());
  setTabOrder(CancelButton(), HelpButton());

  WriteTexts();
}

void KeelOriginDialog::WriteTexts() {
  for (std::size_t i = 0; i < coordinates_.size(); ++i)
    coordinates_[i]->setText(Shown(document_.Door().*kCoordinates[i]));
}

void KeelOriginDialog::FillFields() {
  ClearChanged();
  WriteTexts();
}

void KeelOriginDialog::StoreFields(DoorInputs& door) const {
  const NumberLocale loc = UserNumberLocale();
  for (std::size_t i = 0; i < coordinates_.size(); ++i)
    door.*kCoordinates[i] = ReadNumber(coordinates_[i]->text().toStdString(), loc);
}
