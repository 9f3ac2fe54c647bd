#include "TEnvir_f.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <initializer_list>

#include "TEditF.h"
#include "model/TBoard.h"

namespace {

constexpr int kPictureSize = 200;
constexpr int kLabelLeft = 4;
constexpr int kLabelWidth = 120;
constexpr int kLabelHeight = 30;
constexpr int kFieldLeft = 128;
constexpr int kFieldWidth = 68;
constexpr int kFieldHeight = 22;
// The ground rows sit on the sea bed of the bottom picture.
constexpr int kGroundDensityTop = 124;
constexpr int kGroundCoefTop = 160;

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

TEnvir_f::TEnvir_f(DoorDocument& document, HelpBrowser& help, QWidget* parent)
    : ScalarDialog(document, help, parent, "Envir_f", "Environment", QSize(313, 227)) {
  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(8, 13, kPictureSize, kPictureSize);

  // The two pictures overlay each other; the labels and fields are created later, so
  // they lie on top.
  const QRect picture(0, 0, kPictureSize, kPictureSize);
  Image1 = AddPicture(Panel1, "Image1", ":/pictures/envir_bottom.svg", picture);
  Image2 = AddPicture(Panel1, "Image2", ":/pictures/envir_midwater.svg", picture);

  const QString waterHint = "Density of Water, [kg/m^3]";
  const QString densityHint = "Density of Ground, [kg/m^3]";
  const QString coefHint = "Coefficient of force out from ground,  [cm^3/newton]";
  Label1 = AddLabel(Panel1, "Label1", "Water density, kg/m^3",
                    QRect(kLabelLeft, kWaterTopBottom, kLabelWidth, kLabelHeight));
  Label2 = AddLabel(Panel1, "Label2", "Ground density, kg/m^3",
                    QRect(kLabelLeft, kGroundDensityTop, kLabelWidth, kLabelHeight));
  Label3 = AddLabel(Panel1, "Label3", "Ground coefficient, cm^3/newton",
                    QRect(kLabelLeft, kGroundCoefTop, kLabelWidth, kLabelHeight));
  Label1->setToolTip(waterHint);
  Label2->setToolTip(densityHint);
  Label3->setToolTip(coefHint);
  for (QLabel* label : {Label1, Label2, Label3})
    label->setWordWrap(true);
  // Each label sits on its part of the picture.
  Colour(Label1, kWaterColour, Qt::white);
  Colour(Label2, kGroundColour, Qt::black);
  Colour(Label3, kGroundColour, Qt::black);

  Edit1 = AddField("Edit1", kWaterTopBottom, waterHint, 10000, 1000, 3, 1034);
  Edit2 = AddField("Edit2", kGroundDensityTop, densityHint, 10000, 2000, 3, 2000);
  Edit3 = AddField("Edit3", kGroundCoefTop, coefHint, 100, 0.35L, 5, 0.35L);

  AddButtons(QRect(224, 13, 81, 27), QRect(224, 47, 81, 27), QRect(224, 81, 81, 27));
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, Edit3);
  setTabOrder(Edit3, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
  setTabOrder(CancelBtn, HelpBtn);

  AdaptToMode(true);
}

TEditF* TEnvir_f::AddField(const char* name, int top, const QString& hint, long double max,
                           long double fallback, int precision, long double initial) {
  auto* field = new TEditF(Panel1);
  field->setObjectName(name);
  field->setGeometry(kFieldLeft, top, kFieldWidth, kFieldHeight);
  field->setToolTip(hint);
  // Design values: set without the consistency rules and without validation.
  field->BeginLoading();
  field->setValMin(0);
  field->setValMax(max);
  field->setValMinIncl(true);
  field->setValMaxIncl(true);
  field->setValCheck(true);
  field->setValDefault(fallback);
  field->setValPrecision(precision);
  field->setVal(initial);
  field->EndLoading();
  WatchText(field);
  return field;
}

void TEnvir_f::AdaptToMode(bool bottom) {
  Image1->setVisible(bottom);
  Image2->setVisible(!bottom);
  for (QWidget* groundRow : std::initializer_list<QWidget*>{Label2, Label3, Edit2, Edit3})
    groundRow->setVisible(bottom);
  const int top = bottom ? kWaterTopBottom : kWaterTopMidwater;
  Label1->move(Label1->x(), top);
  Edit1->move(Edit1->x(), top);
}

void TEnvir_f::FormShow() {
  ClearChanged();
  Edit1->SetAndShow(Board.WaterDensity);
  Edit2->SetAndShow(Board.GroundDensity);
  Edit3->SetAndShow(Board.GroundCoef);
}

void TEnvir_f::StoreFields() {
  // All three, also the ground rows hidden in midwater trawling.
  Board.WaterDensity = Edit1->Val();
  Board.GroundDensity = Edit2->Val();
  Board.GroundCoef = Edit3->Val();
}
