#include "TBalance_f.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>
#include <cmath>

#include "BalanceViewLayout.h"
#include "CalculatorLauncher.h"
#include "DoorCommands.h"
#include "DoorDocument.h"
#include "HelpBrowser.h"
#include "MessageBoxes.h"
#include "ReportDateTime.h"
#include "ScPic.h"
#include "TAskAny.h"
#include "TBDetail_f.h"
#include "TEditF.h"
#include "TSpinButton.h"
#include "TextFileWindow.h"
#include "ThreeViewDrawing.h"
#include "UserLocale.h"
#include "model/BalanceSearch.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "report/BalanceFigures.h"
#include "report/BalanceUpdate.h"
#include "report/CalcLog.h"
#include "report/ReportTexts.h"
#include "report/ResultsReport.h"

namespace {

constexpr int kMaxRelaxationSteps = 1000;
constexpr long double kRelaxationTolerance = 1.0L;  // N*m
constexpr long double kSolverTolerance = 0.1L;      // N*m

void DrainMessages() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace

TBalance_f::TBalance_f(DoorDocument& document, DisplayFlags& flags, const Services& services)
    : board_(document.Board()), flags_(flags), services_(services) {
  setObjectName("Balance_f");
  setWindowTitle("Balance position");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::WindowContextHelpButtonHint);
  setSizeGripEnabled(true);
  OpenTextFile = [](const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  };
  ui_.Build(*this);
  new BalanceViewLayout(*ui_.Splitter1, *ui_.ScPic1, *ui_.ScPic2, *ui_.ScPic3, *ui_.Panel10,
                        [this] { ScheduleRedraw(); });
  ConnectCommands();

  // Creation: the angle fields from the model, empty result fields, menu checks from the
  // flags, then one Update so the fields are filled before the first showing.
  ui_.Edit7->SetAndShow(board_.RotX);
  ui_.Edit8->SetAndShow(board_.RotY);
  ui_.Edit9->SetAndShow(board_.RotZ);
  angleRad_ = {board_.RotX * kDegree, board_.RotY * kDegree, board_.RotZ * kDegree};
  for (QLineEdit* field : {ui_.Edit1, ui_.Edit2, ui_.Edit3, ui_.Edit4, ui_.Edit5, ui_.Edit6,
                           ui_.Edit10, ui_.Edit11, ui_.Edit12, ui_.Edit13}) {
    field->clear();
  }
  ui_.MnuBottom->setChecked(board_.Bottom);
  ui_.MnuShHidden->setChecked(flags_.ShowHidden);
  ui_.MnuShPoints->setChecked(flags_.ShowPoints);
  ui_.MnuShForces->setChecked(flags_.ShowForces);
  ui_.MnuShLabels->setChecked(flags_.ShowLabels);
  ui_.MnuShProces->setChecked(flags_.ShowProcess);
  stabilityOn_ = true;
  UpdateButtonClick();
}

void TBalance_f::ConnectCommands() {
  connect(ui_.UpdateButton, &QPushButton::clicked, this, &TBalance_f::UpdateButtonClick);
  connect(ui_.SpeedButton1, &QPushButton::clicked, this, &TBalance_f::SpeedButton1Click);
  connect(ui_.OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_.HelpBtn, &QPushButton::clicked, this,
          [this] { services_.Help.ShowTopic("doors_balance"); });
  connect(ui_.Button3, &QPushButton::clicked, this, [this] { services_.Details.exec(); });
  connect(ui_.MnuDetail, &QAction::triggered, this, [this] { services_.Details.exec(); });
  // The printed report is not part of this version.
  ui_.Print2->setEnabled(false);
  ui_.OKBtn->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ui_.OKBtn, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { ui_.PopupMenu1->exec(ui_.OKBtn->mapToGlobal(at)); });

  // Angle fields: a committed entry takes effect at once.
  for (TEditF* field : {ui_.Edit7, ui_.Edit8, ui_.Edit9}) {
    connect(field, &TEditF::OnInput, this, [this] { UpdateButtonClick(); });
  }
  const std::pair<TSpinButton*, TEditF*> spins[] = {
      {ui_.SpinButton1, ui_.Edit7}, {ui_.SpinButton2, ui_.Edit8}, {ui_.SpinButton3, ui_.Edit9}};
  for (const auto& [spin, field] : spins) {
    connect(spin, &TSpinButton::UpClick, this, [this, f = field] { StepAngle(f, 1); });
    connect(spin, &TSpinButton::DownClick, this, [this, f = field] { StepAngle(f, -1); });
  }

  // The door's input dialogs are the main window's commands; the views follow at once.
  using Command = DoorCommands::Command;
  const std::pair<QAction*, Command> dialogs[] = {
      {ui_.MnuFront, Command::Projections},  {ui_.PopFront, Command::Projections},
      {ui_.MnuHydro, Command::Hydrodynamic}, {ui_.PopHydro, Command::Hydrodynamic},
      {ui_.MnuEnvir, Command::Environment},  {ui_.PopEnvir, Command::Environment},
      {ui_.MnuTrawl, Command::Trawl},        {ui_.PopTrawl, Command::Trawl},
      {ui_.MnuGround, Command::Ground},      {ui_.PopGround, Command::Ground},
      {ui_.MnuKGeom, Command::KeelGeometry}, {ui_.PopKGeom, Command::KeelGeometry},
      {ui_.MnuKPos, Command::KeelOrigin},    {ui_.PopKPos, Command::KeelOrigin}};
  for (const auto& [item, command] : dialogs) {
    connect(item, &QAction::triggered, this, [this, c = command] {
      services_.Commands.RunCommand(c);
      UpdateButtonClick();
    });
  }

  connect(ui_.MnuBottom, &QAction::triggered, this, [this] {
    // The menu item toggled itself already: undo that, the handler inverts it.
    ui_.MnuBottom->setChecked(!ui_.MnuBottom->isChecked());
    MnuBottomClick();
  });
  connect(ui_.PopBottom, &QAction::triggered, this, [this] {
    ui_.PopBottom->setChecked(!ui_.PopBottom->isChecked());
    MnuBottomClick();
  });
  ConnectDisplayToggle(ui_.MnuShHidden, ui_.PopShHidden, &DisplayFlags::ShowHidden);
  ConnectDisplayToggle(ui_.MnuShPoints, ui_.PopShPoints, &DisplayFlags::ShowPoints);
  ConnectDisplayToggle(ui_.MnuShForces, ui_.PopShForces, &DisplayFlags::ShowForces);
  ConnectDisplayToggle(ui_.MnuShLabels, ui_.PopShLabels, &DisplayFlags::ShowLabels);
  ConnectDisplayToggle(ui_.MnuShProces, ui_.PopShProces, &DisplayFlags::ShowProcess);

  connect(ui_.SolverSensitivity, &QAction::triggered, this, &TBalance_f::AskSensitivity);
  connect(ui_.RunCalculator1, &QAction::triggered, this,
          [this] { services_.Calculator.RunCalculator(this); });
  connect(ui_.ShowLogFile1, &QAction::triggered, this, &TBalance_f::ShowLogFile);
  connect(ui_.ClearLogFile1, &QAction::triggered, this, &TBalance_f::ClearLogFile);
}

void TBalance_f::ConnectDisplayToggle(QAction* item, QAction* twin, bool DisplayFlags::*flag) {
  // The main-menu item holds the state (the toolkit has inverted it already when it was the
  // one used); the pop-up twin follows it, and the flag takes it.
  const auto apply = [this, item, twin, flag] {
    twin->setChecked(item->isChecked());
    flags_.*flag = item->isChecked();
    if (flag != &DisplayFlags::ShowProcess) FormPaint();
  };
  connect(item, &QAction::triggered, this, apply);
  connect(twin, &QAction::triggered, this, [item, apply] {
    item->setChecked(!item->isChecked());
    apply();
  });
}

void TBalance_f::UpdateKeelItems() {
  // The keel dialogs are reachable only in bottom trawling, as in the main window.
  for (QAction* item :
       {ui_.MnuGround, ui_.MnuKGeom, ui_.MnuKPos, ui_.PopGround, ui_.PopKGeom, ui_.PopKPos}) {
    item->setEnabled(board_.Bottom);
  }
}

void TBalance_f::UpdateButtonClick() {
  TBoard& board = board_;
  UpdateKeelItems();
  if (stabilityOn_) {
    ui_.Edit7->SetAndShow(ui_.Edit7->Val());
    ui_.Edit8->setText(UserNumberText("###.###", ui_.Edit8->Val()));
    ui_.Edit9->setText(UserNumberText("###.###", ui_.Edit9->Val()));
  }
  board.RotX = ui_.Edit7->Val();
  board.RotY = ui_.Edit8->Val();
  board.RotZ = ui_.Edit9->Val();
  angleRad_ = {board.RotX * kDegree, board.RotY * kDegree, board.RotZ * kDegree};
  const auto [ax, ay, az] = angleRad_;

  XYZ stability;
  if (stabilityOn_) {
    stability = EvaluateWithStability(board, board.RotX, board.RotY, board.RotZ);
  } else {
    board.Evaluate(ax, ay, az);
  }
  const XYZ& m = board.TotalMoment;
  ui_.Edit4->setText(UserNumberText("######0.##", m.X / 1000));
  ui_.Edit5->setText(UserNumberText("######0.##", m.Y / 1000));
  ui_.Edit6->setText(UserNumberText("######0.##", m.Z / 1000));
  if (stabilityOn_) {
    ui_.Edit1->setText(UserNumberText("####0.####", stability.X / 1000));
    ui_.Edit2->setText(UserNumberText("####0.####", stability.Y / 1000));
    ui_.Edit3->setText(UserNumberText("####0.####", stability.Z / 1000));
    const BalanceFigures figures = ComputeBalanceFigures(board);
    ui_.Edit10->setText(UserNumberText("#########0.####", figures.ResistanceKN));
    ui_.Edit11->setText(UserNumberText("#########0.####", figures.SpreadKN));
    ui_.Edit12->setText(UserNumberText("#########0.####", figures.VerticalKN));
    ui_.Edit13->setText(UserNumberText("#####0.###", figures.WingAttackDeg));
  }
  FormPaint();
  update();
}

void TBalance_f::FormPaint() {
  redrawPending_ = false;
  ViewFlags flags;
  flags.Hidden = flags_.ShowHidden;
  flags.Points = flags_.ShowPoints;
  flags.Forces = flags_.ShowForces;
  flags.Labels = flags_.ShowLabels;
  ThreeViewDrawing::RedrawBalanceViews(board_, scale_, flags, angleRad_, *ui_.ScPic1, *ui_.ScPic2,
                                       *ui_.ScPic3);
}

void TBalance_f::ScheduleRedraw() {
  // Resizes come in bursts; one redraw once they are handled is enough.
  if (redrawPending_) return;
  redrawPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (redrawPending_) FormPaint();
  });
}

void TBalance_f::StepAngle(TEditF* field, long double delta) {
  field->SetAndShow(field->Val() + delta);
  UpdateButtonClick();
}

void TBalance_f::ShowAngles(long double x, long double y, long double z) {
  ui_.Edit9->SetAndShow(z);
  ui_.Edit8->SetAndShow(y);
  ui_.Edit7->SetAndShow(x);
}

void TBalance_f::SpeedButton1Click() {
  if (balanceRunning_) {
    // A second press asks the running search to stop at its next turn.
    ui_.SpeedButton1->setChecked(false);
    balanceRunning_ = false;
    return;
  }
  balanceRunning_ = true;
  ui_.SpeedButton1->setChecked(true);
  setCursor(Qt::WaitCursor);
  const long double x = ui_.Edit7->Val();
  const long double y = ui_.Edit8->Val();
  const long double z = ui_.Edit9->Val();
  if (flags_.ShowProcess) {
    RunRelaxation(x, y, z);
  } else {
    RunSolver(x, y, z);
  }
  unsetCursor();
  ui_.SpeedButton1->setChecked(false);
  balanceRunning_ = false;
}

void TBalance_f::RunRelaxation(long double x, long double y, long double z) {
  TBoard& board = board_;
  stabilityOn_ = false;
  relaxationSteps_ = 0;
  BalanceSearch search(board, x, y, z, kRelaxationTolerance);
  for (int i = 0; i < kMaxRelaxationSteps && balanceRunning_; ++i) {
    if (search.Step()) break;
    ++relaxationSteps_;
    ShowAngles(search.X(), search.Y(), search.Z());
    // An angle beyond +-90 is refused by its field, which says so and takes its default; the
    // search stops there rather than asking the user again at every step.
    const bool refused = ui_.Edit7->Val() != search.X() || ui_.Edit8->Val() != search.Y() ||
                         ui_.Edit9->Val() != search.Z();
    UpdateButtonClick();
    if (refused) break;
    DrainMessages();
  }
  stabilityOn_ = true;
  UpdateButtonClick();
}

void TBalance_f::RunSolver(long double x, long double y, long double z) {
  board_.Solve(x, y, z, kSolverTolerance, DrainMessages);
  ShowAngles(x, y, z);
  UpdateButtonClick();
}

void TBalance_f::MnuBottomClick() {
  const bool bottom = !ui_.MnuBottom->isChecked();
  ui_.MnuBottom->setChecked(bottom);
  ui_.PopBottom->setChecked(bottom);
  services_.Commands.SetBottomTrawling(bottom);
  UpdateButtonClick();
}

void TBalance_f::AskSensitivity() {
  services_.AskAny.Ask(QString::fromStdString(SolverSensitivityCaption(LanguageIndex)),
                       QString::fromStdString(SolverSensitivityPrompt(LanguageIndex)),
                       board_.Sensitivity, 5.0L, 1000.0L, 50.0L, 15, 1);
}

void TBalance_f::ShowLogFile() {
  const ReportDateTime now = ReportDateTime::Now();
  const std::string report = ResultsReportText(board_, LanguageIndex, now.Date, now.Time);
  const CalcLogResult written = AppendToCalcLog(kCalcLogName, report);
  if (!written) {
    MessageBoxes::Critical(this, "Show Log File", QString::fromStdString(written.Message));
    return;
  }
  const QString path = QDir::current().absoluteFilePath(kCalcLogName);
  if (OpenTextFile && OpenTextFile(path)) return;
  if (!logWindow_) logWindow_ = new TextFileWindow(this);
  if (!logWindow_->ShowFile(path))
    MessageBoxes::Critical(this, "Show Log File", "The log " + path + " could not be read.");
}

void TBalance_f::ClearLogFile() {
  const CalcLogResult cleared = ClearCalcLog(kCalcLogName);
  if (!cleared) {
    MessageBoxes::Critical(this, "Clear Log File", QString::fromStdString(cleared.Message));
  }
}

void TBalance_f::ApplyViewSettings(const ViewSettings& view) {
  QAction* items[5] = {ui_.MnuShHidden, ui_.MnuShPoints, ui_.MnuShForces, ui_.MnuShLabels,
                       ui_.MnuShProces};
  for (int i = 0; i < 5; ++i)
    items[i]->setChecked(view.BalanceSwitches[i]);
  flags_.ShowHidden = view.BalanceSwitches[0];
  flags_.ShowPoints = view.BalanceSwitches[1];
  flags_.ShowForces = view.BalanceSwitches[2];
  flags_.ShowLabels = view.BalanceSwitches[3];
  flags_.ShowProcess = view.BalanceSwitches[4];
  ShowAngles(view.Angles[0], view.Angles[1], view.Angles[2]);
  board_.RotX = ui_.Edit7->Val();
  board_.RotY = ui_.Edit8->Val();
  board_.RotZ = ui_.Edit9->Val();
}

void TBalance_f::CollectViewSettings(ViewSettings& view) const {
  const QAction* items[5] = {ui_.MnuShHidden, ui_.MnuShPoints, ui_.MnuShForces, ui_.MnuShLabels,
                             ui_.MnuShProces};
  for (int i = 0; i < 5; ++i)
    view.BalanceSwitches[i] = items[i]->isChecked();
  view.Angles = {ui_.Edit7->Val(), ui_.Edit8->Val(), ui_.Edit9->Val()};
}

void TBalance_f::showEvent(QShowEvent* event) {
  // Showing: the display items' checks become the flags.
  flags_.ShowHidden = ui_.MnuShHidden->isChecked();
  flags_.ShowPoints = ui_.MnuShPoints->isChecked();
  flags_.ShowForces = ui_.MnuShForces->isChecked();
  flags_.ShowLabels = ui_.MnuShLabels->isChecked();
  flags_.ShowProcess = ui_.MnuShProces->isChecked();
  QDialog::showEvent(event);
  // The window is there to balance the door: its button has the focus, not a result field.
  if (!event->spontaneous()) ui_.SpeedButton1->setFocus(Qt::OtherFocusReason);
}

void TBalance_f::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !balanceRunning_) {
    // The mode may have changed in the main window: both Bottom Case items follow it.
    ui_.PopBottom->setChecked(board_.Bottom);
    ui_.MnuBottom->setChecked(board_.Bottom);
    UpdateButtonClick();
  }
}

void TBalance_f::contextMenuEvent(QContextMenuEvent* event) {
  ui_.PopupMenu1->exec(event->globalPos());
}

void TBalance_f::done(int result) {
  balanceRunning_ = false;  // a running relaxation stops with the window
  QDialog::done(result);
}
