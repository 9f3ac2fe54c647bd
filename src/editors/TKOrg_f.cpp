#include "TKOrg_f.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "UserLocale.h"
#include "model/TBoard.h"
#include "numbers/NumberText.h"

namespace {

constexpr char kCoordinateFormat[] = "#0.###";

// Every coordinate: at most 3 decimals in 6 characters, strictly between 0 and 10.
constexpr int kWidth = 6;
constexpr int kDecimals = 3;
constexpr long double kLower = 0;
constexpr long double kUpper = 10;

constexpr int kPictureSize = 250;
constexpr int kColumnLeft = 268;
constexpr int kFieldLeft = 320;
constexpr int kRowTop = 16;
constexpr int kRowStep = 34;

QString Shown(long double value) {
  return UserNumberText(kCoordinateFormat, value);
}

}  // namespace

TKOrg_f::TKOrg_f(DoorDocument& document, HelpBrowser& help, QWidget* parent)
    : ScalarDialog(document, help, parent, "KOrg_f", "Keel position", QSize(407, 266)) {
  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(8, 8, kPictureSize, kPictureSize);
  Image1 = AddPicture(Panel1, "Image1", ":/pictures/keel_position.svg",
                      QRect(0, 0, kPictureSize, kPictureSize));

  struct Row {
    const char* label;
    const char* text;
    const char* edit;
    const char* hint;
    long double fallback;
  };
  static constexpr std::array<Row, 3> kRows = {
      Row{"Label1", "X keel:", "Edit1", "Abscissa of keel origin point, [m]", 1},
      Row{"Label2", "Y keel:", "Edit2", "Ordinata of keel origin point, [m]", 0},
      Row{"Label3", "Z keel:", "Edit3", "Applicata of keel origin point, [m]", 0}};
  std::array<QLabel*, 3> labels{};
  std::array<QLineEdit*, 3> edits{};
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    const int top = kRowTop + static_cast<int>(i) * kRowStep;
    labels[i] = AddLabel(this, kRows[i].label, kRows[i].text,
                         QRect(kColumnLeft, top, kFieldLeft - kColumnLeft - 2, 22));
    labels[i]->setToolTip(kRows[i].hint);
    edits[i] = new QLineEdit(this);
    edits[i]->setObjectName(kRows[i].edit);
    edits[i]->setGeometry(kFieldLeft, top, 79, 22);
    edits[i]->setToolTip(kRows[i].hint);
    WatchText(edits[i]);
    CheckOnExit(edits[i], kWidth, kDecimals, kLower, kUpper, kRows[i].fallback);
  }
  Label1 = labels[0];
  Label2 = labels[1];
  Label3 = labels[2];
  Edit1 = edits[0];
  Edit2 = edits[1];
  Edit3 = edits[2];

  AddButtons(QRect(294, 161, 81, 27), QRect(294, 195, 81, 27), QRect(294, 229, 81, 27));
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, Edit3);
  setTabOrder(Edit3, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
  setTabOrder(CancelBtn, HelpBtn);

  WriteTexts();
}

void TKOrg_f::WriteTexts() {
  Edit1->setText(Shown(Board.xk));
  Edit2->setText(Shown(Board.yk));
  Edit3->setText(Shown(Board.zk));
}

void TKOrg_f::FormShow() {
  ClearChanged();
  WriteTexts();
}

void TKOrg_f::StoreFields() {
  const NumberLocale loc = UserNumberLocale();
  Board.xk = ReadNumber(Edit1->text().toStdString(), loc);
  Board.yk = ReadNumber(Edit2->text().toStdString(), loc);
  Board.zk = ReadNumber(Edit3->text().toStdString(), loc);
}
