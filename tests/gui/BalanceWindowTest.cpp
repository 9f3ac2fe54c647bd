#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "HelpBrowser.h"
#include "MainWindow.h"
#include "ScPic.h"
#include "TSpinButton.h"
#include "ValidatedField.h"
#include "gui/DoorChanges.h"
#include "gui/MessageBoxScript.h"
#include "gui/ModalAnswer.h"
#include "model/BalanceFigures.h"
#include "model/PlaneMath.h"

namespace {

constexpr long double kAngleTol = 0.01L;  // degrees
constexpr double kTextTol = 0.006;        // a field rounded to 2 decimals
// Relaxation steps taken before the test presses Balance a second time to stop it.
constexpr int kStepsBeforeSecondPress = 10;
// Only a guard against a hang: the visible relaxation ends by itself after its last step.
constexpr int kSearchEndTimeoutMs = 200000;

class BalanceWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());  // the log file is written beside the program's work
    app_ = std::make_unique<DoorTrimApp>();
    window_ = &app_->Balance();
    window_->SetTextFileOpener([this](const QString& path) {
      opened_ << path;
      return true;
    });
    window_->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    window_->hide();
    app_.reset();
    QDir::setCurrent(previousDir_);
  }

  template <class T>
  T* Find(const char* name) {
    T* w = window_->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QAction* Action(const char* name) { return Find<QAction>(name); }
  // The visible relaxation runs on after the press that started it, one step per event-loop
  // turn; this waits until it has ended.
  bool WaitForSearchEnd() {
    return QTest::qWaitFor([this] { return !window_->BalanceRunning(); }, kSearchEndTimeoutMs);
  }
  ValidatedField* Angle(const char* name) { return Find<ValidatedField>(name); }
  double Number(const char* field) { return Find<QLineEdit>(field)->text().toDouble(); }

  void SetAngles(long double x, long double y, long double z) {
    Angle("Edit7")->SetAndShow(x);
    Angle("Edit8")->SetAndShow(y);
    Angle("Edit9")->SetAndShow(z);
    window_->onUpdateClicked();
  }

  QTemporaryDir dir_;
  QString previousDir_;
  std::unique_ptr<DoorTrimApp> app_;
  BalanceWindow* window_ = nullptr;
  QStringList opened_;
};

TEST_F(BalanceWindowTest, HasItsControlsAndMenus) {
  EXPECT_EQ(window_->windowTitle(), "Balance position");
  for (const char* name : {"ScPic1", "ScPic2", "ScPic3"})
    EXPECT_NE(Find<ScPic>(name), nullptr);
  for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit10", "Edit11",
                           "Edit12", "Edit13", "Edit14"}) {
    EXPECT_NE(Find<QLineEdit>(name), nullptr);
  }
  for (const char* name : {"SpinButton1", "SpinButton2", "SpinButton3", "SpinButton4"}) {
    EXPECT_NE(Find<TSpinButton>(name), nullptr);
  }
  EXPECT_FALSE(Find<QWidget>("Panel8")->isVisible());
  EXPECT_TRUE(Find<QPushButton>("UpdateButton")->isDefault());
  EXPECT_TRUE(Find<QPushButton>("SpeedButton1")->isCheckable());
  EXPECT_EQ(Angle("Edit7")->parentWidget()->objectName(), "Panel6");
  for (const char* name :
       {"MnuFront",       "MnuHydro",     "MnuEnvir",      "MnuTrawl",    "MnuGround",
        "MnuKGeom",       "MnuKPos",      "MnuDetail",     "MnuBottom",   "MnuShHidden",
        "MnuShPoints",    "MnuShForces",  "MnuShLabels",   "MnuShProces", "SolverSensitivity",
        "RunCalculator1", "ShowLogFile1", "ClearLogFile1", "Print2",      "PopFront",
        "PopHydro",       "PopEnvir",     "PopTrawl",      "PopGround",   "PopKGeom",
        "PopKPos",        "PopBottom",    "PopShHidden",   "PopShPoints", "PopShForces",
        "PopShLabels",    "PopShProces"}) {
    EXPECT_NE(Action(name), nullptr) << name;
  }
  EXPECT_EQ(Action("RunCalculator1")->shortcut(), QKeySequence("Ctrl+F1"));
  EXPECT_TRUE(Action("Print2")->isEnabled());
  EXPECT_TRUE(Action("MnuDetail")->isEnabled());
  EXPECT_TRUE(Action("MnuFront")->isEnabled());
  EXPECT_TRUE(Action("MnuKPos")->isEnabled());
}

TEST_F(BalanceWindowTest, UpdateShowsMomentsStabilityAndForces) {
  SetAngles(5, -3, 30);
  TBoard reference;
  const long double a = 5 * kDegree, b = -3 * kDegree, c = 30 * kDegree;
  reference.Evaluate(a, b, c + kDegree);
  const long double mzTurned = reference.Result().TotalMoment.Z;
  reference.Evaluate(a, b, c);
  EXPECT_NEAR(Number("Edit4"), reference.Result().TotalMoment.X / 1000, kTextTol);
  EXPECT_NEAR(Number("Edit6"), reference.Result().TotalMoment.Z / 1000, kTextTol);
  // The z stability is the change of the Z moment per degree about Z, kN*m.
  EXPECT_NEAR(Number("Edit3"), (mzTurned - reference.Result().TotalMoment.Z) / 1000, 0.0001);
  const BalanceFigures figures = ComputeBalanceFigures(reference);
  EXPECT_NEAR(Number("Edit10"), figures.ResistanceKN, 0.0001);
  EXPECT_NEAR(Number("Edit11"), figures.SpreadKN, 0.0001);
  EXPECT_NEAR(Number("Edit12"), figures.VerticalKN, 0.0001);
  EXPECT_NEAR(Number("Edit13"), figures.WingAttackDeg, 0.001);
  EXPECT_EQ(app_->Document().Angles().Z, 30);
}

// A door the model cannot compute (here a speed no field would take, as no dialog would
// give it) shows its figures as invalid, not blank and not as a number.
TEST_F(BalanceWindowTest, FiguresThatAreNoNumbersShowAsInvalid) {
  EditTheDoor(app_->Document(), [](DoorInputs& d) { d.v = 1e200L; });
  SetAngles(0, 0, 0);
  for (const char* field : {"Edit4", "Edit10", "Edit11"})
    EXPECT_EQ(Find<QLineEdit>(field)->text(), "invalid") << field;
  EditTheDoor(app_->Document(), [](DoorInputs& d) { d.v = 2.15L; });
  SetAngles(0, 0, 0);
  for (const char* field : {"Edit4", "Edit10", "Edit11"})
    EXPECT_NE(Find<QLineEdit>(field)->text(), "invalid") << field;
}

TEST_F(BalanceWindowTest, ResistanceCountsTheGroundOnlyOnTheBottom) {
  SetAngles(0, 0, 20);
  const double bottom = Number("Edit10");
  const long double ground = app_->Balance().Model().Result().ForceGround.Force.X / 1000;
  EXPECT_LT(ground, -0.01L);
  app_->Main().onMidwaterTrawlingClicked();
  window_->onUpdateClicked();
  EXPECT_EQ(app_->Balance().Model().Result().ForceGround.Force.X, 0);
  // The wing and stringer do not depend on the mode; only the ground's share goes.
  EXPECT_NEAR(Number("Edit10"), bottom - ground, 0.0002);
}

TEST_F(BalanceWindowTest, SpinButtonsStepTheAngleByOneDegree) {
  SetAngles(0, 0, 10);
  Find<TSpinButton>("SpinButton3")->UpButton()->click();
  EXPECT_EQ(app_->Document().Angles().Z, 11);
  Find<TSpinButton>("SpinButton1")->DownButton()->click();
  EXPECT_EQ(app_->Document().Angles().X, -1);
}

TEST_F(BalanceWindowTest, AngleBeyondNinetyIsRefusedWithTheFieldsMessage) {
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Ok);
  ValidatedField* x = Angle("Edit7");
  x->setFocus();
  x->selectAll();
  QTest::keyClicks(x, "95");
  QTest::keyClick(x, Qt::Key_Return);
  ASSERT_EQ(boxes.Asked().size(), 1u);
  const QString message = boxes.Asked()[0].Text;
  EXPECT_TRUE(message.endsWith("Panel6 : Edit7Value is out of range: [-90..90]"))
      << message.toStdString();
  EXPECT_EQ(x->Val(), 0);
  EXPECT_EQ(app_->Document().Angles().X, 0);
}

TEST_F(BalanceWindowTest, BalanceWithTheSolverFindsTheBalancePosition) {
  QTest::mouseClick(Find<QPushButton>("SpeedButton1"), Qt::LeftButton);
  EXPECT_NEAR(Angle("Edit7")->Val(), 7.176L, kAngleTol);
  EXPECT_NEAR(Angle("Edit8")->Val(), -4.289L, kAngleTol);
  EXPECT_NEAR(Angle("Edit9")->Val(), 37.41L, kAngleTol);
  EXPECT_FALSE(Find<QPushButton>("SpeedButton1")->isChecked());
  EXPECT_FALSE(window_->BalanceRunning());
  EXPECT_NEAR(std::fabs(Number("Edit4")) + std::fabs(Number("Edit5")) + std::fabs(Number("Edit6")),
              0, 0.02);
}

TEST_F(BalanceWindowTest, RelaxationAtBalanceReturnsAtOnce) {
  long double x = 0, y = 0, z = 0;
  TBoard solver;
  ASSERT_TRUE(solver.Solve(x, y, z, 0.1L).Converged);
  SetAngles(x, y, z);
  const QString before = Angle("Edit9")->text();
  Action("MnuShProces")->trigger();
  EXPECT_TRUE(app_->Flags().ShowProcess);
  QTest::mouseClick(Find<QPushButton>("SpeedButton1"), Qt::LeftButton);
  ASSERT_TRUE(WaitForSearchEnd());
  EXPECT_EQ(window_->RelaxationSteps(), 0);
  EXPECT_EQ(Angle("Edit9")->text(), before);
}

TEST_F(BalanceWindowTest, RelaxationMovesTowardsBalanceAndStopsOnASecondPress) {
  Action("MnuShProces")->trigger();
  // The second press comes while the relaxation runs, once it has taken a few steps.
  QTimer press;
  QObject::connect(&press, &QTimer::timeout, [this, &press] {
    if (window_->RelaxationSteps() < kStepsBeforeSecondPress) return;
    press.stop();
    Find<QPushButton>("SpeedButton1")->click();
  });
  press.start(0);
  QTest::mouseClick(Find<QPushButton>("SpeedButton1"), Qt::LeftButton);
  ASSERT_TRUE(WaitForSearchEnd());
  EXPECT_FALSE(press.isActive());
  EXPECT_GT(window_->RelaxationSteps(), 0);
  EXPECT_LT(window_->RelaxationSteps(), window_->RelaxationStepLimit());
  EXPECT_FALSE(Find<QPushButton>("SpeedButton1")->isChecked());
  EXPECT_FALSE(window_->BalanceRunning());
  // The door turned towards its balance position about Z, and the fields hold where it got.
  EXPECT_GT(Angle("Edit9")->Val(), 0);
  EXPECT_EQ(app_->Document().Angles().Z, Angle("Edit9")->Val());
}

// A relaxation that cannot converge ends after a thousand steps; the test lowers the limit
// so it needs not watch a thousand steps drawn.
TEST_F(BalanceWindowTest, RelaxationThatCannotConvergeEndsAfterExactlyItsStepLimit) {
  EXPECT_EQ(window_->RelaxationStepLimit(), 1000);
  constexpr int kLimit = 25;
  window_->SetRelaxationStepLimit(kLimit);
  app_->Balance().SetSensitivity(1e7L);  // steps far too small to get anywhere
  Action("MnuShProces")->trigger();
  QTest::mouseClick(Find<QPushButton>("SpeedButton1"), Qt::LeftButton);
  ASSERT_TRUE(WaitForSearchEnd());
  EXPECT_EQ(window_->RelaxationSteps(), kLimit);
  EXPECT_FALSE(window_->BalanceRunning());
  EXPECT_FALSE(Find<QPushButton>("SpeedButton1")->isChecked());
}

TEST_F(BalanceWindowTest, RelaxationLeavingTheAngleRangeSaysSoAndStops) {
  app_->Balance().SetSensitivity(0.01L);  // steps of thousands of degrees
  Action("MnuShProces")->trigger();
  MessageBoxScript boxes;  // one box per angle field that refuses its angle, each answered Ok
  QTest::mouseClick(Find<QPushButton>("SpeedButton1"), Qt::LeftButton);
  ASSERT_TRUE(WaitForSearchEnd());
  EXPECT_EQ(window_->RelaxationSteps(), 1);
  EXPECT_GE(boxes.Asked().size(), 1u);
  EXPECT_LE(boxes.Asked().size(), 3u);
  const QString message = boxes.Asked().empty() ? QString() : boxes.Asked()[0].Text;
  EXPECT_TRUE(message.contains("Value is out of range: [-90..90]")) << message.toStdString();
  for (const char* name : {"Edit7", "Edit8", "Edit9"}) {
    EXPECT_LE(std::fabs(Angle(name)->Val()), 90) << name;
  }
  EXPECT_FALSE(window_->BalanceRunning());
}

// While the visible relaxation turns the door, the commands that would change the door rest
// and say why, here and in the main window; they come back when it ends, which is where the
// core's solver ends from the same start.
TEST_F(BalanceWindowTest, SearchLocksTheCommandsThatEditTheDoorUntilItEnds) {
  Action("MnuShProces")->trigger();
  QSignalSpy running(window_, &BalanceWindow::searchRunningChanged);
  auto* hydro = app_->Main().findChild<QPushButton*>("Button4");
  ASSERT_NE(hydro, nullptr);
  const QString hydroTip = hydro->toolTip();
  QWidget* widgets[] = {hydro, app_->Main().findChild<QRadioButton*>("RadioButton2"),
                        Angle("Edit9"), Find<QPushButton>("UpdateButton")};
  QAction* actions[] = {app_->Main().findChild<QAction*>("Open1"), Action("MnuKPos"),
                        Action("PopHydro"), Action("MnuBottom"), Action("SolverSensitivity")};

  QTest::mouseClick(Find<QPushButton>("SpeedButton1"), Qt::LeftButton);
  ASSERT_TRUE(window_->BalanceRunning());
  for (QWidget* w : widgets) {
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(w->toolTip().contains(window_->SearchLockReason()))
        << w->objectName().toStdString();
  }
  for (QAction* a : actions) {
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(a->toolTip().contains(window_->SearchLockReason()))
        << a->objectName().toStdString();
  }
  EXPECT_TRUE(hydro->toolTip().startsWith(hydroTip));  // its own tip stays in front
  // Display switches and the details change nothing of the door.
  EXPECT_TRUE(Action("MnuShForces")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>("Button3")->isEnabled());

  ASSERT_TRUE(QTest::qWaitFor([&running] { return running.count() == 2; }, kSearchEndTimeoutMs));
  EXPECT_TRUE(running[0][0].toBool());
  EXPECT_FALSE(running[1][0].toBool());
  EXPECT_FALSE(window_->BalanceRunning());
  for (QWidget* w : widgets) {
    EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(w->toolTip().contains(window_->SearchLockReason()));
  }
  for (QAction* a : actions) {
    EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(a->toolTip().contains(window_->SearchLockReason()));
  }
  EXPECT_EQ(hydro->toolTip(), hydroTip);

  TBoard reference;
  long double x = 0, y = 0, z = 0;
  ASSERT_TRUE(reference.Solve(x, y, z, BalanceWindow::kRelaxationTolerance).Converged);
  EXPECT_NEAR(Angle("Edit7")->Val(), x, kAngleTol);
  EXPECT_NEAR(Angle("Edit8")->Val(), y, kAngleTol);
  EXPECT_NEAR(Angle("Edit9")->Val(), z, kAngleTol);
  EXPECT_NEAR(app_->Document().Angles().Z, z, kAngleTol);
}

TEST_F(BalanceWindowTest, ShowForcesOffKeepsTheArrowScale) {
  window_->onUpdateClicked();
  const long double scale = window_->Scale().ForceScale;
  EXPECT_NEAR(scale, app_->Document().Door().b / window_->Scale().MaxForce / 3, 1e-15L);
  Action("MnuShForces")->trigger();
  EXPECT_FALSE(app_->Flags().ShowForces);
  EXPECT_FALSE(Action("PopShForces")->isChecked());
  // A longer chord asks for longer arrows; a redraw without forces must not rescale them.
  EditTheDoor(app_->Document(), [](DoorInputs& d) { d.b *= 2; });
  Action("MnuShLabels")->trigger();
  EXPECT_EQ(window_->Scale().ForceScale, scale);
  Action("PopShForces")->trigger();  // the pop-up twin switches it back on
  EXPECT_TRUE(app_->Flags().ShowForces);
  EXPECT_TRUE(Action("MnuShForces")->isChecked());
  EXPECT_NEAR(window_->Scale().ForceScale, 2 * scale, 1e-15L);
}

TEST_F(BalanceWindowTest, BottomCaseStaysInStepWithTheMainWindow) {
  auto* bottom = app_->Main().findChild<QRadioButton*>("RadioButton1");
  auto* midwater = app_->Main().findChild<QRadioButton*>("RadioButton2");
  Action("MnuBottom")->trigger();
  EXPECT_FALSE(app_->Document().Door().Bottom);
  EXPECT_TRUE(midwater->isChecked());
  EXPECT_FALSE(Action("PopBottom")->isChecked());
  Action("PopBottom")->trigger();
  EXPECT_TRUE(app_->Document().Door().Bottom);
  EXPECT_TRUE(bottom->isChecked());
  EXPECT_TRUE(Action("MnuBottom")->isChecked());

  // The mode changed in the main window shows when this window is active again.
  QTest::mouseClick(midwater, Qt::LeftButton);
  QEvent activation(QEvent::ActivationChange);
  window_->activateWindow();
  QApplication::setActiveWindow(window_);
  QApplication::sendEvent(window_, &activation);
  EXPECT_FALSE(Action("PopBottom")->isChecked());
  EXPECT_FALSE(Action("MnuBottom")->isChecked());
}

TEST_F(BalanceWindowTest, SolverSensitivityIsAskedWithinItsLimits) {
  AnswerNextModal([](QWidget* modal) {
    auto* edit = modal->findChild<QLineEdit*>("Edit1");
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, "250");
    modal->findChild<QPushButton*>("OKBtn")->click();
  });
  Action("SolverSensitivity")->trigger();
  EXPECT_EQ(app_->Balance().Model().Sensitivity(), 250);
  AnswerNextModal([](QWidget* modal) {
    auto* edit = modal->findChild<QLineEdit*>("Edit1");
    edit->selectAll();
    QTest::keyClicks(edit, "3");
    modal->findChild<QPushButton*>("OKBtn")->click();
  });
  Action("SolverSensitivity")->trigger();
  EXPECT_EQ(app_->Balance().Model().Sensitivity(), 50);  // below the minimum: the default
}

TEST_F(BalanceWindowTest, ShowLogFileAppendsReportsAndClearDeletesThem) {
  Action("ShowLogFile1")->trigger();
  Action("ShowLogFile1")->trigger();
  QFile log(dir_.filePath("Calc_brd.log"));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(log.readAll());
  log.close();
  EXPECT_EQ(text.count("Trawl Door Forces Calculation"), 2);
  ASSERT_EQ(opened_.size(), 2);
  EXPECT_EQ(opened_.front(), QDir(dir_.path()).absoluteFilePath("Calc_brd.log"));
  {
    MessageBoxScript boxes;
    boxes.Answer(QMessageBox::Yes);
    Action("ClearLogFile1")->trigger();
    EXPECT_EQ(boxes.Asked().size(), 1u);
  }
  EXPECT_FALSE(QFile::exists(dir_.filePath("Calc_brd.log")));
  MessageBoxScript boxes;
  Action("ClearLogFile1")->trigger();  // a missing log is no error, and nothing to ask about
  EXPECT_FALSE(QFile::exists(dir_.filePath("Calc_brd.log")));
  EXPECT_TRUE(boxes.Asked().empty());
}

// Clear Log File deletes every report the log holds: it asks first, naming the file, and No
// keeps it.
TEST_F(BalanceWindowTest, ClearLogFileAsksFirstAndNoKeepsTheLog) {
  Action("ShowLogFile1")->trigger();
  const QString log = QDir(dir_.path()).absoluteFilePath("Calc_brd.log");
  ASSERT_TRUE(QFile::exists(log));
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::No);
  Action("ClearLogFile1")->trigger();
  ASSERT_EQ(boxes.Asked().size(), 1u);
  EXPECT_TRUE(boxes.Asked()[0].Text.startsWith("Delete the calculation log"))
      << boxes.Asked()[0].Text.toStdString();
  EXPECT_TRUE(boxes.Asked()[0].Text.contains(log)) << boxes.Asked()[0].Text.toStdString();
  EXPECT_EQ(boxes.Asked()[0].Icon, QMessageBox::Question);
  EXPECT_TRUE(QFile::exists(log));
}

// Edit > Undo and Redo name the step they take back or again; Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y
// reach them, and the window follows the door.
TEST_F(BalanceWindowTest, UndoAndRedoNameTheStepAndTheWindowFollows) {
  QAction* undo = Action("Undo1");
  QAction* redo = Action("Redo1");
  ASSERT_TRUE(undo && redo);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
  EXPECT_TRUE(redo->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
  EXPECT_TRUE(redo->shortcuts().contains(QKeySequence("Ctrl+Y")));
  Find<TSpinButton>("SpinButton3")->UpButton()->click();
  ASSERT_EQ(app_->Document().Angles().Z, 1);
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_EQ(undo->text().toStdString(), "&Undo Rotation z: 0 → 1");
  const QString momentAtOne = Find<QLineEdit>("Edit6")->text();
  undo->trigger();
  EXPECT_EQ(app_->Document().Angles().Z, 0);
  EXPECT_EQ(Angle("Edit9")->Val(), 0);
  EXPECT_NE(Find<QLineEdit>("Edit6")->text(), momentAtOne);
  EXPECT_EQ(redo->text().toStdString(), "&Redo Rotation z: 0 → 1");
  redo->trigger();
  EXPECT_EQ(Angle("Edit9")->Val(), 1);
  EXPECT_EQ(Find<QLineEdit>("Edit6")->text(), momentAtOne);
}

// The balance angles a search reaches are the door's, as one step.
TEST_F(BalanceWindowTest, BalanceStoresTheAnglesReachedAsOneStep) {
  const int steps = app_->Document().History().count();
  QTest::mouseClick(Find<QPushButton>("SpeedButton1"), Qt::LeftButton);
  EXPECT_EQ(app_->Document().History().count(), steps + 1);
  EXPECT_NEAR(app_->Document().Angles().Z, 37.41L, kAngleTol);
  EXPECT_TRUE(app_->Document().History().undoText().startsWith("Balance position"));
  EXPECT_TRUE(app_->Document().IsModified());
  app_->Document().History().undo();
  EXPECT_EQ(Angle("Edit9")->Val(), 0);
}

TEST_F(BalanceWindowTest, UnwritableLogIsReportedAndNothingIsOpened) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("Calc_brd.log"));  // a folder where the log belongs
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Ok);
  Action("ShowLogFile1")->trigger();
  ASSERT_EQ(boxes.Asked().size(), 1u);
  const QString message = boxes.Asked()[0].Text;
  EXPECT_TRUE(message.contains("Calc_brd.log")) << message.toStdString();
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(BalanceWindowTest, HelpAndDetail) {
  Find<QPushButton>("HelpBtn")->click();
  QApplication::processEvents();
  EXPECT_TRUE(app_->Help().isVisible());
  app_->Help().close();
  QString title;
  AnswerNextModal([&title](QWidget* modal) {
    title = modal->windowTitle();
    qobject_cast<QDialog*>(modal)->accept();
  });
  Find<QPushButton>("Button3")->click();
  EXPECT_EQ(title, "Details");
}

TEST_F(BalanceWindowTest, MainWindowOpensItWithTheModeOfTheRadioButtons) {
  auto* balance = app_->Main().findChild<QPushButton*>("Button10");
  ASSERT_TRUE(balance->isEnabled());
  // As the user has it: the main window active, its Balance button pressed.
  window_->hide();
  app_->Main().show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&app_->Main()));
  app_->Main().findChild<QRadioButton*>("RadioButton2")->click();
  bool shown = false;
  AnswerNextModal([&shown](QWidget* modal) {
    shown = modal->objectName() == "Balance_f";
    qobject_cast<QDialog*>(modal)->accept();
  });
  balance->click();
  EXPECT_TRUE(shown);
  EXPECT_FALSE(app_->Document().Door().Bottom);
}

}  // namespace
