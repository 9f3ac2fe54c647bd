#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

#include "BalanceAnalysisPanel.h"
#include "BalanceDetailsWindow.h"
#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "HistoryActions.h"
#include "LanguageSwitch.h"
#include "MainWindow.h"
#include "OperatingMapView.h"
#include "OperatingMapWindow.h"
#include "SweepWindow.h"
#include "TargetWindow.h"
#include "TestTolerances.h"
#include "UserLocale.h"
#include "analysis/BalanceOutcome.h"
#include "analysis/LiftOff.h"
#include "analysis/OperatingMap.h"
#include "gui/DoorChanges.h"
#include "gui/FileDialogScript.h"
#include "gui/MessageBoxScript.h"
#include "model/EditableFields.h"
#include "model/ParameterSweep.h"
#include "model/TBoard.h"

// The windows beyond the balance: the precise ground contact option, the target search, the
// operating map and the details window's analyses, used as a designer uses them.
namespace {

// Only guards against a hang: the searches end by themselves, in well under a second here.
constexpr int kEndTimeoutMs = 120000;
constexpr long double kBalanced = 0.1L;   // N*m: the windows' balance tolerance
constexpr long double kValueTol = 1e-9L;  // a setting's value as the window and the door hold it

const QString kSamples = DOORTRIM_SAMPLE_DOORS;

class BeyondBalance : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    app_ = std::make_unique<DoorTrimApp>();
    window_ = &app_->Balance();
    window_->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    window_->hide();
    app_.reset();
  }

  template <class T>
  T* Find(QWidget* in, const char* name) {
    T* w = in->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QAction* Action(const char* name) { return Find<QAction>(window_, name); }
  void Open(const char* door) {
    ASSERT_TRUE(app_->Main().OpenFile(kSamples + "/" + door));
    // The plain search, run to its end at once.
    Action("MnuShProces")->setChecked(false);
    app_->Flags().ShowProcess = false;
  }
  // |Mx| + |My| + |Mz| after the Balance button, N*m.
  long double BalanceAndMomentSum() {
    Find<QPushButton>(window_, "SpeedButton1")->click();
    const XYZ& m = window_->Model().Result().TotalMoment;
    return std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z);
  }
  QString Path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

  QTemporaryDir dir_;
  std::unique_ptr<DoorTrimApp> app_;
  BalanceWindow* window_ = nullptr;
};

// vshape.brd at 1.67 m/s: the ground force moves in steps as the door turns, and only the keel's
// sinking depth found to full precision lets the search bring the moments under 0.1 N*m.
TEST_F(BeyondBalance, PreciseGroundContactIsRememberedAndBalancesADoorThatNeedsIt) {
  ASSERT_FALSE(Action("MnuPreciseGround")->isChecked());  // off at first
  Open("vshape.brd");
  EditTheDoor(app_->Document(), [](DoorInputs& d) { d.v = 1.67L; });
  EXPECT_GT(BalanceAndMomentSum(), kBalanced);

  Open("vshape.brd");
  EditTheDoor(app_->Document(), [](DoorInputs& d) { d.v = 1.67L; });
  Action("MnuPreciseGround")->trigger();
  ASSERT_TRUE(window_->PreciseGround());
  EXPECT_LT(BalanceAndMomentSum(), kBalanced);

  // The next session starts with it on.
  window_->hide();
  app_.reset();
  app_ = std::make_unique<DoorTrimApp>();
  window_ = &app_->Balance();
  EXPECT_TRUE(Action("MnuPreciseGround")->isChecked());
  EXPECT_TRUE(window_->PreciseGround());
  Action("MnuPreciseGround")->trigger();
  EXPECT_FALSE(window_->PreciseGround());
  EXPECT_FALSE(QSettings().value("Balance/PreciseGround", true).toBool());
}

// A sweep whose values do not balance in bottom trawling suggests the precise ground contact,
// which balances them.
TEST_F(BeyondBalance, SweepSuggestsPreciseGroundContactWhichBalancesItsValues) {
  Open("vshape.brd");
  Action("MnuSweep")->trigger();
  SweepWindow* sweep = window_->Sweep();
  ASSERT_NE(sweep, nullptr);
  const auto run = [&] {
    Find<QComboBox>(sweep, "SweepVariable")->setCurrentText("v");
    Find<QDoubleSpinBox>(sweep, "SweepFrom")->setValue(1.67);
    Find<QDoubleSpinBox>(sweep, "SweepTo")->setValue(3.0);
    Find<QSpinBox>(sweep, "SweepSteps")->setValue(1);
    QSignalSpy ended(sweep, &SweepWindow::sweepEnded);
    Find<QPushButton>(sweep, "SweepRun")->click();
    EXPECT_TRUE(ended.wait(kEndTimeoutMs));
    int balanced = 0;
    for (const SweepPoint& p : sweep->Sweep()->Points())
      balanced += p.Converged ? 1 : 0;
    return balanced;
  };
  EXPECT_EQ(run(), 0);
  auto* status = Find<QLabel>(sweep, "SweepStatus");
  EXPECT_TRUE(status->text().contains("Precise ground contact")) << status->text().toStdString();

  Action("MnuPreciseGround")->trigger();
  EXPECT_EQ(run(), 2);
  EXPECT_FALSE(status->text().contains("Precise ground contact")) << status->text().toStdString();
  Action("MnuPreciseGround")->trigger();  // the settings of the next test start from off
}

// The upper bridle height that gives zero heel: found, applied as one step, undone.
TEST_F(BeyondBalance, TargetFoundIsAppliedAsOneStepThatUndoRestores) {
  Open("vshape.brd");
  const DoorState before = app_->Document().State();
  const int steps = app_->Document().History().count();
  Action("MnuTarget")->trigger();
  TargetWindow& target = window_->Target();
  ASSERT_TRUE(target.isVisible());
  Find<QComboBox>(&target, "TargetSetting")->setCurrentText("zc0");
  Find<QDoubleSpinBox>(&target, "TargetFrom")->setValue(1.0);
  Find<QDoubleSpinBox>(&target, "TargetTo")->setValue(1.6);
  Find<QComboBox>(&target, "TargetQuantity")->setCurrentIndex(1);  // heel
  Find<QDoubleSpinBox>(&target, "TargetValue")->setValue(0);
  QSignalSpy ended(&target, &TargetWindow::solveEnded);
  Find<QPushButton>(&target, "TargetSolve")->click();
  ASSERT_TRUE(ended.wait(kEndTimeoutMs));
  ASSERT_TRUE(target.Result().has_value());
  const TargetSolver::Result found = *target.Result();
  ASSERT_TRUE(found.Found());
  const QString outcome = Find<QLabel>(&target, "TargetOutcome")->text();
  EXPECT_TRUE(outcome.startsWith("Found: zc0 = ") && outcome.contains(" gives heel "))
      << outcome.toStdString();
  EXPECT_FALSE(Find<QLabel>(&target, "TargetDetails")->text().isEmpty());
  EXPECT_EQ(app_->Document().History().count(), steps);  // nothing stored yet

  auto* apply = Find<QPushButton>(&target, "TargetApply");
  ASSERT_TRUE(apply->isEnabled());
  apply->click();
  EXPECT_EQ(app_->Document().History().count(), steps + 1);
  const QString step = app_->Document().History().undoText();
  EXPECT_TRUE(step.startsWith("zc0 = ") && step.endsWith(" for heel 0°")) << step.toStdString();
  EXPECT_NEAR(static_cast<double>(app_->Document().Door().zc0), static_cast<double>(found.Value),
              static_cast<double>(kValueTol));
  // The balance window follows: the door it evaluates is balanced with no heel.
  const XYZ& m = window_->Model().Result().TotalMoment;
  EXPECT_LT(std::fabs(m.X) + std::fabs(m.Y) + std::fabs(m.Z), kBalanced);
  EXPECT_NEAR(static_cast<double>(app_->Document().Angles().X), 0.0,
              static_cast<double>(kAngleTol));
  // A result once applied is the old door's.
  EXPECT_FALSE(apply->isEnabled());

  window_->History().Undo()->trigger();
  EXPECT_EQ(app_->Document().State(), before);
  EXPECT_EQ(window_->Model().Inputs().zc0, before.Door.zc0);
}

TEST_F(BeyondBalance, TargetNotFoundSaysWhyAndChangesNothing) {
  Open("vshape.brd");
  const DoorState before = app_->Document().State();
  const int steps = app_->Document().History().count();
  Action("MnuTarget")->trigger();
  TargetWindow& target = window_->Target();
  Find<QComboBox>(&target, "TargetSetting")->setCurrentText("zc0");
  // Above 1.28 m the door heels inward all the way.
  Find<QDoubleSpinBox>(&target, "TargetFrom")->setValue(1.28);
  Find<QDoubleSpinBox>(&target, "TargetTo")->setValue(1.8);
  Find<QComboBox>(&target, "TargetQuantity")->setCurrentIndex(1);
  Find<QDoubleSpinBox>(&target, "TargetValue")->setValue(0);
  QSignalSpy ended(&target, &TargetWindow::solveEnded);
  Find<QPushButton>(&target, "TargetSolve")->click();
  ASSERT_TRUE(ended.wait(kEndTimeoutMs));
  ASSERT_TRUE(target.Result().has_value());
  EXPECT_EQ(target.Result()->Why, TargetSolver::Outcome::NoCrossing);
  const QString outcome = Find<QLabel>(&target, "TargetOutcome")->text();
  EXPECT_TRUE(outcome.startsWith("Not found. The nearest: zc0 = ")) << outcome.toStdString();
  EXPECT_TRUE(outcome.contains("stays on one side of the target")) << outcome.toStdString();
  auto* apply = Find<QPushButton>(&target, "TargetApply");
  EXPECT_FALSE(apply->isEnabled());
  apply->click();
  EXPECT_EQ(app_->Document().History().count(), steps);
  EXPECT_EQ(app_->Document().State(), before);
}

// A result belongs to the door it was found for: changed, the door cannot take it.
TEST_F(BeyondBalance, TargetResultOfAnOtherDoorIsNotApplied) {
  Open("vshape.brd");
  Action("MnuTarget")->trigger();
  TargetWindow& target = window_->Target();
  Find<QComboBox>(&target, "TargetSetting")->setCurrentText("zc0");
  Find<QDoubleSpinBox>(&target, "TargetFrom")->setValue(1.0);
  Find<QDoubleSpinBox>(&target, "TargetTo")->setValue(1.6);
  Find<QComboBox>(&target, "TargetQuantity")->setCurrentIndex(1);
  Find<QDoubleSpinBox>(&target, "TargetValue")->setValue(0);
  QSignalSpy ended(&target, &TargetWindow::solveEnded);
  Find<QPushButton>(&target, "TargetSolve")->click();
  ASSERT_TRUE(ended.wait(kEndTimeoutMs));
  ASSERT_TRUE(target.CanApply());
  EditTheDoor(app_->Document(), [](DoorInputs& d) { d.G += 100; });
  const DoorState changed = app_->Document().State();
  auto* apply = Find<QPushButton>(&target, "TargetApply");
  EXPECT_FALSE(apply->isEnabled());
  EXPECT_TRUE(
      Find<QLabel>(&target, "TargetOutcome")->text().contains("The door has changed since"));
  target.onApplyClicked();
  EXPECT_EQ(app_->Document().State(), changed);
  // Undone, the door is the one the result was found for again.
  window_->History().Undo()->trigger();
  EXPECT_TRUE(apply->isEnabled());
}

// While the balance window's visible search turns the door, no value is stored in it and the
// ground contact stays as the search began.
TEST_F(BeyondBalance, NothingIsAppliedWhileTheSearchTurnsTheDoor) {
  Open("vshape.brd");
  Action("MnuTarget")->trigger();
  TargetWindow& target = window_->Target();
  Find<QComboBox>(&target, "TargetSetting")->setCurrentText("zc0");
  Find<QDoubleSpinBox>(&target, "TargetFrom")->setValue(1.0);
  Find<QDoubleSpinBox>(&target, "TargetTo")->setValue(1.6);
  Find<QComboBox>(&target, "TargetQuantity")->setCurrentIndex(1);
  Find<QDoubleSpinBox>(&target, "TargetValue")->setValue(0);
  QSignalSpy ended(&target, &TargetWindow::solveEnded);
  Find<QPushButton>(&target, "TargetSolve")->click();
  ASSERT_TRUE(ended.wait(kEndTimeoutMs));
  auto* apply = Find<QPushButton>(&target, "TargetApply");
  ASSERT_TRUE(apply->isEnabled());

  Action("MnuShProces")->trigger();  // the visible relaxation, a step per turn of the loop
  Find<QPushButton>(window_, "SpeedButton1")->click();
  ASSERT_TRUE(window_->BalanceRunning());
  EXPECT_FALSE(apply->isEnabled());
  EXPECT_FALSE(Action("MnuPreciseGround")->isEnabled());
  const int steps = app_->Document().History().count();
  target.onApplyClicked();
  EXPECT_EQ(app_->Document().History().count(), steps);

  Find<QPushButton>(window_, "SpeedButton1")->click();  // stops it where it got
  ASSERT_FALSE(window_->BalanceRunning());
  EXPECT_TRUE(apply->isEnabled());  // the angles moved; the door's values did not
  EXPECT_TRUE(Action("MnuPreciseGround")->isEnabled());
}

TEST_F(BeyondBalance, TargetRefusesEqualEnds) {
  Action("MnuTarget")->trigger();
  TargetWindow& target = window_->Target();
  Find<QDoubleSpinBox>(&target, "TargetFrom")->setValue(1.2);
  Find<QDoubleSpinBox>(&target, "TargetTo")->setValue(1.2);
  MessageBoxScript boxes;
  Find<QPushButton>(&target, "TargetSolve")->click();
  EXPECT_FALSE(target.Running());
  EXPECT_EQ(boxes.Texts(),
            std::vector<QString>{"From and To are equal: there is nothing to search."});
}

// In Russian the window's own texts and the advice come from the Russian file.
TEST_F(BeyondBalance, TextsBuiltByTheWindowsFollowTheLanguage) {
  Open("default.brd");
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Russian));
  EXPECT_EQ(Find<QComboBox>(&window_->Target(), "TargetQuantity")->itemText(1),
            "Крен (поворот вокруг X)");
  EXPECT_EQ(Find<QComboBox>(&window_->OperatingMapView(), "OpMapQuantity")->itemText(3),
            "Распорная сила, кН");
  Find<QPushButton>(window_, "SpeedButton1")->click();
  BalanceAnalysisPanel& analysis = window_->Details().Analysis();
  QSignalSpy shown(&analysis, &BalanceAnalysisPanel::analysisShown);
  window_->Details().show();
  ASSERT_TRUE(shown.wait(kEndTimeoutMs));
  const QString advice = Find<QLabel>(&analysis, "AnalysisAdvice")->text();
  EXPECT_TRUE(advice.startsWith("Доска кренится на ")) << advice.toStdString();
  EXPECT_TRUE(advice.contains("крепление ваера")) << advice.toStdString();
  window_->Details().hide();
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::English));
  QSettings().remove("Language");
}

// The uncertainties and bands the user sets: no uncertainty gives a band of no width, heel and
// pitch bands wide enough leave nothing to advise.
TEST_F(BeyondBalance, DetailsFollowTheUncertaintiesAndBandsSet) {
  Open("default.brd");
  Find<QPushButton>(window_, "SpeedButton1")->click();
  BalanceAnalysisPanel& analysis = window_->Details().Analysis();
  QSignalSpy shown(&analysis, &BalanceAnalysisPanel::analysisShown);
  window_->Details().show();
  ASSERT_TRUE(shown.wait(kEndTimeoutMs));
  Find<QSpinBox>(&analysis, "AnalysisWingPercent")->setValue(0);
  Find<QSpinBox>(&analysis, "AnalysisGroundPercent")->setValue(0);
  Find<QDoubleSpinBox>(&analysis, "AnalysisHeelBand")->setValue(10);
  Find<QDoubleSpinBox>(&analysis, "AnalysisPitchBand")->setValue(10);
  // A change while the analyses run is analysed once they end: what is shown next is of all.
  ASSERT_TRUE(shown.wait(kEndTimeoutMs));
  EXPECT_FALSE(analysis.Running());
  EXPECT_TRUE(Find<QLabel>(&analysis, "AnalysisBandTitle")
                  ->text()
                  .startsWith("Uncertainty: coefficients of the wing ±0 %, of the ground ±0 %"));
  auto* table = Find<QTableWidget>(&analysis, "AnalysisBand");
  for (int row = 0; row < table->rowCount(); ++row)
    for (int column = 1; column < table->columnCount(); ++column)
      EXPECT_EQ(table->item(row, column)->text(), table->item(row, 0)->text()) << row;
  EXPECT_EQ(Find<QLabel>(&analysis, "AnalysisAdvice")->text(),
            "The door sits within its bands (heel within ±10°, pitch within ±10°, attack angle "
            "30° to 40°): no advice.");
  window_->Details().hide();
}

class OperatingMapWindowTest : public BeyondBalance {
 protected:
  OperatingMapWindow& OpenMap() {
    Action("MnuOperatingMap")->trigger();
    OperatingMapWindow& map = window_->OperatingMapView();
    EXPECT_TRUE(map.isVisible());
    return map;
  }
  void SetGrid(OperatingMapWindow& map, const char* x, double x0, double x1, int xSteps,
               const char* y, double y0, double y1, int ySteps) {
    Find<QComboBox>(&map, "OpMapX")->setCurrentText(x);
    Find<QDoubleSpinBox>(&map, "OpMapXFrom")->setValue(x0);
    Find<QDoubleSpinBox>(&map, "OpMapXTo")->setValue(x1);
    Find<QSpinBox>(&map, "OpMapXSteps")->setValue(xSteps);
    Find<QComboBox>(&map, "OpMapY")->setCurrentText(y);
    Find<QDoubleSpinBox>(&map, "OpMapYFrom")->setValue(y0);
    Find<QDoubleSpinBox>(&map, "OpMapYTo")->setValue(y1);
    Find<QSpinBox>(&map, "OpMapYSteps")->setValue(ySteps);
  }
  // Towing speed across, the warp point's abscissa upwards: 4 x 3 nodes of the default door,
  // at values a decimal text and a binary number hold alike.
  void RunSmallMap(OperatingMapWindow& map) {
    SetGrid(map, "v", 1.5, 2.5, 3, "x0", 1.0, 1.25, 2);
    QSignalSpy ended(&map, &OperatingMapWindow::mapEnded);
    Find<QPushButton>(&map, "OpMapRun")->click();
    ASSERT_TRUE(ended.wait(kEndTimeoutMs));
  }
};

TEST_F(OperatingMapWindowTest, ASmallGridFinishesAndReadsOutTheNodeUnderTheMouse) {
  Open("default.brd");
  OperatingMapWindow& map = OpenMap();
  RunSmallMap(map);
  ASSERT_TRUE(map.Complete());
  ASSERT_NE(map.Map(), nullptr);
  EXPECT_EQ(map.Map()->NodeCount(), 12);
  EXPECT_TRUE(Find<QPushButton>(&map, "OpMapExportCsv")->isEnabled());
  EXPECT_TRUE(Find<QLabel>(&map, "OpMapStatus")->text().startsWith("12 nodes, "));

  QWidget* view = Find<QWidget>(&map, "OpMapView");
  const QPoint centre = map.View().CentreOf(2, 1);
  QTest::mouseMove(view, centre);
  QMouseEvent move(QEvent::MouseMove, QPointF(centre), view->mapToGlobal(QPointF(centre)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view, &move);
  ASSERT_EQ(map.Hovered(), std::make_pair(2, 1));
  const MapNode& node = map.Map()->Node(2, 1);
  ASSERT_TRUE(node.Balance.Converged);

  // A fresh balance of the door with the node's two values, from the door's own angles.
  TBoard fresh(app_->Document().Door());
  fresh.Edit([&](DoorInputs& d) {
    d.v = node.XValue;
    d.x0 = node.YValue;
  });
  const BalanceAngles& start = app_->Document().Angles();
  const BalanceOutcome balance = BalanceDoor(fresh, {start.X, start.Y, start.Z}, kBalanced);
  ASSERT_TRUE(balance.Converged);
  EXPECT_NEAR(static_cast<double>(node.Balance.WingAttackDeg),
              static_cast<double>(balance.WingAttackDeg), static_cast<double>(kAngleTol));
  EXPECT_NEAR(static_cast<double>(node.Balance.RotX), static_cast<double>(balance.Angles[0]),
              static_cast<double>(kAngleTol));
  EXPECT_NEAR(static_cast<double>(node.Balance.RotY), static_cast<double>(balance.Angles[1]),
              static_cast<double>(kAngleTol));
  const QString readout = Find<QLabel>(&map, "OpMapReadoutLine")->text();
  EXPECT_TRUE(readout.contains("wing attack angle " +
                               UserNumberText("##0.##", node.Balance.WingAttackDeg) + "°"))
      << readout.toStdString();
  EXPECT_TRUE(readout.startsWith("v = " + UserNumberText("######0.####", node.XValue)))
      << readout.toStdString();
}

TEST_F(OperatingMapWindowTest, CancelStopsItAndClaimsNoCompleteMap) {
  Open("default.brd");
  OperatingMapWindow& map = OpenMap();
  // 201 x 201 nodes take far longer than the click that cancels them.
  SetGrid(map, "v", 1.0, 3.0, OperatingMap::kMaxSteps, "x0", 0.8, 1.4, OperatingMap::kMaxSteps);
  QSignalSpy ended(&map, &OperatingMapWindow::mapEnded);
  Find<QPushButton>(&map, "OpMapRun")->click();
  ASSERT_TRUE(map.Running());
  EXPECT_FALSE(Find<QPushButton>(&map, "OpMapRun")->isEnabled());
  Find<QPushButton>(&map, "OpMapCancel")->click();
  ASSERT_TRUE(ended.wait(kEndTimeoutMs));
  EXPECT_FALSE(map.Running());
  EXPECT_FALSE(map.Complete());
  int done = 0;
  for (const MapNode& n : map.Map()->Nodes())
    done += n.Done ? 1 : 0;
  EXPECT_LT(done, map.Map()->NodeCount());
  EXPECT_TRUE(Find<QLabel>(&map, "OpMapStatus")->text().startsWith("Cancelled after "));
  EXPECT_FALSE(Find<QPushButton>(&map, "OpMapExportCsv")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(&map, "OpMapSavePicture")->isEnabled());
  // Nothing is written for an incomplete map, even when asked.
  FileDialogScript files;
  files.Choose(Path("partial.csv"));
  map.onExportCsvClicked();
  EXPECT_TRUE(files.Asked().empty());
  EXPECT_FALSE(QFile::exists(Path("partial.csv")));
  EXPECT_TRUE(Find<QPushButton>(&map, "OpMapRun")->isEnabled());
}

struct RefusedGrid {
  const char* X;
  double XFrom, XTo;
  const char* Y;
  const char* Message;
};

class RefusedGrids : public OperatingMapWindowTest,
                     public ::testing::WithParamInterface<RefusedGrid> {};

TEST_P(RefusedGrids, SayWhyAndStartNothing) {
  OperatingMapWindow& map = OpenMap();
  const RefusedGrid& g = GetParam();
  SetGrid(map, g.X, g.XFrom, g.XTo, 3, g.Y, 1.0, 1.25, 2);
  MessageBoxScript boxes;
  Find<QPushButton>(&map, "OpMapRun")->click();
  EXPECT_FALSE(map.Running());
  EXPECT_EQ(map.Map(), nullptr);
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{g.Message});
}

INSTANTIATE_TEST_SUITE_P(
    Grids, RefusedGrids,
    ::testing::Values(
        RefusedGrid{"v", 2.0, 2.0, "x0", "From and To are equal: there is nothing to map."},
        RefusedGrid{"x0", 1.0, 1.5, "x0", "X and Y are the same setting: choose two."}));

TEST_F(OperatingMapWindowTest, CsvExportIsTheCommandLinesMap) {
  Open("default.brd");
  OperatingMapWindow& map = OpenMap();
  RunSmallMap(map);
  ASSERT_TRUE(map.Complete());
  FileDialogScript files;
  files.Choose(Path("map.csv"));
  Find<QPushButton>(&map, "OpMapExportCsv")->click();
  QFile file(Path("map.csv"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray exported = file.readAll();

  QProcess cli;
  cli.start(DOORTRIM_CLI_PATH, {"map", kSamples + "/default.brd", "--x", "v", "--x-from", "1.5",
                                "--x-to", "2.5", "--x-steps", "3", "--y", "x0", "--y-from", "1",
                                "--y-to", "1.25", "--y-steps", "2", "--csv"});
  ASSERT_TRUE(cli.waitForFinished(kEndTimeoutMs));
  EXPECT_EQ(exported, cli.readAllStandardOutput());
}

TEST_F(OperatingMapWindowTest, PictureIsSavedAsPngAndSvg) {
  Open("default.brd");
  OperatingMapWindow& map = OpenMap();
  RunSmallMap(map);
  ASSERT_TRUE(map.Complete());
  FileDialogScript files;
  files.Choose(Path("map.png"));
  files.Choose(Path("map.svg"));
  Find<QPushButton>(&map, "OpMapSavePicture")->click();
  Find<QPushButton>(&map, "OpMapSavePicture")->click();
  QImage png(Path("map.png"));
  EXPECT_FALSE(png.isNull());
  QFile svg(Path("map.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("<svg"));
}

// default.brd heels 7° inward at its balance: the details window gives the band, the ground's
// share of the weight and advice; the ground contact setting is named.
TEST_F(BeyondBalance, DetailsShowTheBandTheGroundContactAndAdvice) {
  Open("default.brd");
  Find<QPushButton>(window_, "SpeedButton1")->click();
  BalanceDetailsWindow& details = window_->Details();
  BalanceAnalysisPanel& analysis = details.Analysis();
  QSignalSpy shown(&analysis, &BalanceAnalysisPanel::analysisShown);
  details.show();
  // An area of the details window, not a window of its own.
  EXPECT_FALSE(analysis.isWindow());
  EXPECT_TRUE(analysis.isVisible());
  ASSERT_TRUE(shown.wait(kEndTimeoutMs));
  EXPECT_EQ(Find<QLabel>(&analysis, "AnalysisGround")->text(),
            "Ground contact: the keel's sinking depth to 1 mm.");
  const QString band = Find<QLabel>(&analysis, "AnalysisBandTitle")->text();
  EXPECT_TRUE(band.startsWith("Uncertainty: coefficients of the wing ±10 %")) << band.toStdString();
  auto* table = Find<QTableWidget>(&analysis, "AnalysisBand");
  EXPECT_FALSE(table->isHidden());
  // Each row's least and most values enclose its nominal one.
  for (int row = 0; row < table->rowCount(); ++row) {
    const double nominal = QLocale().toDouble(table->item(row, 0)->text());
    EXPECT_LE(QLocale().toDouble(table->item(row, 1)->text()), nominal + 1e-3) << row;
    EXPECT_GE(QLocale().toDouble(table->item(row, 2)->text()), nominal - 1e-3) << row;
  }
  // The ground's share of the weight at the balance.
  TBoard balanced(app_->Document().Door());
  const BalanceAngles& a = app_->Document().Angles();
  ASSERT_TRUE(BalanceDoor(balanced, {a.X, a.Y, a.Z}, kBalanced).Converged);
  const QString contact = Find<QLabel>(&analysis, "AnalysisContact")->text();
  EXPECT_TRUE(contact.startsWith("The ground carries " +
                                 UserNumberText("##0.0", LiftOff::NormalShareOf(balanced) * 100) +
                                 " % of the door's weight."))
      << contact.toStdString();
  const QString advice = Find<QLabel>(&analysis, "AnalysisAdvice")->text();
  EXPECT_TRUE(advice.startsWith("The door heels ")) << advice.toStdString();
  EXPECT_TRUE(advice.contains("inward")) << advice.toStdString();
  EXPECT_TRUE(advice.contains("Moving the warp attachment")) << advice.toStdString();
  details.hide();

  // With precise ground contact the details say so.
  Action("MnuPreciseGround")->trigger();
  details.show();
  ASSERT_TRUE(shown.wait(kEndTimeoutMs));
  EXPECT_EQ(Find<QLabel>(&analysis, "AnalysisGround")->text(),
            "Ground contact: the keel's sinking depth to full precision.");
  details.hide();
  Action("MnuPreciseGround")->trigger();  // the settings of the next test start from off
}

}  // namespace
