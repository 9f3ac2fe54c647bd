#include "TBDetail_f.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTableWidget>
#include <array>

#include "UserLocale.h"
#include "WindowPlacement.h"
#include "model/TBoard.h"
#include "numbers/NumberFormat.h"
#include "numbers/NumberText.h"

namespace {

constexpr char kWholeNewtons[] = "##############0";
constexpr char kMetresOrMoment[] = "#####0.###";

constexpr int kForceCount = 6;
constexpr int kComponentCount = 3;

// Grid geometry: the force grid, its magnitudes below and its sums at the right share one
// row height; the magnitudes use the force grid's columns so that they line up.
constexpr int kRowHeight = 18;
constexpr int kForceColumnWidth = 62;
constexpr int kSumColumnWidth = 82;
constexpr int kFrame = 1;
constexpr int kGridLeft = 66;
constexpr int kGridTop = 38;
constexpr int kSumLeft = kGridLeft + kForceCount * kForceColumnWidth + 2 * kFrame + 8;
constexpr int kMagnitudeTop = kGridTop + kComponentCount * kRowHeight + 2 * kFrame + 6;

// Lower area: three blocks, each a two-line caption over rows of label + field.
constexpr int kLowerTop = kMagnitudeTop + kRowHeight + 2 * kFrame + 8;
constexpr int kFieldTop = kLowerTop + 34;
constexpr int kFieldStep = 24;
constexpr int kFieldHeight = 22;

QTableWidget* MakeGrid(QWidget* parent, const char* name, int rows, int cols, int colWidth) {
  auto* grid = new QTableWidget(rows, cols, parent);
  grid->setObjectName(name);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
  grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid->horizontalHeader()->setDefaultSectionSize(colWidth);
  grid->setShowGrid(true);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setSelectionBehavior(QAbstractItemView::SelectItems);
  grid->setFrameStyle(QFrame::Box | QFrame::Plain);
  grid->setLineWidth(kFrame);
  grid->setWordWrap(false);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      auto* item = new QTableWidgetItem;
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid->setItem(r, c, item);
    }
  grid->resize(cols * colWidth + 2 * kFrame, rows * kRowHeight + 2 * kFrame);
  return grid;
}

}  // namespace

TBDetail_f::TBDetail_f(const TBoard& board, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      Board(board) {
  setObjectName("BDetail_f");
  setWindowTitle("Details");
  setFixedSize(540, 240);

  // Column headings over the force grid, row headings at its left.
  static constexpr std::array<const char*, kForceCount> kHeadNames = {
      "LabelWing",        "LabelStringer", "LabelUpperBridle",
      "LabelLowerBridle", "LabelGround",   "LabelGravity"};
  static constexpr std::array<const char*, kForceCount> kHeadTexts = {
      "Hydro.\nWing",  "Hydro.\nStringer", "Upper\nBridle",
      "Lower\nBridle", "Ground",           "Gravity\nForce"};
  for (int c = 0; c < kForceCount; ++c)
    AddLabel(kHeadNames[c], kHeadTexts[c],
             QRect(kGridLeft + kFrame + c * kForceColumnWidth, 2, kForceColumnWidth, 34),
             Qt::AlignHCenter | Qt::AlignBottom);
  static constexpr std::array<const char*, kComponentCount> kRowNames = {
      "LabelForceX", "LabelForceY", "LabelForceZ"};
  static constexpr std::array<const char*, kComponentCount> kRowTexts = {"Force X", "Force Y",
                                                                         "Force Z"};
  for (int r = 0; r < kComponentCount; ++r)
    AddLabel(kRowNames[r], kRowTexts[r],
             QRect(8, kGridTop + kFrame + r * kRowHeight, kGridLeft - 12, kRowHeight));

  StringGrid1 = MakeGrid(this, "StringGrid1", kComponentCount, kForceCount, kForceColumnWidth);
  StringGrid1->move(kGridLeft, kGridTop);
  StringGrid1->setTabKeyNavigation(true);
  connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
    if (row >= 0 && col >= 0) StringGrid1SelectCell(col, row);
  });

  AddLabel("LabelSum", "Sum", QRect(kSumLeft, 2, kSumColumnWidth + 2 * kFrame, 34),
           Qt::AlignHCenter | Qt::AlignBottom);
  StringGrid2 = MakeGrid(this, "StringGrid2", kComponentCount, 1, kSumColumnWidth);
  StringGrid2->move(kSumLeft, kGridTop);
  StringGrid2->setEnabled(false);
  {
    // Disabled only against input: the sums stay as legible as the forces.
    QPalette palette = StringGrid2->palette();
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::HighlightedText})
      palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    StringGrid2->setPalette(palette);
  }

  AddLabel("Label3DForce", "3D Force", QRect(8, kMagnitudeTop, kGridLeft - 12, 20));
  StringGrid3 = MakeGrid(this, "StringGrid3", 1, kForceCount, kForceColumnWidth);
  StringGrid3->move(kGridLeft, kMagnitudeTop);
  // Display only: its current column follows the selection in the force grid.
  StringGrid3->setFocusPolicy(Qt::NoFocus);
  StringGrid3->setAttribute(Qt::WA_TransparentForMouseEvents);

  // Application point.
  constexpr int kPointLeft = 8;
  AddLabel("LabelPoint",
           "Coordinates of force\napplication point, m:", QRect(kPointLeft, kLowerTop, 150, 32),
           Qt::AlignLeft | Qt::AlignBottom);
  static constexpr std::array<const char*, 3> kAxisNames = {"LabelX", "LabelY", "LabelZ"};
  static constexpr std::array<const char*, 3> kAxisTexts = {"X:", "Y:", "Z:"};
  static constexpr std::array<const char*, 3> kPointEdits = {"Edit3", "Edit6", "Edit7"};
  std::array<QLineEdit*, 3> point{};
  for (int i = 0; i < 3; ++i) {
    const int top = kFieldTop + i * kFieldStep;
    AddLabel(kAxisNames[i], kAxisTexts[i], QRect(kPointLeft, top, 18, kFieldHeight));
    point[i] = AddEdit(kPointEdits[i], QRect(kPointLeft + 20, top, 100, kFieldHeight));
  }
  Edit3 = point[0];
  Edit6 = point[1];
  Edit7 = point[2];

  // Lever arms.
  constexpr int kArmLeft = 170;
  AddLabel("LabelDistance", "Distance to axis, m:", QRect(kArmLeft, kLowerTop, 140, 32),
           Qt::AlignLeft | Qt::AlignBottom);
  Label10 = AddLabel("Label10", "Z:", QRect(kArmLeft, kFieldTop, 18, kFieldHeight));
  Edit1 = AddEdit("Edit1", QRect(kArmLeft + 20, kFieldTop, 100, kFieldHeight));
  Label11 = AddLabel("Label11", "Y:", QRect(kArmLeft, kFieldTop + kFieldStep, 18, kFieldHeight));
  Edit2 = AddEdit("Edit2", QRect(kArmLeft + 20, kFieldTop + kFieldStep, 100, kFieldHeight));

  // Moments.
  constexpr int kMomentLeft = 318;
  AddLabel("LabelMoment", "Moment around\naxis, newton*m:", QRect(kMomentLeft, kLowerTop, 130, 32),
           Qt::AlignLeft | Qt::AlignBottom);
  Label13 = AddLabel("Label13", "Z:", QRect(kMomentLeft, kFieldTop, 18, kFieldHeight));
  Edit4 = AddEdit("Edit4", QRect(kMomentLeft + 20, kFieldTop, 110, kFieldHeight));
  Label14 = AddLabel("Label14", "Y:", QRect(kMomentLeft, kFieldTop + kFieldStep, 18, kFieldHeight));
  Edit5 = AddEdit("Edit5", QRect(kMomentLeft + 20, kFieldTop + kFieldStep, 110, kFieldHeight));

  OKBtn = new QPushButton("OK", this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setGeometry(452, 240 - 8 - 28, 80, 28);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

  setTabOrder(StringGrid1, Edit3);
  setTabOrder(Edit3, Edit6);
  setTabOrder(Edit6, Edit7);
  setTabOrder(Edit7, Edit1);
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, Edit4);
  setTabOrder(Edit4, Edit5);
  setTabOrder(Edit5, OKBtn);
}

QLabel* TBDetail_f::AddLabel(const char* name, const QString& text, const QRect& geometry,
                             Qt::Alignment alignment) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setAlignment(alignment);
  return label;
}

QLineEdit* TBDetail_f::AddEdit(const char* name, const QRect& geometry) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  edit->setGeometry(geometry);
  edit->setReadOnly(true);
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

const TForce& TBDetail_f::ForceOfColumn(int col) const {
  switch (col) {
    case 0:
      return Board.ForceWing;
    case 1:
      return Board.ForceStringer;
    case 2:
      return Board.ForceUpperBridle;
    case 3:
      return Board.ForceLowerBridle;
    case 4:
      return Board.ForceGround;
    default:
      return Board.ForceGravity;
  }
}

void TBDetail_f::FormActivate() {
  const NumberLocale loc = UserNumberLocale();
  XYZ sum;
  for (int c = 0; c < kForceCount; ++c) {
    const XYZ& f = ForceOfColumn(c).Force;
    const std::array<long double, kComponentCount> components = {f.X, f.Y, f.Z};
    for (int r = 0; r < kComponentCount; ++r)
      StringGrid1->item(r, c)->setText(UserNumberText(kWholeNewtons, components[r], loc));
    sum = sum + f;
    StringGrid3->item(0, c)->setText(UserNumberText(kWholeNewtons, f.Length(), loc));
  }
  const std::array<long double, kComponentCount> sums = {sum.X, sum.Y, sum.Z};
  for (int r = 0; r < kComponentCount; ++r)
    StringGrid2->item(r, 0)->setText(
        QString::fromStdString(FormatNumber(15, 0, true, sums[r], loc)));

  {
    // The handler runs below in any case, also when (0, 0) was already current.
    const QSignalBlocker quiet(StringGrid1);
    StringGrid1->setCurrentCell(0, 0);
  }
  StringGrid1SelectCell(0, 0);
}

void TBDetail_f::StringGrid1SelectCell(int col, int row) {
  if (row < 0 || row >= kComponentCount) return;
  const TForce& force = ForceOfColumn(col);
  const XYZ& p = force.Point;
  const NumberLocale loc = UserNumberLocale();

  // Per component: the two other axes, the lever arm about each and the moment it gives.
  struct Arm {
    const char* axis;
    long double distance;
    long double moment;
  };
  std::array<Arm, 2> arms{};
  switch (row) {
    case 0:
      arms = {Arm{"Z:", p.Y, force.MomentOfFx.Z}, Arm{"Y:", p.Z, force.MomentOfFx.Y}};
      break;
    case 1:
      arms = {Arm{"Z:", p.X, force.MomentOfFy.Z}, Arm{"X:", p.Z, force.MomentOfFy.X}};
      break;
    default:
      arms = {Arm{"X:", p.Y, force.MomentOfFz.X}, Arm{"Y:", p.X, force.MomentOfFz.Y}};
      break;
  }
  Label10->setText(arms[0].axis);
  Edit1->setText(UserNumberText(kMetresOrMoment, arms[0].distance, loc));
  Label11->setText(arms[1].axis);
  Edit2->setText(UserNumberText(kMetresOrMoment, arms[1].distance, loc));
  Label13->setText(arms[0].axis);
  Edit4->setText(UserNumberText(kMetresOrMoment, arms[0].moment, loc));
  Label14->setText(arms[1].axis);
  Edit5->setText(UserNumberText(kMetresOrMoment, arms[1].moment, loc));

  Edit3->setText(UserNumberText(kMetresOrMoment, p.X, loc));
  Edit6->setText(UserNumberText(kMetresOrMoment, p.Y, loc));
  Edit7->setText(UserNumberText(kMetresOrMoment, p.Z, loc));

  StringGrid2->setCurrentCell(row, 0);
  StringGrid3->setCurrentCell(0, col < kForceCount ? col : kForceCount - 1);
  StringGrid2->viewport()->update();
  StringGrid3->viewport()->update();
}

void TBDetail_f::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  CenterOnScreen(*this);
  refill_.SetPending(false);
  FormActivate();
  StringGrid1->setFocus(Qt::OtherFocusReason);
}

void TBDetail_f::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isVisible()) return;
  if (refill_.OnActivationChange(*this)) FormActivate();
}
