#include "BalanceDetailsWindow.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "BalanceAnalysisPanel.h"
#include "GridTabExit.h"
#include "StabilityPanel.h"
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

// The grids' design: the force grid, its magnitudes below and its sums at the right share one
// row height; the magnitudes use the force grid's columns so that they line up.
constexpr int kRowHeight = 18;
constexpr int kForceColumnWidth = 62;
constexpr int kSumColumnWidth = 82;
constexpr int kFrame = 1;
constexpr int kHeadingHeight = 34;
constexpr int kMargin = 8;
constexpr int kArmFieldWidth = 100;  // the point's and the lever arms' fields
constexpr int kMomentFieldWidth = 110;
// The window's design size; it grows only when longer texts need the room.
constexpr int kDesignWidth = 540;
constexpr int kDesignHeight = 240;

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
  // Every cell shows without scrolling: the grid is exactly as large as its cells.
  grid->setFixedSize(cols * colWidth + 2 * kFrame, rows * kRowHeight + 2 * kFrame);
  return grid;
}

// A column of labels, one per grid row, beside a grid.
QVBoxLayout* RowHeadings() {
  auto* rows = new QVBoxLayout;
  rows->setContentsMargins(0, kFrame, 0, kFrame);
  rows->setSpacing(0);
  return rows;
}

}  // namespace

BalanceDetailsWindow::BalanceDetailsWindow(const TBoard& board, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      board_(board) {
  setObjectName("BDetail_f");
  setWindowTitle("Details");

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  // A fixed window whose size follows its contents: a longer text widens it.
  outer->setSizeConstraint(QLayout::SetFixedSize);
  client_ = new QWidget(this);
  client_->setObjectName("Client");
  client_->setMinimumSize(kDesignWidth, kDesignHeight);
  outer->addWidget(client_);
  // The stability of the position goes below the forces' area, which keeps its size.
  stability_ = new StabilityPanel(this);
  auto* stabilityRow = new QHBoxLayout;
  stabilityRow->setContentsMargins(kMargin, 0, kMargin, kMargin);
  stabilityRow->addWidget(stability_);
  outer->addLayout(stabilityRow);
  analysis_ = new BalanceAnalysisPanel(this);
  auto* analysisRow = new QHBoxLayout;
  analysisRow->setContentsMargins(kMargin, 0, kMargin, kMargin);
  analysisRow->addWidget(analysis_);
  analysis_->show();  // shown with the window, as any area of it
  outer->addLayout(analysisRow);
  auto* layout = new QVBoxLayout(client_);
  layout->setContentsMargins(kMargin, 2, kMargin, kMargin);

  auto* table = new QGridLayout;
  table->setHorizontalSpacing(0);
  table->setVerticalSpacing(4);
  BuildForceTable(table);
  layout->addLayout(table);

  auto* lower = new QHBoxLayout;
  BuildLowerArea(lower);
  layout->addLayout(lower, 1);

  MatchColumnsToHeadings();
  // A heading given a new text asks for a new layout: the columns follow it first.
  client_->installEventFilter(this);
  outer->activate();

  setTabOrder(forceGrid_, pointX_);
  setTabOrder(pointX_, pointY_);
  setTabOrder(pointY_, pointZ_);
  setTabOrder(pointZ_, firstArm_);
  setTabOrder(firstArm_, secondArm_);
  setTabOrder(secondArm_, firstMoment_);
  setTabOrder(firstMoment_, secondMoment_);
  setTabOrder(secondMoment_, okButton_);
}

void BalanceDetailsWindow::BuildForceTable(QGridLayout* table) {
  // Columns: row headings, a gap, the force grid, a gap, the sums.
  table->setColumnMinimumWidth(1, 4);
  table->setColumnMinimumWidth(3, kMargin);
  table->setColumnStretch(5, 1);

  // Column headings over the force grid, row headings at its left.
  static constexpr std::array<const char*, kForceCount> kHeadNames = {
      "LabelWing",        "LabelStringer", "LabelUpperBridle",
      "LabelLowerBridle", "LabelGround",   "LabelGravity"};
  static constexpr std::array<const char*, kForceCount> kHeadTexts = {
      "Hydro.\nWing",  "Hydro.\nStringer", "Upper\nBridle",
      "Lower\nBridle", "Ground",           "Gravity\nForce"};
  auto* headings = new QHBoxLayout;
  headings->setContentsMargins(kFrame, 0, kFrame, 0);
  headings->setSpacing(0);
  for (int c = 0; c < kForceCount; ++c) {
    forceHeadings_[c] = AddLabel(kHeadNames[c], kHeadTexts[c], Qt::AlignHCenter | Qt::AlignBottom);
    forceHeadings_[c]->setMinimumHeight(kHeadingHeight);
    headings->addWidget(forceHeadings_[c]);
  }
  table->addLayout(headings, 0, 2);
  sumHeading_ = AddLabel("LabelSum", "Sum", Qt::AlignHCenter | Qt::AlignBottom);
  table->addWidget(sumHeading_, 0, 4);

  static constexpr std::array<const char*, kComponentCount> kRowNames = {
      "LabelForceX", "LabelForceY", "LabelForceZ"};
  static constexpr std::array<const char*, kComponentCount> kRowTexts = {"Force X", "Force Y",
                                                                         "Force Z"};
  QVBoxLayout* rows = RowHeadings();
  for (int r = 0; r < kComponentCount; ++r) {
    QLabel* heading = AddLabel(kRowNames[r], kRowTexts[r]);
    heading->setFixedHeight(kRowHeight);
    rows->addWidget(heading);
  }
  table->addLayout(rows, 1, 0);

  forceGrid_ = MakeGrid(client_, "StringGrid1", kComponentCount, kForceCount, kForceColumnWidth);
  forceGrid_->setTabKeyNavigation(true);
  // Tab walks the cells; Ctrl+Tab leaves the grid for the next control.
  GridTabExit::Install(*this);
  connect(forceGrid_, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
    if (row >= 0 && col >= 0) onForceCellSelected(col, row);
  });
  table->addWidget(forceGrid_, 1, 2, Qt::AlignLeft | Qt::AlignTop);

  sumGrid_ = MakeGrid(client_, "StringGrid2", kComponentCount, 1, kSumColumnWidth);
  sumGrid_->setEnabled(false);
  {
    // Disabled only against input: the sums stay as legible as the forces.
    QPalette palette = sumGrid_->palette();
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::HighlightedText})
      palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    sumGrid_->setPalette(palette);
  }
  table->addWidget(sumGrid_, 1, 4, Qt::AlignLeft | Qt::AlignTop);

  QVBoxLayout* magnitudeRow = RowHeadings();
  QLabel* magnitude = AddLabel("Label3DForce", "3D Force");
  magnitude->setFixedHeight(kRowHeight);
  magnitudeRow->addWidget(magnitude);
  table->addLayout(magnitudeRow, 2, 0);
  magnitudeGrid_ = MakeGrid(client_, "StringGrid3", 1, kForceCount, kForceColumnWidth);
  // Display only: its current column follows the selection in the force grid.
  magnitudeGrid_->setFocusPolicy(Qt::NoFocus);
  magnitudeGrid_->setAttribute(Qt::WA_TransparentForMouseEvents);
  table->addWidget(magnitudeGrid_, 2, 2, Qt::AlignLeft | Qt::AlignTop);
}

void BalanceDetailsWindow::BuildLowerArea(QHBoxLayout* lower) {
  lower->setSpacing(0);
  // Three blocks, each a two-line caption over rows of an axis label and its field.
  const auto block = [this, lower](const char* name, const QString& caption) {
    auto* rows = new QGridLayout;
    rows->setVerticalSpacing(2);
    rows->addWidget(AddLabel(name, caption, Qt::AlignLeft | Qt::AlignBottom), 0, 0, 1, 2);
    rows->setColumnStretch(1, 1);
    lower->addLayout(rows);
    return rows;
  };
  const auto row = [](QGridLayout* rows, QLabel* axis, QLineEdit* field) {
    const int at = rows->rowCount();
    rows->addWidget(axis, at, 0);
    rows->addWidget(field, at, 1);
  };

  QGridLayout* point = block("LabelPoint", "Coordinates of force\napplication point, m:");
  static constexpr std::array<const char*, 3> kAxisNames = {"LabelX", "LabelY", "LabelZ"};
  static constexpr std::array<const char*, 3> kAxisTexts = {"X:", "Y:", "Z:"};
  static constexpr std::array<const char*, 3> kPointFields = {"Edit3", "Edit6", "Edit7"};
  std::array<QLineEdit*, 3> fields{};
  for (int i = 0; i < 3; ++i) {
    fields[i] = AddField(kPointFields[i], kArmFieldWidth);
    row(point, AddLabel(kAxisNames[i], kAxisTexts[i]), fields[i]);
  }
  pointX_ = fields[0];
  pointY_ = fields[1];
  pointZ_ = fields[2];
  point->setRowStretch(point->rowCount(), 1);
  lower->addSpacing(kMargin);

  QGridLayout* arms = block("LabelDistance", "Distance to axis, m:");
  firstArmAxis_ = AddLabel("Label10", "Z:");
  firstArm_ = AddField("Edit1", kArmFieldWidth);
  row(arms, firstArmAxis_, firstArm_);
  secondArmAxis_ = AddLabel("Label11", "Y:");
  secondArm_ = AddField("Edit2", kArmFieldWidth);
  row(arms, secondArmAxis_, secondArm_);
  arms->setRowStretch(arms->rowCount(), 1);
  lower->addSpacing(kMargin);

  QGridLayout* moments = block("LabelMoment", "Moment around\naxis, newton*m:");
  firstMomentAxis_ = AddLabel("Label13", "Z:");
  firstMoment_ = AddField("Edit4", kMomentFieldWidth);
  row(moments, firstMomentAxis_, firstMoment_);
  secondMomentAxis_ = AddLabel("Label14", "Y:");
  secondMoment_ = AddField("Edit5", kMomentFieldWidth);
  row(moments, secondMomentAxis_, secondMoment_);
  moments->setRowStretch(moments->rowCount(), 1);

  okButton_ = new QPushButton("OK", client_);
  okButton_->setObjectName("OKBtn");
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  lower->addStretch(1);
  lower->addWidget(okButton_, 0, Qt::AlignBottom);
}

void BalanceDetailsWindow::MatchColumnsToHeadings() {
  int total = 0;
  for (int c = 0; c < kForceCount; ++c) {
    const int width = std::max(kForceColumnWidth, forceHeadings_[c]->sizeHint().width());
    forceHeadings_[c]->setFixedWidth(width);
    forceGrid_->setColumnWidth(c, width);
    magnitudeGrid_->setColumnWidth(c, width);
    total += width;
  }
  forceGrid_->setFixedWidth(total + 2 * kFrame);
  magnitudeGrid_->setFixedWidth(total + 2 * kFrame);
  const int sumWidth = std::max(kSumColumnWidth, sumHeading_->sizeHint().width());
  sumGrid_->setColumnWidth(0, sumWidth);
  sumGrid_->setFixedWidth(sumWidth + 2 * kFrame);
  sumHeading_->setFixedWidth(sumWidth + 2 * kFrame);
}

bool BalanceDetailsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::LayoutRequest) MatchColumnsToHeadings();
  return QDialog::eventFilter(watched, event);
}

QLabel* BalanceDetailsWindow::AddLabel(const char* name, const QString& text,
                                       Qt::Alignment alignment) {
  auto* label = new QLabel(text, client_);
  label->setObjectName(name);
  label->setAlignment(alignment);
  return label;
}

QLineEdit* BalanceDetailsWindow::AddField(const char* name, int width) {
  auto* edit = new QLineEdit(client_);
  edit->setObjectName(name);
  // The design width, not the field's own wish for seventeen characters; more when there is
  // room.
  edit->setMinimumWidth(width);
  edit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  edit->setReadOnly(true);
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

const TForce& BalanceDetailsWindow::ForceOfColumn(int col) const {
  switch (col) {
    case 0:
      return board_.Result().ForceWing;
    case 1:
      return board_.Result().ForceStringer;
    case 2:
      return board_.Result().ForceUpperBridle;
    case 3:
      return board_.Result().ForceLowerBridle;
    case 4:
      return board_.Result().ForceGround;
    default:
      return board_.Result().ForceGravity;
  }
}

void BalanceDetailsWindow::FillFromModel() {
  const NumberLocale loc = UserNumberLocale();
  XYZ sum;
  for (int c = 0; c < kForceCount; ++c) {
    const XYZ& f = ForceOfColumn(c).Force;
    const std::array<long double, kComponentCount> components = {f.X, f.Y, f.Z};
    for (int r = 0; r < kComponentCount; ++r)
      forceGrid_->item(r, c)->setText(UserNumberText(kWholeNewtons, components[r], loc));
    sum = sum + f;
    magnitudeGrid_->item(0, c)->setText(UserNumberText(kWholeNewtons, f.Length(), loc));
  }
  const std::array<long double, kComponentCount> sums = {sum.X, sum.Y, sum.Z};
  for (int r = 0; r < kComponentCount; ++r)
    sumGrid_->item(r, 0)->setText(QString::fromStdString(FormatNumber(15, 0, true, sums[r], loc)));

  {
    // The handler runs below in any case, also when (0, 0) was already current.
    const QSignalBlocker quiet(forceGrid_);
    forceGrid_->setCurrentCell(0, 0);
  }
  onForceCellSelected(0, 0);
  stability_->ShowFor(board_);
  analysis_->Analyse(board_);
}

void BalanceDetailsWindow::onForceCellSelected(int col, int row) {
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
  firstArmAxis_->setText(arms[0].axis);
  firstArm_->setText(UserNumberText(kMetresOrMoment, arms[0].distance, loc));
  secondArmAxis_->setText(arms[1].axis);
  secondArm_->setText(UserNumberText(kMetresOrMoment, arms[1].distance, loc));
  firstMomentAxis_->setText(arms[0].axis);
  firstMoment_->setText(UserNumberText(kMetresOrMoment, arms[0].moment, loc));
  secondMomentAxis_->setText(arms[1].axis);
  secondMoment_->setText(UserNumberText(kMetresOrMoment, arms[1].moment, loc));

  pointX_->setText(UserNumberText(kMetresOrMoment, p.X, loc));
  pointY_->setText(UserNumberText(kMetresOrMoment, p.Y, loc));
  pointZ_->setText(UserNumberText(kMetresOrMoment, p.Z, loc));

  sumGrid_->setCurrentCell(row, 0);
  magnitudeGrid_->setCurrentCell(0, col < kForceCount ? col : kForceCount - 1);
  sumGrid_->viewport()->update();
  magnitudeGrid_->viewport()->update();
}

void BalanceDetailsWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  CenterOnScreen(*this);
  refill_.SetPending(false);
  FillFromModel();
  forceGrid_->setFocus(Qt::OtherFocusReason);
}

void BalanceDetailsWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isVisible()) return;
  if (refill_.OnActivationChange(*this)) FillFromModel();
}

void BalanceDetailsWindow::SetTexts(const TextCatalogue& texts) {
  stability_->SetTexts(texts);
}

const TextCatalogue& BalanceDetailsWindow::Texts() const {
  return stability_->Texts();
}
