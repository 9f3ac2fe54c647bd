#include "EnvironmentDialog.h"

#include <QColor>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <initializer_list>

#include "DoorDocument.h"
#include "ValidatedField.h"
#include "model/FieldLimits.h"

namespace {

constexpr int kPictureSize = 200;
constexpr int kFieldWidth = 68;

// The rows of the picture frame's grid. The picture spans them all; the gap rows put each
// caption on its band of the picture: the water row in the water, the ground rows on the
// sea bed of the bottom picture.
enum Row {
  kAboveWater,
  kWaterRow,
  kAboveGround,
  kGroundDensityRow,
  kBetweenGround,
  kGroundCoefRow,
  kBelow,
  kRowCount
};
enum Column { kLeftEdge, kCaption, kGap, kField, kRightEdge, kColumnCount };
constexpr int kWaterTopBottom = 68;
constexpr int kWaterTopMidwater = 124;
constexpr int kGroundDensityTop = 124;
constexpr int kGroundCoefTop = 160;
constexpr int kRowHeight = 30;

const QColor kWaterColour(0, 64, 128);
const QColor kGroundColour(128, 128, 128);

void Colour(QLabel* label, const QColor& background, const QColor& text) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  label->setPalette(palette);
  label->setAutoFillBackground(true);
}

}  // namespace

EnvironmentDialog::EnvironmentDialog(DoorDocument& document, HelpBrowser& help, QWidget* parent)
    : ScalarDialog(document, help, parent, "Envir_f", "Environment") {
  pictureFrame_ = new QFrame(this);
  pictureFrame_->setObjectName("Panel1");
  rows_ = new QGridLayout(pictureFrame_);
  rows_->setContentsMargins(0, 0, 0, 0);
  rows_->setSpacing(0);

  // The two pictures overlay each other under the rows; the labels and fields are created
  // later, so they lie on top.
  const QSize picture(kPictureSize, kPictureSize);
  bottomPicture_ = AddPicture(pictureFrame_, "Image1", ":/pictures/envir_bottom.svg", picture);
  midwaterPicture_ = AddPicture(pictureFrame_, "Image2", ":/pictures/envir_midwater.svg", picture);
  for (QLabel* image : {bottomPicture_, midwaterPicture_})
    rows_->addWidget(image, 0, 0, kRowCount, kColumnCount);

  const QString waterHint = "Density of Water, [kg/m^3]";
  const QString densityHint = "Density of Ground, [kg/m^3]";
  const QString coefHint = "Coefficient of force out from ground,  [cm^3/newton]";
  waterDensityLabel_ = AddLabel(pictureFrame_, "Label1", "Water density, kg/m^3");
  groundDensityLabel_ = AddLabel(pictureFrame_, "Label2", "Ground density, kg/m^3");
  groundCoefLabel_ = AddLabel(pictureFrame_, "Label3", "Ground coefficient, cm^3/newton");
  waterDensityLabel_->setToolTip(waterHint);
  groundDensityLabel_->setToolTip(densityHint);
  groundCoefLabel_->setToolTip(coefHint);
  // Each label sits on its part of the picture.
  Colour(waterDensityLabel_, kWaterColour, Qt::white);
  Colour(groundDensityLabel_, kGroundColour, Qt::black);
  Colour(groundCoefLabel_, kGroundColour, Qt::black);

  waterDensity_ = AddField("Edit1", "WaterDensity", waterHint, 1000, 3, 1034);
  groundDensity_ = AddField("Edit2", "GroundDensity", densityHint, 2000, 3, 2000);
  groundCoef_ = AddField("Edit3", "GroundCoef", coefHint, 0.35L, 5, 0.35L);

  const std::initializer_list<std::pair<QLabel*, ValidatedField*>> rowWidgets = {
      {waterDensityLabel_, waterDensity_},
      {groundDensityLabel_, groundDensity_},
      {groundCoefLabel_, groundCoef_}};
  int row = kWaterRow;
  for (const auto& [label, field] : rowWidgets) {
    // One line: a caption never breaks inside its unit ("kg/" over "m^3").
    label->setWordWrap(false);
    label->setMinimumHeight(kRowHeight);
    rows_->addWidget(label, row, kCaption);
    rows_->addWidget(field, row, kField, Qt::AlignVCenter);
    row += 2;
  }
  rows_->setColumnMinimumWidth(kLeftEdge, 4);
  rows_->setColumnMinimumWidth(kGap, 4);
  rows_->setColumnStretch(kRightEdge, 1);
  rows_->setRowMinimumHeight(kAboveGround, kGroundDensityTop - kWaterTopBottom - kRowHeight);
  rows_->setRowMinimumHeight(kBetweenGround, kGroundCoefTop - kGroundDensityTop - kRowHeight);
  rows_->setRowStretch(kBelow, 1);

  auto* root = new QHBoxLayout;
  root->setContentsMargins(8, 13, 8, 8);
  root->setSpacing(16);
  root->addWidget(pictureFrame_, 0, Qt::AlignTop);
  QBoxLayout* buttons = ButtonColumn();
  buttons->addStretch(1);
  root->addLayout(buttons);
  SetFixedLayout(root);

  setTabOrder(waterDensity_, groundDensity_);
  setTabOrder(groundDensity_, groundCoef_);
  setTabOrder(groundCoef_, OkButton());
  setTabOrder(OkButton(), CancelButton());
  setTabOrder(CancelButton(), HelpButton());

  AdaptToMode(true);
}

ValidatedField* EnvironmentDialog::AddField(const char* name, const char* modelName,
                                            const QString& hint, long double fallback,
                                            int precision, long double initial) {
  // One source for the interval: a door file, --set and a search accept the same.
  const FieldLimits limits = LimitsOfField(modelName).value();
  auto* field = new ValidatedField(pictureFrame_);
  field->setObjectName(name);
  field->setFixedWidth(kFieldWidth);
  field->setToolTip(hint);
  // Design values: set without the consistency rules and without validation.
  field->BeginLoading();
  field->setValMin(limits.Lower);
  field->setValMax(limits.Upper);
  field->setValMinIncl(limits.EndsIncluded);
  field->setValMaxIncl(limits.EndsIncluded);
  field->setValCheck(true);
  field->setValDefault(fallback);
  field->setValPrecision(precision);
  field->setVal(initial);
  field->EndLoading();
  WatchText(field);
  return field;
}

void EnvironmentDialog::AdaptToMode(bool bottom) {
  bottomPicture_->setVisible(bottom);
  midwaterPicture_->setVisible(!bottom);
  for (QWidget* groundRow : std::initializer_list<QWidget*>{groundDensityLabel_, groundCoefLabel_,
                                                            groundDensity_, groundCoef_})
    groundRow->setVisible(bottom);
  rows_->setRowMinimumHeight(kAboveWater, bottom ? kWaterTopBottom : kWaterTopMidwater);
}

void EnvironmentDialog::FillFields() {
  const DoorInputs& door = document_.Door();
  AdaptToMode(door.Bottom);
  ClearChanged();
  waterDensity_->SetAndShow(door.WaterDensity);
  groundDensity_->SetAndShow(door.GroundDensity);
  groundCoef_->SetAndShow(door.GroundCoef);
}

void EnvironmentDialog::StoreFields(DoorInputs& door) const {
  // All three, also the ground rows hidden in midwater trawling.
  door.WaterDensity = waterDensity_->Val();
  door.GroundDensity = groundDensity_->Val();
  door.GroundCoef = groundCoef_->Val();
}
