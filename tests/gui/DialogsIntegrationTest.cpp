#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "MainWindow.h"
#include "ProjectionsDialog.h"
#include "TestTolerances.h"
#include "ValidatedField.h"
#include "gui/DoorChanges.h"
#include "gui/ModalAnswer.h"
#include "io/DoorFileWriter.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "support/DoorLoad.h"

namespace {

constexpr long double kGeometryTol = 1e-12L;

// Types into a field of the open dialog and leaves it, as a user tabbing on would.
void TypeAndLeave(QWidget* dialog, const char* field, const QString& text) {
  auto* edit = dialog->findChild<QLineEdit*>(field);
  ASSERT_NE(edit, nullptr) << field;
  edit->setFocus(Qt::TabFocusReason);
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Tab);
}

void Click(QWidget* dialog, const char* button) {
  auto* b = dialog->findChild<QPushButton*>(button);
  ASSERT_NE(b, nullptr) << button;
  b->click();
}

class Dialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<DoorTrimApp>();
    app_->Main().show();
    QApplication::processEvents();
  }
  void TearDown() override {
    CloseWithoutSaving(app_->Main());
    app_.reset();
  }
  QPushButton* MainButton(const char* name) { return app_->Main().findChild<QPushButton*>(name); }
  // Clicks a main-window button and lets `edit` work on the dialog it opens; the steps the
  // dialog added to the door's history.
  int Through(const char* button, std::function<void(QWidget*)> edit) {
    const int before = app_->Document().History().count();
    AnswerNextModal(std::move(edit));
    MainButton(button)->click();
    return app_->Document().History().count() - before;
  }

  std::unique_ptr<DoorTrimApp> app_;
};

TEST_F(Dialogs, EveryDialogEditsTheDoorThroughTheMainWindow) {
  const DoorInputs& door = app_->Document().Door();

  EXPECT_EQ(Through("Button1",
                    [](QWidget* d) {
                      TypeAndLeave(d, "Edit_x0", "1.05");
                      Click(d, "OKBtn");
                    }),
            1);
  EXPECT_EQ(door.x0, 1.05L);
  EXPECT_TRUE(app_->Document().IsModified());

  const int hydroRows = door.Hydro.Count;
  EXPECT_EQ(Through("Button4",
                    [](QWidget* d) {
                      TypeAndLeave(d, "Edit1", "25");
                      TypeAndLeave(d, "Edit2", "0.4");
                      TypeAndLeave(d, "Edit3", "0.75");
                      TypeAndLeave(d, "Edit4", "0.35");
                      Click(d, "Button1");
                      Click(d, "OKBtn");
                    }),
            1);
  EXPECT_EQ(door.Hydro.Count, hydroRows + 1);
  EXPECT_EQ(door.Hydro.At(3, kHydroAngle), 25);
  EXPECT_EQ(door.Hydro.At(3, kHydroCy), 0.75L);

  EXPECT_EQ(Through("Button5",
                    [](QWidget* d) {
                      auto* water = d->findChild<ValidatedField*>("Edit1");
                      water->setFocus();
                      water->selectAll();
                      QTest::keyClicks(water, "1025");
                      QTest::keyClick(water, Qt::Key_Return);
                      Click(d, "OKBtn");
                    }),
            1);
  EXPECT_EQ(door.WaterDensity, 1025);

  EXPECT_EQ(Through("Button6",
                    [](QWidget* d) {
                      TypeAndLeave(d, "Edit1", "12");
                      Click(d, "OKBtn");
                    }),
            1);
  EXPECT_EQ(door.BridleAngleH, 12);

  const int groundRows = door.Ground.Count;
  EXPECT_EQ(Through("Button7",
                    [](QWidget* d) {
                      TypeAndLeave(d, "Edit1", "15");
                      TypeAndLeave(d, "Edit2", "7");
                      Click(d, "Button1");
                      Click(d, "OKBtn");
                    }),
            1);
  EXPECT_EQ(door.Ground.Count, groundRows + 1);
  EXPECT_EQ(door.Ground.At(2, kGroundAngle), 15);

  const int keelRows = door.KeelGeom.Count;
  EXPECT_EQ(Through("Button8",
                    [](QWidget* d) {
                      Click(d, "Button3");  // delete the selected row
                      Click(d, "OKBtn");
                    }),
            1);
  EXPECT_EQ(door.KeelGeom.Count, keelRows - 1);

  EXPECT_EQ(Through("Button9",
                    [](QWidget* d) {
                      TypeAndLeave(d, "Edit1", "1.4");
                      Click(d, "OKBtn");
                    }),
            1);
  EXPECT_EQ(door.xk, 1.4L);
  EXPECT_TRUE(app_->Document().IsModified());

  // The balance window evaluates the door the dialogs left, whose geometry follows its
  // inputs; and that door is sound: it still balances.
  app_->Balance().show();
  EXPECT_NEAR(app_->Balance().Model().Body().PtKeelOrigin.X, door.x0 - door.xk, kGeometryTol);
  app_->Balance().hide();
  TBoard balanced(door);
  long double x = 0, y = 0, z = 0;
  EXPECT_TRUE(balanced.Solve(x, y, z, 0.1L).Converged);
}

TEST_F(Dialogs, CancelChangesNothing) {
  EXPECT_EQ(Through("Button6",
                    [](QWidget* d) {
                      TypeAndLeave(d, "Edit1", "20");
                      Click(d, "CancelBtn");
                    }),
            0);
  EXPECT_EQ(app_->Document().Door().BridleAngleH, 15);
  EXPECT_FALSE(app_->Document().IsModified());
}

TEST_F(Dialogs, BalanceWindowMenusRunTheMainWindowCommands) {
  BalanceWindow& balance = app_->Balance();
  balance.show();
  AnswerNextModal([](QWidget* d) {
    TypeAndLeave(d, "Edit1", "12");
    Click(d, "OKBtn");
  });
  balance.findChild<QAction*>("MnuTrawl")->trigger();
  EXPECT_EQ(app_->Document().Door().BridleAngleH, 12);
  // The update that follows shows the bridles' new pull in the moments.
  TBoard reference;
  reference.Edit([&](DoorInputs& d) { d.BridleAngleH = 12; });
  reference.Evaluate(0, 0, 0);
  EXPECT_NEAR(balance.findChild<QLineEdit*>("Edit6")->text().toDouble(),
              reference.Result().TotalMoment.Z / 1000, 0.006);
  // In midwater the keel items are not offered, as in the main window.
  app_->Main().onMidwaterTrawlingClicked();
  balance.onUpdateClicked();
  EXPECT_FALSE(balance.findChild<QAction*>("MnuKPos")->isEnabled());
  EXPECT_FALSE(balance.findChild<QAction*>("PopGround")->isEnabled());
  balance.hide();
}

TEST_F(Dialogs, PictureMenuShowsTheDoorShapeInTheProjectionsDialog) {
  app_->Main().findChild<QAction*>("Vshape1")->trigger();
  // The door names the program's drawings of the shape, as one step.
  EXPECT_EQ(app_->Document().Door().FrontPicture, "vshape_front.svg");
  EXPECT_EQ(app_->Document().Door().SidePicture, "vshape_side.svg");
  EXPECT_EQ(app_->Document().History().count(), 1);
  ProjectionsDialog& proj = app_->Proj();
  for (const char* image : {"Image1", "Image2", "Image3"}) {
    auto* label = proj.findChild<QLabel*>(image);
    ASSERT_NE(label, nullptr) << image;
    EXPECT_FALSE(label->pixmap().isNull()) << image;
  }
  const QImage front = proj.findChild<QLabel*>("Image1")->pixmap().toImage();
  // The V-shape front view is drawn for 180 x 250 pixels; fitting keeps its aspect.
  EXPECT_NEAR(static_cast<double>(front.width()) / front.height(), 180.0 / 250.0, 0.02);
}

TEST_F(Dialogs, OpeningAFileAppliesItsViewSettingsAndSavingKeepsThem) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  DoorInputs door;
  const QStringList pictures = {dir.filePath("f.png"), dir.filePath("p.png"),
                                dir.filePath("s.png")};
  const QSize sizes[3] = {{120, 200}, {300, 150}, {240, 240}};
  for (int i = 0; i < 3; ++i) {
    QImage image(sizes[i], QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(pictures[i]));
  }
  door.FrontPicture = pictures[0].toStdString();
  door.PlanPicture = pictures[1].toStdString();
  door.SidePicture = pictures[2].toStdString();
  ViewSettings view;
  view.ViewTab = 2;
  view.ProjectionSwitches = {true, false, false, true, true};
  view.BalanceSwitches = {true, true, false, false, true};
  view.Angles = {5, -3, 30};
  const QString path = dir.filePath("door.brd");
  ASSERT_TRUE(DoorFileWriter().Save(path.toStdString(), door, view));

  ASSERT_TRUE(app_->Main().OpenFile(path));
  EXPECT_EQ(app_->Proj().findChild<QTabBar*>("TabSet1")->currentIndex(), 2);
  auto* balance = &app_->Balance();
  EXPECT_EQ(balance->findChild<ValidatedField*>("Edit7")->Val(), 5);
  EXPECT_EQ(balance->findChild<ValidatedField*>("Edit9")->Val(), 30);
  EXPECT_TRUE(balance->findChild<QAction*>("MnuShHidden")->isChecked());
  EXPECT_FALSE(balance->findChild<QAction*>("MnuShForces")->isChecked());
  EXPECT_TRUE(app_->Flags().ShowProcess);
  EXPECT_EQ(app_->Document().Angles().Z, 30);
  const QPixmap side = app_->Proj().findChild<QLabel*>("Image3")->pixmap();
  EXPECT_FALSE(side.isNull());
  EXPECT_EQ(side.toImage().pixelColor(side.width() / 2, side.height() / 2), QColor(Qt::darkCyan));

  ChangeTheDoor(app_->Document());
  ASSERT_TRUE(app_->Main().Save());
  ViewSettings saved;
  const DoorInputs reread = LoadedInputs(path.toStdString(), &saved);
  EXPECT_EQ(saved, view);
  EXPECT_EQ(reread.SidePicture, pictures[2].toStdString());
}

}  // namespace
