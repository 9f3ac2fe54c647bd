#include "BalanceDetailsWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "UserLocale.h"
#include "gui/ModalAnswer.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"

namespace {

QTableWidget* Grid(const BalanceDetailsWindow& dialog, const char* name) {
  auto* grid = dialog.findChild<QTableWidget*>(name);
  EXPECT_NE(grid, nullptr) << name;
  return grid;
}

// The text of a field or label of the window.
QString TextOf(const BalanceDetailsWindow& dialog, const char* name) {
  if (const auto* field = dialog.findChild<QLineEdit*>(name)) return field->text();
  if (const auto* label = dialog.findChild<QLabel*>(name)) return label->text();
  ADD_FAILURE() << "no field or label " << name;
  return {};
}

// A position in which every force has all three components, so that no cell is zero by
// accident.
void EvaluateTurned(TBoard& board, bool bottom) {
  board.Edit([&](DoorInputs& d) { d.Bottom = bottom; });
  board.Evaluate(4 * kDegree, -3 * kDegree, 25 * kDegree);
}

// The number as the window should show it, built with the C library: `decimals` decimals,
// then trailing zeros and a bare point dropped, no sign on a zero, the user's decimal point.
QString Expected(long double value, int decimals) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0')
      text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  const std::size_t point = text.find('.');
  if (point != std::string::npos) text.replace(point, 1, UserNumberLocale().Decimal);
  return QString::fromStdString(text);
}
QString Newtons(long double value) {
  return Expected(value, 0);
}
QString Metres(long double value) {
  return Expected(value, 3);
}
// The width-based format of the sums writes no digit at all for a zero.
QString SumText(long double value) {
  const QString text = Newtons(value);
  return text == "0" ? QString() : text;
}

const TForce& ForceOf(const TBoard& board, int col) {
  const std::array<const TForce*, 6> forces = {
      &board.Result().ForceWing,        &board.Result().ForceStringer,
      &board.Result().ForceUpperBridle, &board.Result().ForceLowerBridle,
      &board.Result().ForceGround,      &board.Result().ForceGravity};
  return *forces.at(static_cast<std::size_t>(col));
}

long double Component(const XYZ& v, int row) {
  return row == 0 ? v.X : row == 1 ? v.Y : v.Z;
}

// Checks that the window shows component `row` of force `col` as selected: the lower area
// per component (the two other axes, the lever arms about them and the moments the
// component gives), and the highlighted sum and magnitude.
void ExpectSelected(const BalanceDetailsWindow& dialog, const TBoard& board, int col, int row) {
  SCOPED_TRACE(testing::Message() << "cell column " << col << ", row " << row);
  const XYZ& p = ForceOf(board, col).Point;
  const XYZ& f = ForceOf(board, col).Force;
  struct Expectation {
    const char* axis1;
    long double arm1;
    long double moment1;
    const char* axis2;
    long double arm2;
    long double moment2;
  };
  const std::array<Expectation, 3> byRow = {{
      {"Z:", p.Y, f.X * p.Y, "Y:", p.Z, f.X * p.Z},
      {"Z:", p.X, f.Y * p.X, "X:", p.Z, f.Y * p.Z},
      {"X:", p.Y, f.Z * p.Y, "Y:", p.X, f.Z * p.X},
  }};
  const Expectation& e = byRow.at(static_cast<std::size_t>(row));

  EXPECT_EQ(Grid(dialog, "StringGrid1")->currentRow(), row);
  EXPECT_EQ(Grid(dialog, "StringGrid1")->currentColumn(), col);
  EXPECT_TRUE(Grid(dialog, "StringGrid1")->item(row, col)->isSelected());

  EXPECT_EQ(TextOf(dialog, "Label10"), e.axis1);
  EXPECT_EQ(TextOf(dialog, "Edit1"), Metres(e.arm1));
  EXPECT_EQ(TextOf(dialog, "Label11"), e.axis2);
  EXPECT_EQ(TextOf(dialog, "Edit2"), Metres(e.arm2));
  EXPECT_EQ(TextOf(dialog, "Label13"), e.axis1);
  EXPECT_EQ(TextOf(dialog, "Edit4"), Metres(e.moment1));
  EXPECT_EQ(TextOf(dialog, "Label14"), e.axis2);
  EXPECT_EQ(TextOf(dialog, "Edit5"), Metres(e.moment2));

  EXPECT_EQ(TextOf(dialog, "Edit3"), Metres(p.X));
  EXPECT_EQ(TextOf(dialog, "Edit6"), Metres(p.Y));
  EXPECT_EQ(TextOf(dialog, "Edit7"), Metres(p.Z));

  EXPECT_EQ(Grid(dialog, "StringGrid2")->currentRow(), row);
  EXPECT_TRUE(Grid(dialog, "StringGrid2")->item(row, 0)->isSelected());
  EXPECT_EQ(Grid(dialog, "StringGrid3")->currentColumn(), col);
  EXPECT_TRUE(Grid(dialog, "StringGrid3")->item(0, col)->isSelected());
}

void ClickCell(QTableWidget* grid, int col, int row) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                    grid->visualItemRect(grid->item(row, col)).center());
}

QStringList LabelTexts(const QWidget& dialog) {
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>())
    texts << label->text();
  return texts;
}

TEST(BalanceDetailsWindow, LayoutAndControls) {
  TBoard board;
  BalanceDetailsWindow dialog(board);
  EXPECT_EQ(dialog.objectName(), "BDetail_f");
  EXPECT_EQ(dialog.windowTitle(), "Details");
  // The forces' area keeps its design size; the stability area below it adds only height.
  dialog.layout()->activate();
  EXPECT_EQ(dialog.findChild<QWidget*>("Client")->size(), QSize(540, 240));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_EQ(dialog.minimumWidth(), 540);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);

  const QStringList texts = LabelTexts(dialog);
  for (const char* text : {"Hydro.\nWing", "Hydro.\nStringer", "Upper\nBridle", "Lower\nBridle",
                           "Ground", "Gravity\nForce", "Force X", "Force Y", "Force Z", "Sum",
                           "3D Force", "Coordinates of force\napplication point, m:", "X:", "Y:",
                           "Z:", "Distance to axis, m:", "Moment around\naxis, newton*m:"})
    EXPECT_TRUE(texts.contains(text)) << text;

  struct GridShape {
    const char* name;
    int rows;
    int cols;
  };
  for (const GridShape& shape : {GridShape{"StringGrid1", 3, 6}, GridShape{"StringGrid2", 3, 1},
                                 GridShape{"StringGrid3", 1, 6}}) {
    SCOPED_TRACE(shape.name);
    auto* grid = dialog.findChild<QTableWidget*>(shape.name);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), shape.rows);
    EXPECT_EQ(grid->columnCount(), shape.cols);
    EXPECT_FALSE(grid->horizontalHeader()->isVisibleTo(&dialog));
    EXPECT_FALSE(grid->verticalHeader()->isVisibleTo(&dialog));
    EXPECT_EQ(grid->rowHeight(0), 18);
    EXPECT_TRUE(grid->showGrid());
    EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    // Every cell fits without scrolling.
    const QRect last = grid->visualItemRect(grid->item(shape.rows - 1, shape.cols - 1));
    EXPECT_TRUE(grid->viewport()->rect().contains(last)) << last.x() << "," << last.y();
  }
  EXPECT_TRUE(Grid(dialog, "StringGrid1")->tabKeyNavigation());
  EXPECT_FALSE(Grid(dialog, "StringGrid2")->isEnabled());

  for (const char* name : {"Edit3", "Edit6", "Edit7", "Edit1", "Edit2", "Edit4", "Edit5"}) {
    auto* edit = dialog.findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name;
    EXPECT_TRUE(edit->isReadOnly()) << name;
  }
  for (const char* name : {"Label10", "Label11", "Label13", "Label14"})
    EXPECT_NE(dialog.findChild<QLabel*>(name), nullptr) << name;
  auto* ok = dialog.findChild<QPushButton*>("OKBtn");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), "OK");
}

TEST(BalanceDetailsWindow, OpeningSelectsTheWingForceXComponent) {
  TBoard board;
  EvaluateTurned(board, true);
  BalanceDetailsWindow dialog(board);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

  const XYZ& p = board.Result().ForceWing.Point;
  const XYZ& f = board.Result().ForceWing.Force;
  EXPECT_EQ(TextOf(dialog, "Label10"), "Z:");
  EXPECT_EQ(TextOf(dialog, "Edit1"), Metres(p.Y));
  EXPECT_EQ(TextOf(dialog, "Label11"), "Y:");
  EXPECT_EQ(TextOf(dialog, "Edit2"), Metres(p.Z));
  EXPECT_EQ(TextOf(dialog, "Edit4"), Metres(f.X * p.Y));
  EXPECT_EQ(TextOf(dialog, "Edit5"), Metres(f.X * p.Z));
  ExpectSelected(dialog, board, 0, 0);
  EXPECT_EQ(QApplication::focusWidget(), Grid(dialog, "StringGrid1"));
}

TEST(BalanceDetailsWindow, GridsShowComponentsSumsAndMagnitudes) {
  for (const bool bottom : {true, false}) {
    SCOPED_TRACE(bottom ? "bottom" : "midwater");
    TBoard board;
    EvaluateTurned(board, bottom);
    BalanceDetailsWindow dialog(board);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    for (int col = 0; col < 6; ++col) {
      const XYZ& f = ForceOf(board, col).Force;
      for (int row = 0; row < 3; ++row)
        EXPECT_EQ(Grid(dialog, "StringGrid1")->item(row, col)->text(), Newtons(Component(f, row)))
            << "column " << col << ", row " << row;
      const long double length = std::sqrt(f.X * f.X + f.Y * f.Y + f.Z * f.Z);
      EXPECT_EQ(Grid(dialog, "StringGrid3")->item(0, col)->text(), Newtons(length))
          << "column " << col;
    }
    for (int row = 0; row < 3; ++row)
      EXPECT_EQ(Grid(dialog, "StringGrid2")->item(row, 0)->text(),
                SumText(Component(board.Result().TotalForce, row)))
          << "row " << row;
  }
}

TEST(BalanceDetailsWindow, MidwaterGroundColumnHoldsZeros) {
  TBoard board;
  EvaluateTurned(board, false);
  BalanceDetailsWindow dialog(board);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  for (int row = 0; row < 3; ++row)
    EXPECT_EQ(Grid(dialog, "StringGrid1")->item(row, 4)->text(), "0");
  EXPECT_EQ(Grid(dialog, "StringGrid3")->item(0, 4)->text(), "0");
  // Its moments vanish too, wherever the keel origin lies.
  ClickCell(Grid(dialog, "StringGrid1"), 4, 1);
  EXPECT_EQ(TextOf(dialog, "Edit4"), "0");
  EXPECT_EQ(TextOf(dialog, "Edit5"), "0");
  ExpectSelected(dialog, board, 4, 1);
}

TEST(BalanceDetailsWindow, KeysAndClicksSelectCells) {
  TBoard board;
  EvaluateTurned(board, true);
  BalanceDetailsWindow dialog(board);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QTableWidget* grid = Grid(dialog, "StringGrid1");

  QTest::keyClick(grid, Qt::Key_Down);
  ExpectSelected(dialog, board, 0, 1);
  QTest::keyClick(grid, Qt::Key_Down);
  ExpectSelected(dialog, board, 0, 2);
  QTest::keyClick(grid, Qt::Key_Tab);
  ExpectSelected(dialog, board, 1, 2);
  QTest::keyClick(grid, Qt::Key_Right);
  ExpectSelected(dialog, board, 2, 2);
  QTest::keyClick(grid, Qt::Key_Up);
  ExpectSelected(dialog, board, 2, 1);

  ClickCell(grid, 3, 1);
  ExpectSelected(dialog, board, 3, 1);
  ClickCell(grid, 5, 0);
  ExpectSelected(dialog, board, 5, 0);
  // Tab goes on to the first cell of the next row, not to the next control.
  QTest::keyClick(grid, Qt::Key_Tab);
  ExpectSelected(dialog, board, 0, 1);
  ClickCell(grid, 5, 2);
  ExpectSelected(dialog, board, 5, 2);
  ClickCell(grid, 4, 0);
  ExpectSelected(dialog, board, 4, 0);
}

TEST(BalanceDetailsWindow, EveryShowingRefillsFromTheModel) {
  TBoard board;
  EvaluateTurned(board, true);
  BalanceDetailsWindow dialog(board);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  ClickCell(Grid(dialog, "StringGrid1"), 2, 2);
  dialog.findChild<QPushButton*>("OKBtn")->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  board.Evaluate(-6 * kDegree, 2 * kDegree, 35 * kDegree);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(Grid(dialog, "StringGrid1")->item(1, 0)->text(),
            Newtons(board.Result().ForceWing.Force.Y));
  EXPECT_EQ(Grid(dialog, "StringGrid2")->item(0, 0)->text(), SumText(board.Result().TotalForce.X));
  ExpectSelected(dialog, board, 0, 0);
}

TEST(BalanceDetailsWindow, ComingBackFromAnotherWindowRefills) {
  TBoard board;
  EvaluateTurned(board, true);
  BalanceDetailsWindow dialog(board);
  QWidget other;
  other.setWindowTitle("another window");
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  ClickCell(Grid(dialog, "StringGrid1"), 3, 2);
  ExpectSelected(dialog, board, 3, 2);

  // Losing the focus to another program leaves the selection alone.
  QApplication::setActiveWindow(nullptr);
  QApplication::setActiveWindow(&dialog);
  ASSERT_TRUE(dialog.isActiveWindow());
  ExpectSelected(dialog, board, 3, 2);

  // Coming back from another window of this program shows the model afresh.
  QApplication::setActiveWindow(&other);
  ASSERT_TRUE(other.isActiveWindow());
  board.Evaluate(0, 0, 10 * kDegree);
  QApplication::setActiveWindow(&dialog);
  ASSERT_TRUE(dialog.isActiveWindow());
  EXPECT_EQ(Grid(dialog, "StringGrid1")->item(0, 1)->text(),
            Newtons(board.Result().ForceStringer.Force.X));
  ExpectSelected(dialog, board, 0, 0);
}

TEST(BalanceDetailsWindow, ModalShowingClosesWithOK) {
  TBoard board;
  EvaluateTurned(board, true);
  BalanceDetailsWindow dialog(board);
  QString wingArm;
  AnswerNextModal([&](QWidget* modal) {
    auto* details = qobject_cast<BalanceDetailsWindow*>(modal);
    ASSERT_NE(details, nullptr);
    wingArm = TextOf(*details, "Edit1");
    details->findChild<QPushButton*>("OKBtn")->click();
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(wingArm, Metres(board.Result().ForceWing.Point.Y));
}

}  // namespace
