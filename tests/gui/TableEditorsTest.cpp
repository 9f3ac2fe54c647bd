#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "DoorDocument.h"
#include "GroundEditor.h"
#include "HelpBrowser.h"
#include "HydrodynamicEditor.h"
#include "KeelGeometryEditor.h"
#include "ScPic.h"
#include "gui/DoorChanges.h"
#include "gui/MessageBoxScript.h"
#include "gui/ModalAnswer.h"
#include "model/TBoard.h"
#include "numbers/NumberText.h"
#include "render/PictureProbe.h"
#include "support/ShippedTexts.h"

namespace {

constexpr double kValueTolerance = 1e-12;
// Values written back went through the grid's three-decimal texts.
constexpr double kGridTolerance = 1e-9;
// Text positions come from font metrics: allow a pixel or two for rounding.
constexpr double kTextTolerance = 2.0;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);

using Rows = std::initializer_list<std::initializer_list<long double>>;

// The door takes the table as its saved state: a change the dialog makes is the only one.
void SetHydro(DoorDocument& document, Rows rows) {
  DoorInputs door = document.Door();
  CoefTable& t = door.Hydro;
  t.Count = 0;
  for (const auto& row : rows) {
    const long double* v = row.begin();
    t.At(t.Count, kHydroAngle) = v[0];
    t.At(t.Count, kHydroCx) = v[1];
    t.At(t.Count, kHydroCy) = v[2];
    t.At(t.Count, kHydroCd) = v[3];
    ++t.Count;
  }
  document.Edit("Test table", door);
  KeepTheDoorAsSaved(document);
}

// The door takes the table as its saved state: a change the dialog makes is the only one.
void SetKeel(DoorDocument& document, Rows rows) {
  DoorInputs door = document.Door();
  CoefTable& t = door.KeelGeom;
  t.Count = 0;
  for (const auto& row : rows) {
    const long double* v = row.begin();
    t.At(t.Count, kKeelZi) = v[0];
    t.At(t.Count, kKeelXi) = v[1];
    t.At(t.Count, kKeelYi) = v[2];
    ++t.Count;
  }
  document.Edit("Test table", door);
  KeepTheDoorAsSaved(document);
}

// The door takes the table as its saved state: a change the dialog makes is the only one.
void SetGround(DoorDocument& document, Rows rows) {
  DoorInputs door = document.Door();
  CoefTable& t = door.Ground;
  t.Count = 0;
  for (const auto& row : rows) {
    t.At(t.Count, kGroundAngle) = row.begin()[0];
    t.At(t.Count, kGroundCx) = row.begin()[1];
    ++t.Count;
  }
  document.Edit("Test table", door);
  KeepTheDoorAsSaved(document);
}

// A board and a help window for one dialog, shown and active as the main window shows it.
template <class Dialog>
struct Editor {
  DoorDocument Document;
  HelpBrowser Help;
  std::unique_ptr<Dialog> D;

  void Open() {
    D = std::make_unique<Dialog>(Document, Help);
    D->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(D.get()));
    D->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(D.get()));
  }

  QLineEdit* Field(int number) const {
    return D->template findChild<QLineEdit*>(QString("Edit%1").arg(number));
  }
  QPushButton* Button(const char* name) const { return D->template findChild<QPushButton*>(name); }
  QTableWidget* Grid() const { return D->template findChild<QTableWidget*>("StringGrid1"); }
  ScPic* Graph() const { return D->template findChild<ScPic*>("ScPic1"); }
  QString LabelText(const char* name) const { return D->template findChild<QLabel*>(name)->text(); }

  // Types over a field's whole text, without leaving it.
  void Type(int field, const QString& text) const {
    Field(field)->selectAll();
    QTest::keyClicks(Field(field), text);
  }
  // Fills the entry fields and presses Add.
  void Add(std::initializer_list<QString> texts) const {
    int field = 1;
    for (const QString& text : texts)
      Type(field++, text);
    Button("Button1")->click();
  }
  // Clicks a grid row with the mouse.
  void ClickRow(int row) const {
    QTableWidget* grid = Grid();
    const QPoint at = grid->visualRect(grid->model()->index(row, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  }
  // Answers the one message box the click opens and returns its text.
  QString PressAnswering(const char* button, QMessageBox::StandardButton answer) const {
    MessageBoxScript boxes;
    boxes.Answer(answer);
    Button(button)->click();
    EXPECT_EQ(boxes.Asked().size(), 1u);
    return boxes.Asked().empty() ? QString() : boxes.Asked()[0].Text;
  }
  // The same through the real message box, as the user sees it.
  QString PressAnsweringTheRealBox(const char* button, QMessageBox::StandardButton answer) const {
    QString text;
    AnswerMessageBox(answer, &text);
    Button(button)->click();
    return text;
  }

  QStringList Column(int column) const {
    QStringList texts;
    for (int r = 0; r < Grid()->rowCount(); ++r) {
      const QTableWidgetItem* item = Grid()->item(r, column);
      texts << (item ? item->text() : QString());
    }
    return texts;
  }
  QStringList Row(int row) const {
    QStringList texts;
    for (int c = 0; c < Grid()->columnCount(); ++c)
      texts << Grid()->item(row, c)->text();
    return texts;
  }
  QStringList Fields() const {
    QStringList texts;
    for (int c = 1; c <= Grid()->columnCount(); ++c)
      texts << Field(c)->text();
    return texts;
  }
};

// Runs `action` and counts the message boxes it opens (each one answered as its close
// button would).
int BoxesDuring(const std::function<void()>& action) {
  MessageBoxScript boxes;
  action();
  return static_cast<int>(boxes.Asked().size());
}

QPointF Pixel(const ScPic& pic, long double x, long double y) {
  return QPointF(pic.XToPixel(x), pic.YToPixel(y));
}

QColor PixelColour(const ScPic& pic, long double x, long double y) {
  return QColor(pic.Image().pixel(pic.XToPixel(x), pic.YToPixel(y)));
}

// ---------------------------------------------------------------------------------------
// Layout

TEST(TableEditorsLayout, HydrodynamicEditor) {
  Editor<HydrodynamicEditor> e;
  e.Open();
  EXPECT_EQ(e.D->objectName(), "Hydro_f");
  EXPECT_EQ(e.D->windowTitle(), "Hydrodynamic coefficients");
  EXPECT_EQ(e.D->size(), QSize(543, 354));
  EXPECT_TRUE(e.Button("Button1")->isDefault());
  const QTableWidget* grid = e.Grid();
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->columnCount(), 4);
  for (int c = 0; c < 4; ++c)
    EXPECT_EQ(grid->columnWidth(c), 46);
  EXPECT_EQ(grid->rowHeight(0), 16);
  EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
  for (const char* name : {"Button3", "OKBtn", "CancelBtn", "HelpBtn"})
    EXPECT_NE(e.Button(name), nullptr) << name;
  EXPECT_EQ(e.LabelText("Label1"), "Angle");
  EXPECT_EQ(e.D->findChild<QLabel*>("Label4")->toolTip(),
            "Coefficient of Hydrodynamical Force Application Point");
  EXPECT_EQ(e.Graph()->ImageType(), ScPic::itMetafile);
  // The entry fields stand over their columns.
  for (int c = 0; c < 4; ++c) {
    const int fieldLeft = e.Field(c + 1)->mapTo(e.D.get(), QPoint(0, 0)).x();
    const int columnLeft =
        grid->viewport()->mapTo(e.D.get(), QPoint(grid->columnViewportPosition(c), 0)).x();
    EXPECT_EQ(fieldLeft, columnLeft) << c;
  }

  // Resizing grows the graph; the buttons keep their distance to the bottom edge.
  const QSize graphBefore = e.Graph()->size();
  const int okGap = e.D->height() - e.Button("OKBtn")->geometry().bottom();
  e.D->resize(700, 500);
  EXPECT_EQ(e.Graph()->width(), graphBefore.width() + 157);
  EXPECT_EQ(e.Graph()->height(), graphBefore.height() + 146);
  EXPECT_EQ(e.D->height() - e.Button("OKBtn")->geometry().bottom(), okGap);
}

TEST(TableEditorsLayout, KeelAndGroundEditors) {
  Editor<KeelGeometryEditor> keel;
  keel.Open();
  EXPECT_EQ(keel.D->objectName(), "KGeom_f");
  EXPECT_EQ(keel.D->windowTitle(), "Geometry of keel");
  EXPECT_EQ(keel.D->size(), QSize(473, 425));
  EXPECT_TRUE(keel.Button("Button1")->isDefault());
  EXPECT_EQ(keel.LabelText("Label2"), "Xi=f(Zi)");
  EXPECT_EQ(keel.D->findChild<QLabel*>("Label1")->toolTip(), "Depth of keel in ground, [m]");
  auto* splitter = keel.D->findChild<QSplitter*>("Splitter1");
  ASSERT_NE(splitter, nullptr);
  EXPECT_EQ(splitter->sizes().value(1), 145);
  EXPECT_TRUE(keel.Graph()->parentWidget() == splitter->widget(1));

  keel.D->hide();

  Editor<GroundEditor> ground;
  ground.D = std::make_unique<GroundEditor>(ground.Document, ground.Help);
  EXPECT_EQ(ground.D->objectName(), "Ground_f");
  EXPECT_EQ(ground.D->findChild<QLabel*>("Label2")->toolTip(),
            "Coefficient of Ground-dynamical Resistance Force");
  EXPECT_EQ(ground.D->windowTitle(), "Ground-dynamical coefficients");
  EXPECT_EQ(ground.D->minimumSize(), ground.D->maximumSize());
  // Before any showing the fields hold their initial texts.
  EXPECT_EQ(ground.Fields(), QStringList({"0", "0.1"}));
  EXPECT_EQ(ground.Graph()->ImageType(), ScPic::itBitmap);
}

// ---------------------------------------------------------------------------------------
// Add and Delete

TEST(TableEditorsAdd, InsertsInKeyOrderAndSelectsTheNewRow) {
  Editor<HydrodynamicEditor> e;
  SetHydro(e.Document,
           {{5, 0.1, 0.01, 0.5}, {10, 0.2, 0.3, 0.4}, {20, 0.3, 0.6, 0.35}, {30, 0.5, 0.9, 0.35}});
  e.Open();
  e.Add({"25", "0.4", "0.75", "0.36"});
  EXPECT_EQ(e.Column(0), QStringList({"5", "10", "20", "25", "30"}));
  EXPECT_EQ(e.Row(3), QStringList({"25", "0.4", "0.75", "0.36"}));
  EXPECT_EQ(e.Grid()->currentRow(), 3);
  EXPECT_TRUE(e.Grid()->selectionModel()->isRowSelected(3, QModelIndex()));

  // Below the first key and above the last.
  e.Add({"2", "0.1", "0.1", "0.1"});
  e.Add({"45", "0.1", "0.1", "0.1"});
  EXPECT_EQ(e.Column(0), QStringList({"2", "5", "10", "20", "25", "30", "45"}));
  EXPECT_EQ(e.Grid()->currentRow(), 6);
}

TEST(TableEditorsAdd, ExistingKeyAsksBeforeReplacing) {
  Editor<HydrodynamicEditor> e;
  // The 4th decimal is lost in the grid: writing the grid back shows in the model.
  SetHydro(
      e.Document,
      {{0, 0.1234L, 0.01, 0.5}, {10, 0.2, 0.3, 0.4}, {20, 0.3, 0.6, 0.35}, {30, 0.5, 0.9, 0.35}});
  e.Open();
  const QStringList before = e.Column(1);
  e.Type(1, "20");
  e.Type(2, "0.9");
  e.D->SetTexts(ShippedTexts(DOORTRIM_LANGUAGE_FILES, 1).Texts);
  EXPECT_EQ(e.PressAnswering("Button1", QMessageBox::No), "Такая точка уже есть. Заменить?");
  e.D->SetTexts(ShippedTexts(DOORTRIM_LANGUAGE_FILES, 2).Texts);
  EXPECT_EQ(e.PressAnswering("Button1", QMessageBox::No), "Punktet finnes allerede. Erstatte?");
  e.D->SetTexts(ShippedTexts(DOORTRIM_LANGUAGE_FILES, 0).Texts);
  const QString question = e.PressAnswering("Button1", QMessageBox::No);
  EXPECT_EQ(question, "Point already exists. Replace?");
  EXPECT_EQ(e.Column(0), QStringList({"0", "10", "20", "30"}));
  EXPECT_EQ(e.Column(1), before);
  // Coming back from the question is no new activation: the typed texts stay.
  e.D->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(e.D.get()));
  EXPECT_EQ(e.Field(1)->text(), "20");
  EXPECT_EQ(e.Field(2)->text(), "0.9");

  // Declining still counts as a change: OK writes the grid back.
  e.Button("OKBtn")->click();
  EXPECT_EQ(e.D->result(), QDialog::Accepted);
  EXPECT_TRUE(e.Document.IsModified());
  EXPECT_NEAR(e.Document.Door().Hydro.At(0, kHydroCx), 0.123, kGridTolerance);
  EXPECT_EQ(e.Document.Door().Hydro.Count, 4);
}

TEST(TableEditorsAdd, ReplacingAnExistingKeyCopiesTheFieldsAndSelectsTheRow) {
  Editor<HydrodynamicEditor> e;
  SetHydro(e.Document, {{0, 0.1, 0.01, 0.5}, {10, 0.2, 0.3, 0.4}, {20, 0.3, 0.6, 0.35}});
  e.Open();
  e.ClickRow(0);
  e.Type(1, "10");
  e.Type(2, "0.25");
  e.PressAnswering("Button1", QMessageBox::Yes);
  EXPECT_EQ(e.Column(0), QStringList({"0", "10", "20"}));
  EXPECT_EQ(e.Row(1)[1], "0.25");
  EXPECT_EQ(e.Grid()->currentRow(), 1);
}

TEST(TableEditorsAdd, EmptyTableFillsItsOnlyRow) {
  Editor<GroundEditor> e;
  EditTheDoor(e.Document, [](DoorInputs& d) { d.Ground.Count = 0; });
  e.Open();
  ASSERT_EQ(e.Grid()->rowCount(), 1);
  EXPECT_EQ(e.Column(0), QStringList({""}));
  const int boxes = BoxesDuring([&] { e.Add({"15", "4.5"}); });
  EXPECT_EQ(boxes, 0);
  EXPECT_EQ(e.Grid()->rowCount(), 1);
  EXPECT_EQ(e.Row(0), QStringList({"15", "4.5"}));
}

TEST(TableEditorsAdd, OverflowAtOneHundredRows) {
  Editor<HydrodynamicEditor> e;
  EditTheDoor(e.Document, [](DoorInputs& d) {
    CoefTable& t = d.Hydro;
    t.Count = 99;
    for (int i = 0; i < t.Count; ++i) {
      t.At(i, kHydroAngle) = i * 0.5L;
      t.At(i, kHydroCx) = 0.5;
      t.At(i, kHydroCy) = 0.5;
      t.At(i, kHydroCd) = 0.5;
    }
  });
  e.Open();
  e.Add({"60", "1", "1", "0.5"});  // the 100th row is still taken
  ASSERT_EQ(e.Grid()->rowCount(), 100);

  e.Type(1, "70");
  EXPECT_EQ(e.PressAnswering("Button1", QMessageBox::Ok), "Overflow. Point ignored.");
  EXPECT_EQ(e.Grid()->rowCount(), 100);
  EXPECT_FALSE(e.Column(0).contains("70"));
}

TEST(TableEditorsDelete, RemovesTheSelectedRowButNeverTheLast) {
  Editor<HydrodynamicEditor> e;
  SetHydro(e.Document, {{0, 0.1, 0.01, 0.5}, {10, 0.2, 0.3, 0.4}, {20, 0.3, 0.6, 0.35}});
  e.Open();
  e.ClickRow(1);
  e.Button("Button3")->click();
  EXPECT_EQ(e.Column(0), QStringList({"0", "20"}));
  e.Button("Button3")->click();
  e.Button("Button3")->click();
  ASSERT_EQ(e.Grid()->rowCount(), 1);
  EXPECT_EQ(e.Row(0).size(), 4);
  EXPECT_FALSE(e.Row(0)[0].isEmpty());
  // Deleting the only row leaves it, texts and all.
  const QStringList only = e.Row(0);
  e.Button("Button3")->click();
  EXPECT_EQ(e.Grid()->rowCount(), 1);
  EXPECT_EQ(e.Row(0), only);
  // One row plots nothing.
  const PictureProbe probe(e.Graph()->Picture());
  EXPECT_TRUE(probe.LinesOf(kRed).empty()) << probe.Dump().toStdString();
}

TEST(TableEditorsGrid, ClickCopiesTheRowIntoTheFieldsAndActivationActsAsAClick) {
  Editor<KeelGeometryEditor> e;
  e.Open();
  // Shown and activated: the selected row (the first) is in the fields.
  EXPECT_EQ(e.Fields(), e.Row(0));
  e.ClickRow(2);
  EXPECT_EQ(e.Fields(), e.Row(2));
  EXPECT_EQ(e.D->MarkedRow(), 2);
  // The mark is on screen at once: white dots on the row's four points.
  const ScPic& pic = *e.Graph();
  const PictureProbe probe(pic.Picture());
  const long double z = e.Document.Door().KeelGeom.At(2, kKeelZi);
  for (const long double x : {e.Document.Door().KeelGeom.At(2, kKeelXi) / 2,
                              -e.Document.Door().KeelGeom.At(2, kKeelXi) / 2,
                              e.Document.Door().KeelGeom.At(2, kKeelYi) / 2,
                              -e.Document.Door().KeelGeom.At(2, kKeelYi) / 2})
    EXPECT_TRUE(probe.HasDot(kWhite, Pixel(pic, x, z), 3)) << probe.Dump().toStdString();

  // Clicking the selected row again refills edited fields.
  e.Type(1, "7");
  e.ClickRow(2);
  EXPECT_EQ(e.Fields(), e.Row(2));
}

TEST(TableEditorsGrid, DraggedRowFollowsTheMouse) {
  Editor<GroundEditor> e;
  SetGround(e.Document, {{0, 1}, {10, 2}, {20, 3}, {30, 4}});
  e.Open();
  QTableWidget* grid = e.Grid();
  QWidget* viewport = grid->viewport();
  const QPoint from = grid->visualRect(grid->model()->index(0, 0)).center();
  const QPoint to = grid->visualRect(grid->model()->index(2, 0)).center();
  QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), viewport->mapToGlobal(QPointF(to)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &move);
  QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
  EXPECT_EQ(e.Column(0), QStringList({"10", "20", "0", "30"}));
  EXPECT_EQ(grid->currentRow(), 2);
}

// ---------------------------------------------------------------------------------------
// Entry checks on leaving a field

TEST(TableEditorsEntryChecks, GroundFields) {
  Editor<GroundEditor> e;
  e.Open();
  auto leave = [&](int field, const QString& text, int next) {
    e.Field(field)->setFocus(Qt::TabFocusReason);
    e.Type(field, text);
    e.Field(next)->setFocus(Qt::TabFocusReason);
    return e.Field(field)->text();
  };
  EXPECT_EQ(leave(1, "90", 2), "0");  // the open interval leaves 90 out
  EXPECT_EQ(leave(1, "45.678", 2), "45.68");
  EXPECT_EQ(leave(2, "0", 1), "0");  // 0 is refused and 0 is the fallback
  EXPECT_EQ(leave(2, "95", 1), "0");
  EXPECT_EQ(leave(2, "12.5", 1), "12.5");
}

TEST(TableEditorsEntryChecks, HydrodynamicAndKeelFields) {
  Editor<HydrodynamicEditor> hydro;
  hydro.Open();
  auto leave = [](auto& e, int field, const QString& text, int next) {
    e.Field(field)->setFocus(Qt::TabFocusReason);
    e.Type(field, text);
    e.Field(next)->setFocus(Qt::TabFocusReason);
    return e.Field(field)->text();
  };
  EXPECT_EQ(leave(hydro, 1, "120", 2), "0");
  EXPECT_EQ(leave(hydro, 1, "35.5", 2), "35.5");
  EXPECT_EQ(leave(hydro, 2, "7", 3), "0.5");
  EXPECT_EQ(leave(hydro, 3, "1.25", 4), "1.25");
  EXPECT_EQ(leave(hydro, 3, "-1", 4), "0.5");
  EXPECT_EQ(leave(hydro, 4, "1.01", 1), "0.5");
  EXPECT_EQ(leave(hydro, 4, "0.3456", 1), "0.346");
  // Values a wing table holds itself stay as typed: the 90 degree row, a zero Cy, Cd 1.
  EXPECT_EQ(leave(hydro, 1, "90", 2), "90");
  EXPECT_EQ(leave(hydro, 3, "0", 4), "0");
  EXPECT_EQ(leave(hydro, 4, "1", 1), "1");
  hydro.D->hide();

  Editor<KeelGeometryEditor> keel;
  keel.Open();
  EXPECT_EQ(leave(keel, 1, "-0.2", 2), "0.01");
  EXPECT_EQ(leave(keel, 1, "0", 2), "0");  // the keel tip
  EXPECT_EQ(leave(keel, 2, "0", 3), "0");
  EXPECT_EQ(leave(keel, 1, "0.25", 2), "0.25");
  EXPECT_EQ(leave(keel, 2, "12", 3), "0.5");
  EXPECT_EQ(leave(keel, 3, "-1", 1), "0.1");
}

// ---------------------------------------------------------------------------------------
// OK and Cancel

TEST(TableEditorsOk, WithoutAddOrDeleteWritesNothing) {
  Editor<HydrodynamicEditor> e;
  SetHydro(e.Document, {{0, 0.1234L, 0.01, 0.5}, {10, 0.2, 0.3, 0.4}});
  e.Open();
  e.Type(1, "5");
  e.Type(2, "0.7");
  const int boxes = BoxesDuring([&] { e.Button("OKBtn")->click(); });
  EXPECT_EQ(boxes, 0);
  EXPECT_EQ(e.D->result(), QDialog::Accepted);
  EXPECT_FALSE(e.Document.IsModified());
  EXPECT_EQ(e.Document.Door().Hydro.At(0, kHydroCx), 0.1234L);
  EXPECT_EQ(e.Document.Door().Hydro.Count, 2);
}

TEST(TableEditorsOk, CancelWritesNothingAndTheNextShowingRefills) {
  Editor<GroundEditor> e;
  SetGround(e.Document, {{0, 1}, {10, 2}});
  e.Open();
  e.Add({"20", "3"});
  e.Button("CancelBtn")->click();
  EXPECT_EQ(e.D->result(), QDialog::Rejected);
  EXPECT_FALSE(e.Document.IsModified());
  EXPECT_EQ(e.Document.Door().Ground.Count, 2);
  e.D->show();
  EXPECT_EQ(e.Column(0), QStringList({"0", "10"}));
  EXPECT_FALSE(e.D->Changed());
}

TEST(TableEditorsOk, WritesTheGridBackWhenSound) {
  Editor<KeelGeometryEditor> e;
  SetKeel(e.Document, {{0, 0, 0}, {0.1, 1.5, 0.1}});
  e.Open();
  e.Add({"0.2", "2", "0.15"});
  e.Button("OKBtn")->click();
  EXPECT_EQ(e.D->result(), QDialog::Accepted);
  EXPECT_TRUE(e.Document.IsModified());
  const CoefTable& t = e.Document.Door().KeelGeom;
  ASSERT_EQ(t.Count, 3);
  EXPECT_NEAR(t.At(2, kKeelZi), 0.2, kValueTolerance);
  EXPECT_NEAR(t.At(2, kKeelXi), 2.0, kValueTolerance);
  EXPECT_NEAR(t.At(2, kKeelYi), 0.15, kValueTolerance);
}

TEST(TableEditorsOk, RefusesFewerThanTwoRowsUntilFixed) {
  Editor<HydrodynamicEditor> e;
  SetHydro(e.Document, {{0, 0.1, 0.01, 0.5}, {10, 0.2, 0.3, 0.4}});
  e.Open();
  e.ClickRow(0);
  e.Button("Button3")->click();
  const QString warning = e.PressAnsweringTheRealBox("OKBtn", QMessageBox::Ok);
  EXPECT_TRUE(warning.contains("at least 2 rows")) << warning.toStdString();
  EXPECT_TRUE(e.D->isVisible());
  EXPECT_FALSE(e.Document.IsModified());
  EXPECT_EQ(e.Document.Door().Hydro.Count, 2);
  EXPECT_EQ(e.Document.Door().Hydro.At(0, kHydroAngle), 0);

  e.Add({"50", "1", "1", "0.4"});
  e.Button("OKBtn")->click();
  EXPECT_FALSE(e.D->isVisible());
  EXPECT_EQ(e.D->result(), QDialog::Accepted);
  EXPECT_TRUE(e.Document.IsModified());
  ASSERT_EQ(e.Document.Door().Hydro.Count, 2);
  EXPECT_EQ(e.Document.Door().Hydro.At(0, kHydroAngle), 10);
  EXPECT_EQ(e.Document.Door().Hydro.At(1, kHydroAngle), 50);
}

TEST(TableEditorsOk, RefusesKeysThatDoNotIncrease) {
  Editor<HydrodynamicEditor> e;
  // Two keys apart only in the 4th decimal show as the same text in the grid.
  SetHydro(e.Document, {{0, 0.1, 0.01, 0.5},
                        {20.0001L, 0.2, 0.3, 0.4},
                        {20.0004L, 0.3, 0.6, 0.35},
                        {30, 0.5, 0.9, 0.35}});
  e.Open();
  ASSERT_EQ(e.Column(0), QStringList({"0", "20", "20", "30"}));
  e.Add({"40", "0.6", "1", "0.35"});
  const QString warning = e.PressAnswering("OKBtn", QMessageBox::Ok);
  EXPECT_TRUE(warning.contains("row 3:")) << warning.toStdString();
  EXPECT_TRUE(e.D->isVisible());
  EXPECT_FALSE(e.Document.IsModified());
  EXPECT_EQ(e.Document.Door().Hydro.Count, 4);
  EXPECT_EQ(e.Document.Door().Hydro.At(2, kHydroAngle), 20.0004L);

  e.ClickRow(2);
  e.Button("Button3")->click();
  e.Button("OKBtn")->click();
  EXPECT_EQ(e.D->result(), QDialog::Accepted);
  EXPECT_TRUE(e.Document.IsModified());
  ASSERT_EQ(e.Document.Door().Hydro.Count, 4);
  EXPECT_EQ(e.Document.Door().Hydro.At(1, kHydroAngle), 20);
  EXPECT_EQ(e.Document.Door().Hydro.At(3, kHydroAngle), 40);
}

TEST(TableEditorsOk, RefusesARowDraggedOutOfOrder) {
  Editor<GroundEditor> e;
  SetGround(e.Document, {{0, 1}, {10, 2}, {20, 3}});
  e.Open();
  QTableWidget* grid = e.Grid();
  QWidget* viewport = grid->viewport();
  const QPoint from = grid->visualRect(grid->model()->index(2, 0)).center();
  const QPoint to = grid->visualRect(grid->model()->index(0, 0)).center();
  QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), viewport->mapToGlobal(QPointF(to)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &move);
  QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
  ASSERT_EQ(e.Column(0), QStringList({"20", "0", "10"}));
  e.Add({"30", "4"});
  const QString warning = e.PressAnswering("OKBtn", QMessageBox::Ok);
  EXPECT_TRUE(warning.contains("row 2:")) << warning.toStdString();
  EXPECT_TRUE(e.D->isVisible());
  EXPECT_EQ(e.Document.Door().Ground.At(0, kGroundAngle), 0);
  EXPECT_FALSE(e.Document.IsModified());
}

TEST(TableEditorsOk, KeelRefusesADepthBelowTheTipUntilRemoved) {
  Editor<KeelGeometryEditor> e;
  // A keel whose first depth lies below its tip, as a door kept in memory may still hold it:
  // the entry fields cannot produce one, but OK must not pass it on either.
  SetKeel(e.Document, {{-0.1L, 0, 0}, {0.1L, 1, 0.1L}, {0.2L, 2, 0.15L}});
  const int steps = e.Document.History().count();
  e.Open();
  e.Add({"0.3", "2.5", "0.2"});
  ASSERT_EQ(e.Column(0), QStringList({"-0.1", "0.1", "0.2", "0.3"}));
  const QString warning = e.PressAnswering("OKBtn", QMessageBox::Ok);
  EXPECT_TRUE(warning.contains("row 1: Zi -0.1 must not be negative")) << warning.toStdString();
  EXPECT_TRUE(e.D->isVisible());
  // Such a door cannot be saved, so it counts as changed already: OK made no step.
  EXPECT_EQ(e.Document.History().count(), steps);
  EXPECT_EQ(e.Document.Door().KeelGeom.Count, 3);

  e.ClickRow(0);
  e.Button("Button3")->click();
  e.Button("OKBtn")->click();
  EXPECT_EQ(e.D->result(), QDialog::Accepted);
  EXPECT_EQ(e.Document.History().count(), steps + 1);
  ASSERT_EQ(e.Document.Door().KeelGeom.Count, 3);
  EXPECT_NEAR(e.Document.Door().KeelGeom.At(0, kKeelZi), 0.1, kValueTolerance);
  EXPECT_NEAR(e.Document.Door().KeelGeom.At(2, kKeelZi), 0.3, kValueTolerance);
}

// In Russian the refusal reads Russian in full: the heading and the reason, with only the
// column's symbol and the value as typed left as they are.
TEST(TableEditorsOk, RussianRefusalReadsRussianInFull) {
  Editor<HydrodynamicEditor> e;
  SetHydro(e.Document, {{0, 0.1, 0.01, 0.5}, {10, 0.2, 0.3, 0.4}, {20, 0.3, 0.6, 0.35}});
  e.Open();
  e.D->SetTexts(ShippedTexts(DOORTRIM_LANGUAGE_FILES, 1).Texts);
  e.Type(1, "30");
  e.Type(2, "abc");
  QTest::keyClick(e.Field(2), Qt::Key_Return);
  const QString warning = e.PressAnswering("OKBtn", QMessageBox::Ok);
  EXPECT_EQ(warning.toStdString(), "Таблица не принята:\nстрока 4: Cx 'abc' не является числом");
  EXPECT_FALSE(e.Document.IsModified());
}

TEST(TableEditorsOk, RefusesACellThatIsNotANumberUntilReplaced) {
  Editor<HydrodynamicEditor> e;
  SetHydro(e.Document, {{0, 0.1, 0.01, 0.5}, {10, 0.2, 0.3, 0.4}, {20, 0.3, 0.6, 0.35}});
  e.Open();
  // Enter in a field presses Add, the default button, without leaving the field.
  e.Type(1, "30");
  e.Type(2, "abc");
  QTest::keyClick(e.Field(2), Qt::Key_Return);
  ASSERT_EQ(e.Row(3)[1], "abc");
  const QString warning = e.PressAnswering("OKBtn", QMessageBox::Ok);
  EXPECT_TRUE(warning.contains("row 4:")) << warning.toStdString();
  EXPECT_TRUE(warning.contains("abc")) << warning.toStdString();
  EXPECT_TRUE(e.D->isVisible());
  EXPECT_FALSE(e.Document.IsModified());
  EXPECT_EQ(e.Document.Door().Hydro.Count, 3);

  // A cell that the lenient reading would take ("0.5x") is refused as well.
  e.Type(1, "30");
  e.Type(2, "0.5x");
  e.PressAnswering("Button1", QMessageBox::Yes);
  EXPECT_TRUE(e.PressAnswering("OKBtn", QMessageBox::Ok).contains("row 4:"));
  EXPECT_EQ(e.Document.Door().Hydro.Count, 3);

  e.Type(1, "30");
  e.Type(2, " 0.7 ");
  e.PressAnswering("Button1", QMessageBox::Yes);
  e.Button("OKBtn")->click();
  EXPECT_EQ(e.D->result(), QDialog::Accepted);
  EXPECT_TRUE(e.Document.IsModified());
  ASSERT_EQ(e.Document.Door().Hydro.Count, 4);
  EXPECT_NEAR(e.Document.Door().Hydro.At(3, kHydroCx), 0.7, kValueTolerance);
}

TEST(TableEditorsOk, HelpOpensTheTopic) {
  Editor<GroundEditor> e;
  e.Open();
  e.Button("HelpBtn")->click();
  EXPECT_TRUE(e.Help.isVisible());
  EXPECT_EQ(e.Help.findChild<QTextBrowser*>("HelpText")->source().path(), "/help/doors_hydro.html");
  e.Help.hide();
}

// ---------------------------------------------------------------------------------------
// Graphs

TEST(TableEditorsGraph, HydrodynamicAxesCurvesAndMark) {
  Editor<HydrodynamicEditor> e;
  SetHydro(e.Document, {{0, 0, 0.5, 0.3}, {45, 1, 2, 0.4}, {90, 2, 0.2, 0.5}});
  e.Open();
  e.ClickRow(1);
  const ScPic& pic = *e.Graph();
  EXPECT_NEAR(pic.XMin, -10, kValueTolerance);
  EXPECT_NEAR(pic.XExtent, 110, kValueTolerance);
  // Coefficients spanning 0..2 give an axis from 0 to 2 by halves.
  EXPECT_NEAR(pic.YMin, 0, kValueTolerance);
  EXPECT_NEAR(pic.YMin + pic.YExtent, 2, kValueTolerance);
  EXPECT_EQ(e.LabelText("LabelXMin"), "-10");
  EXPECT_EQ(e.LabelText("LabelYMin"), "0");
  EXPECT_EQ(e.LabelText("LabelYMax"), "2");
  EXPECT_EQ(e.LabelText("LabelXMax"), "100");

  const PictureProbe probe(pic.Picture());
  const std::string dump = probe.Dump().toStdString();
  // Grid lines across the plot at 0, 0.5, ... 2, each labelled left of the plot with the
  // step's decimals; none in between.
  const int left = pic.XToPixel(-10);
  const int right = pic.XToPixel(100);
  for (int k = -1; k <= 5; ++k) {
    const long double value = 0.5L * k;
    const int row = pic.YToPixel(value);
    const bool inside = k >= 0 && k <= 4;
    EXPECT_EQ(probe.HasLine(kSilver, QPointF(left, row), QPointF(right, row)), inside) << k << "\n"
                                                                                       << dump;
    const ProbeText* label = probe.FindText(QString::number(static_cast<double>(value), 'f', 1));
    EXPECT_EQ(label != nullptr, inside) << k << "\n" << dump;
    if (label != nullptr) {
      EXPECT_LT(label->TopLeft.x(), left) << k;
    }
  }
  const ProbeText* quarter = probe.FindText("0.25");
  EXPECT_EQ(quarter, nullptr);
  // Vertical grid lines every 10 degrees from -10 to 100, labelled under the plot.
  const int bottom = pic.YToPixel(0);
  for (int angle = -10; angle <= 100; angle += 10) {
    const int column = pic.XToPixel(angle);
    EXPECT_TRUE(probe.HasLine(kSilver, QPointF(column, bottom), QPointF(column, pic.YToPixel(2))))
        << angle;
    const ProbeText* label = probe.FindText(QString::number(angle));
    ASSERT_NE(label, nullptr) << angle << "\n" << dump;
    EXPECT_GT(label->TopLeft.y(), bottom) << angle;
  }

  // The curves: width-2 segments between the points, width-5 dots on them.
  const std::vector<std::pair<QColor, std::vector<double>>> curves = {
      {kRed, {0, 1, 2}}, {kBlue, {0.5, 2, 0.2}}, {kGreen, {0.3, 0.4, 0.5}}};
  const double angles[] = {0, 45, 90};
  for (const auto& [colour, values] : curves) {
    for (int i = 0; i < 3; ++i)
      EXPECT_TRUE(probe.HasDot(colour, Pixel(pic, angles[i], values[i]), 5)) << dump;
    for (int i = 1; i < 3; ++i) {
      const QPointF a = Pixel(pic, angles[i - 1], values[i - 1]);
      const QPointF b = Pixel(pic, angles[i], values[i]);
      bool found = false;
      for (const ProbeLine& line : probe.LinesOf(colour))
        if (line.Width == 2 &&
            ((line.From == a && line.To == b) || (line.From == b && line.To == a)))
          found = true;
      EXPECT_TRUE(found) << dump;
    }
  }
  // The names after the last points, vertically centred on them; one at the top of the axis
  // stays inside the plot, just under its top.
  const QFontMetrics metrics(pic.font());
  const std::vector<std::pair<QString, double>> names = {{"Cy", 0.2}, {"Cd", 0.5}};
  for (const auto& [name, value] : names) {
    const ProbeText* text = probe.FindText(name);
    ASSERT_NE(text, nullptr) << dump;
    const QPointF point = Pixel(pic, 90, value);
    EXPECT_NEAR(text->TopLeft.x(), point.x() + metrics.horizontalAdvance("0") / 2.0,
                kTextTolerance);
    EXPECT_NEAR(text->TopLeft.y() + metrics.height() / 2.0, point.y(), kTextTolerance);
  }
  const ProbeText* cx = probe.FindText("Cx");
  ASSERT_NE(cx, nullptr) << dump;
  EXPECT_NEAR(cx->TopLeft.y(), pic.YToPixel(2), kTextTolerance);
  // The selected row marked with white width-3 dots.
  for (const double value : {1.0, 2.0, 0.4})
    EXPECT_TRUE(probe.HasDot(kWhite, Pixel(pic, 45, value), 3)) << dump;
  EXPECT_FALSE(probe.HasDot(kWhite, Pixel(pic, 0, 0.5), 3));
}

TEST(TableEditorsGraph, KeelOutlineOnAxesThatFitTheData) {
  Editor<KeelGeometryEditor> e;
  SetKeel(e.Document, {{0, 0, 0}, {0.1, 1.2, 0.1}, {0.3, 2.0, 0.2}});
  e.Open();
  const ScPic& pic = *e.Graph();
  const double width = 2.0;
  // Half the widths either side of the middle, on nice values; the depths up to the deepest
  // row's nice value, not half as much again.
  EXPECT_NEAR(pic.XMin, -1.5, kValueTolerance);
  EXPECT_NEAR(pic.XMin + pic.XExtent, 1.5, kValueTolerance);
  EXPECT_NEAR(pic.YMin, 0, kValueTolerance);
  EXPECT_NEAR(pic.YMin + pic.YExtent, 0.3, kValueTolerance);
  EXPECT_NEAR(ReadNumber(e.LabelText("LabelYMax").toStdString()), pic.YExtent, 5e-4);
  EXPECT_NEAR(ReadNumber(e.LabelText("LabelXMax").toStdString()), pic.XExtent, 5e-4);

  const PictureProbe probe(pic.Picture());
  const std::string dump = probe.Dump().toStdString();
  // The middle line, and one depth line for every point but the first.
  EXPECT_TRUE(probe.HasLine(Qt::black, Pixel(pic, 0, 0), Pixel(pic, 0, 0.3))) << dump;
  for (const double z : {0.1, 0.3})
    EXPECT_TRUE(probe.HasLine(kGrey, Pixel(pic, 0.55 * width, z), Pixel(pic, -0.55 * width, z)))
        << z << "\n"
        << dump;
  EXPECT_EQ(probe.LinesOf(kGrey).size(), 2u) << dump;
  // A grid with the depths labelled.
  for (const char* depth : {"0.0", "0.1", "0.2", "0.3"})
    EXPECT_NE(probe.FindText(depth), nullptr) << depth << "\n" << dump;
  // Both sides of chord and thickness.
  for (const double side : {1.0, -1.0}) {
    EXPECT_TRUE(probe.HasDot(kRed, Pixel(pic, side * 1.0, 0.3), 5)) << dump;
    EXPECT_TRUE(probe.HasDot(kBlue, Pixel(pic, side * 0.1, 0.3), 5)) << dump;
  }
}

TEST(TableEditorsGraph, GroundCurveAndMovingMark) {
  Editor<GroundEditor> e;
  SetGround(e.Document, {{0, 3}, {30, 9}, {60, 12}});
  e.Open();
  const ScPic& pic = *e.Graph();
  EXPECT_NEAR(pic.XMin, 0, kValueTolerance);
  EXPECT_NEAR(pic.XExtent, 90, kValueTolerance);
  // Up to the nice value above the largest coefficient, on a grid.
  EXPECT_NEAR(pic.YMin, 0, kValueTolerance);
  EXPECT_NEAR(pic.YExtent, 15, kValueTolerance);
  EXPECT_EQ(e.LabelText("LabelYMax"), "15");
  EXPECT_EQ(e.LabelText("LabelXMax"), "90");
  for (const int value : {5, 10})
    EXPECT_EQ(PixelColour(pic, 85, value), kSilver) << value;

  // The first row is marked: white centre in a red ring.
  EXPECT_EQ(PixelColour(pic, 0, 3), kWhite);
  EXPECT_EQ(PixelColour(pic, 30, 9), kRed);
  e.ClickRow(1);
  EXPECT_EQ(e.D->MarkedRow(), 1);
  EXPECT_EQ(PixelColour(pic, 30, 9), kWhite);
  EXPECT_EQ(PixelColour(pic, 0, 3), kRed);  // the old mark drawn as an ordinary point
}

TEST(TableEditorsGraph, DegenerateTablesGiveUsableRanges) {
  auto usable = [](const ScPic& pic) {
    return std::isfinite(static_cast<double>(pic.XExtent)) && pic.XExtent > 0 &&
           std::isfinite(static_cast<double>(pic.YExtent)) && pic.YExtent > 0;
  };
  {
    Editor<KeelGeometryEditor> e;
    SetKeel(e.Document, {{0, 1, 0.1}, {0, 2, 0.2}});  // all depths 0
    e.Open();
    EXPECT_TRUE(usable(*e.Graph()));
    const PictureProbe probe(e.Graph()->Picture());
    EXPECT_TRUE(probe.HasDot(kRed, Pixel(*e.Graph(), 1.0, 0), 5)) << probe.Dump().toStdString();
  }
  {
    Editor<KeelGeometryEditor> e;
    SetKeel(e.Document, {{0, 0, 0}, {0, 0, 0}});
    e.Open();
    EXPECT_TRUE(usable(*e.Graph()));
  }
  for (const long double cx : {-2.0L, 0.0L}) {
    Editor<GroundEditor> e;
    SetGround(e.Document, {{0, cx / 2}, {40, cx}});
    e.Open();
    const ScPic& pic = *e.Graph();
    EXPECT_TRUE(usable(pic)) << static_cast<double>(cx);
    // The points lie inside the picture.
    EXPECT_GE(pic.YToPixel(cx), 0);
    EXPECT_LT(pic.YToPixel(cx), pic.height());
    e.ClickRow(1);
    EXPECT_EQ(PixelColour(pic, 40, cx), kWhite);
  }
  {
    Editor<HydrodynamicEditor> e;
    SetHydro(e.Document, {{0, 1, 1, 1}, {10, 1, 1, 1}});  // no spread at all
    e.Open();
    EXPECT_TRUE(usable(*e.Graph()));
    EXPECT_LT(e.Graph()->YMin, 1);
    EXPECT_GT(e.Graph()->YMin + e.Graph()->YExtent, 1);
  }
}

}  // namespace
