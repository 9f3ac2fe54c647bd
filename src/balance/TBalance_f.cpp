#include "TBalance_f.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>
#include <cmath>

#include "BalanceViewLayout.h"
#include "CalculatorLauncher.h"
#include "DoorCommands.h"
#include "DoorDocument.h"
#include "FileDialogs.h"
#include "HelpBrowser.h"
#include "MessageBoxes.h"
#include "PrintedReport.h"
#include "ReportDateTime.h"
#include "ReportPreview.h"
#include "ScPic.h"
#include "TAskAny.h"
#include "TBDetail_f.h"
#include "TEditF.h"
#include "TLang.h"
#include "TSpinButton.h"
#include "TSweep_f.h"
#include "TextFileWindow.h"
#include "ThreeViewDrawing.h"
#include "ThreeViewPicture.h"
#include "UserLocale.h"
#include "WindowReportSource.h"
#include "lang/MessageTables.h"
#include "model/BalanceSearch.h"
#include "model/NewtonSolver.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "report/BalanceFigures.h"
#include "report/BalanceUpdate.h"
#include "report/CalcLog.h"
#include "report/ReportTexts.h"
#include "report/ResultsReport.h"

namespace {

// How the fields show their numbers: angles in degrees, moments in kN*m, stability in
// kN*m per degree, forces in kN.
constexpr char kAngleFormat[] = "###.###";
constexpr char kMomentFormat[] = "######0.##";
constexpr char kStabilityFormat[] = "####0.####";
constexpr char kForceFormat[] = "#########0.####";
constexpr char kAttackAngleFormat[] = "#####0.###";
constexpr long double kSolverTolerance = 0.1L;  // N*m
// Where the user's choice of the Newton search is kept between sessions.
constexpr char kFastSolverKey[] = "Balance/FastSolver";

// A result field's text: the figure, or the word for one that is not a finite number. A
// figure past the range of a double is no result either (the command line reports both alike):
// it would fill the field with hundreds of digits.
QString ResultText(const char* pattern, long double value, int language) {
  if (!std::isfinite(static_cast<double>(value)))
    return QString::fromUtf8(ResultFieldTexts::kInvalid.In(language));
  return UserNumberText(pattern, value);
}

}  // namespace

const QString TBalance_f::kSearchLockReason =
    "Not while the balance search runs: it would change the door the search is turning.";

TBalance_f::TBalance_f(DoorDocument& document, DisplayFlags& flags, const Services& services)
    : board_(document.Board()),
      flags_(flags),
      services_(services),
      report_(std::make_unique<PrintedReport>()) {
  setObjectName("Balance_f");
  setWindowTitle("Balance position");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::WindowContextHelpButtonHint);
  setSizeGripEnabled(true);
  openTextFile_ = [](const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  };
  ui_.Build(*this);
  new BalanceViewLayout(*ui_.ViewSplitter, *ui_.SideView, *ui_.PlanView, *ui_.FrontView,
                        *ui_.ControlPanel, [this] { ScheduleRedraw(); });
  ConnectCommands();
  relaxationTimer_.setSingleShot(true);
  relaxationTimer_.setInterval(0);
  connect(&relaxationTimer_, &QTimer::timeout, this, &TBalance_f::onRelaxationTick);

  // Creation: the angle fields from the model, empty result fields, menu checks from the
  // flags, then one Update so the fields are filled before the first showing.
  ui_.RotationX->SetAndShow(board_.RotX);
  ui_.RotationY->SetAndShow(board_.RotY);
  ui_.RotationZ->SetAndShow(board_.RotZ);
  angleRad_ = {board_.RotX * kDegree, board_.RotY * kDegree, board_.RotZ * kDegree};
  for (QLineEdit* field :
       {ui_.StabilityX, ui_.StabilityY, ui_.StabilityZ, ui_.MomentX, ui_.MomentY, ui_.MomentZ,
        ui_.Resistance, ui_.SpreadForce, ui_.VerticalForce, ui_.AttackAngle}) {
    field->clear();
  }
  ui_.BottomCaseItem->setChecked(board_.Bottom);
  ui_.ShowHiddenItem->setChecked(flags_.ShowHidden);
  ui_.ShowPointsItem->setChecked(flags_.ShowPoints);
  ui_.ShowForcesItem->setChecked(flags_.ShowForces);
  ui_.ShowLabelsItem->setChecked(flags_.ShowLabels);
  ui_.ShowProcessItem->setChecked(flags_.ShowProcess);
  ui_.FastSolverItem->setChecked(QSettings().value(kFastSolverKey, false).toBool());
  stabilityOn_ = true;
  onUpdateClicked();
}

TBalance_f::~TBalance_f() = default;

void TBalance_f::ConnectCommands() {
  connect(ui_.UpdateButton, &QPushButton::clicked, this, &TBalance_f::onUpdateClicked);
  connect(ui_.BalanceButton, &QPushButton::clicked, this, &TBalance_f::onBalanceClicked);
  connect(ui_.OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_.HelpButton, &QPushButton::clicked, this,
          [this] { services_.Help.ShowTopic("doors_balance"); });
  connect(ui_.DetailButton, &QPushButton::clicked, this, [this] { services_.Details.exec(); });
  connect(ui_.DetailItem, &QAction::triggered, this, [this] { services_.Details.exec(); });
  connect(ui_.PrintItem, &QAction::triggered, this, &TBalance_f::PrintReport);
  ui_.OkButton->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ui_.OkButton, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { ui_.PopupMenu->exec(ui_.OkButton->mapToGlobal(at)); });

  // Angle fields: a committed entry takes effect at once.
  for (TEditF* field : {ui_.RotationX, ui_.RotationY, ui_.RotationZ}) {
    connect(field, &TEditF::OnInput, this, [this] { onUpdateClicked(); });
  }
  const std::pair<TSpinButton*, TEditF*> spins[] = {{ui_.RotationXSpin, ui_.RotationX},
                                                    {ui_.RotationYSpin, ui_.RotationY},
                                                    {ui_.RotationZSpin, ui_.RotationZ}};
  for (const auto& [spin, field] : spins) {
    connect(spin, &TSpinButton::UpClick, this, [this, f = field] { StepAngle(f, 1); });
    connect(spin, &TSpinButton::DownClick, this, [this, f = field] { StepAngle(f, -1); });
  }

  // The door's input dialogs are the main window's commands; the views follow at once.
  using Command = DoorCommands::Command;
  const std::pair<QAction*, Command> dialogs[] = {{ui_.ProjectionsItem, Command::Projections},
                                                  {ui_.PopProjectionsItem, Command::Projections},
                                                  {ui_.HydrodynamicItem, Command::Hydrodynamic},
                                                  {ui_.PopHydrodynamicItem, Command::Hydrodynamic},
                                                  {ui_.EnvironmentItem, Command::Environment},
                                                  {ui_.PopEnvironmentItem, Command::Environment},
                                                  {ui_.TrawlItem, Command::Trawl},
                                                  {ui_.PopTrawlItem, Command::Trawl},
                                                  {ui_.GroundItem, Command::Ground},
                                                  {ui_.PopGroundItem, Command::Ground},
                                                  {ui_.KeelGeometryItem, Command::KeelGeometry},
                                                  {ui_.PopKeelGeometryItem, Command::KeelGeometry},
                                                  {ui_.KeelOriginItem, Command::KeelOrigin},
                                                  {ui_.PopKeelOriginItem, Command::KeelOrigin}};
  for (const auto& [item, command] : dialogs) {
    connect(item, &QAction::triggered, this, [this, c = command] {
      services_.Commands.RunCommand(c);
      onUpdateClicked();
    });
  }

  connect(ui_.BottomCaseItem, &QAction::triggered, this, [this] {
    // The menu item toggled itself already: undo that, the handler inverts it.
    ui_.BottomCaseItem->setChecked(!ui_.BottomCaseItem->isChecked());
    onBottomCaseClicked();
  });
  connect(ui_.PopBottomCaseItem, &QAction::triggered, this, [this] {
    ui_.PopBottomCaseItem->setChecked(!ui_.PopBottomCaseItem->isChecked());
    onBottomCaseClicked();
  });
  ConnectDisplayToggle(ui_.ShowHiddenItem, ui_.PopShowHiddenItem, &DisplayFlags::ShowHidden);
  ConnectDisplayToggle(ui_.ShowPointsItem, ui_.PopShowPointsItem, &DisplayFlags::ShowPoints);
  ConnectDisplayToggle(ui_.ShowForcesItem, ui_.PopShowForcesItem, &DisplayFlags::ShowForces);
  ConnectDisplayToggle(ui_.ShowLabelsItem, ui_.PopShowLabelsItem, &DisplayFlags::ShowLabels);
  ConnectDisplayToggle(ui_.ShowProcessItem, ui_.PopShowProcessItem, &DisplayFlags::ShowProcess);

  connect(ui_.SensitivityItem, &QAction::triggered, this, &TBalance_f::AskSensitivity);
  connect(ui_.CalculatorItem, &QAction::triggered, this,
          [this] { services_.Calculator.RunCalculator(this); });
  connect(ui_.ShowLogItem, &QAction::triggered, this, &TBalance_f::ShowLogFile);
  connect(ui_.ClearLogItem, &QAction::triggered, this, &TBalance_f::ClearLogFile);
  connect(ui_.FastSolverItem, &QAction::toggled, this, &TBalance_f::onFastSolverToggled);
  connect(ui_.SweepItem, &QAction::triggered, this, &TBalance_f::onSweepClicked);
  connect(ui_.SaveViewsItem, &QAction::triggered, this, &TBalance_f::onSaveViewsClicked);
}

void TBalance_f::onFastSolverToggled(bool on) {
  QSettings().setValue(kFastSolverKey, on);
  if (sweepWindow_ && !sweepWindow_->Running())
    sweepWindow_->SetMethod(on ? BalanceMethod::Newton : BalanceMethod::Relaxation);
}

void TBalance_f::SetLanguageIndex(int index) {
  languageIndex_ = index;
  if (sweepWindow_) sweepWindow_->SetLanguageIndex(index);
}

void TBalance_f::SetSweepTranslation(LanguageFile::Section section) {
  sweepTranslation_ = std::move(section);
  if (sweepWindow_) TLang::Of(*sweepWindow_).Apply(*sweepTranslation_);
}

void TBalance_f::onSweepClicked() {
  if (!sweepWindow_) {
    sweepWindow_ = new TSweep_f(board_, services_.Help, this);
    sweepWindow_->SetLanguageIndex(languageIndex_);
    if (sweepTranslation_) TLang::Of(*sweepWindow_).Apply(*sweepTranslation_);
    sweepWindow_->SetMethod(ui_.FastSolverItem->isChecked() ? BalanceMethod::Newton
                                                            : BalanceMethod::Relaxation);
  }
  sweepWindow_->show();
  sweepWindow_->raise();
  sweepWindow_->activateWindow();
}

void TBalance_f::onSaveViewsClicked() {
  FileDialogRequest request;
  request.Parent = this;
  request.ObjectName = "SaveViewsDialog";
  request.Title = "Save views as image";
  request.SelectedFile = "door-views.png";
  request.NameFilter = "PNG image (*.png);;SVG drawing (*.svg)";
  request.DefaultSuffix = "png";
  request.Kind = FileDialogRequest::Mode::Save;
  const std::optional<QString> path = FileDialogs::Choose(request);
  if (!path) return;
  ViewFlags flags;
  flags.Hidden = flags_.ShowHidden;
  flags.Points = flags_.ShowPoints;
  flags.Forces = flags_.ShowForces;
  flags.Labels = flags_.ShowLabels;
  if (const auto problem = ThreeViewPicture(board_, flags, angleRad_).Save(*path))
    MessageBoxes::Critical(this, "Save views as image",
                           *path + " could not be written: " + *problem);
}

void TBalance_f::ConnectDisplayToggle(QAction* item, QAction* twin, bool DisplayFlags::*flag) {
  // The main-menu item holds the state (the toolkit has inverted it already when it was the
  // one used); the pop-up twin follows it, and the flag takes it.
  const auto apply = [this, item, twin, flag] {
    twin->setChecked(item->isChecked());
    flags_.*flag = item->isChecked();
    if (flag != &DisplayFlags::ShowProcess) RedrawViews();
  };
  connect(item, &QAction::triggered, this, apply);
  connect(twin, &QAction::triggered, this, [item, apply] {
    item->setChecked(!item->isChecked());
    apply();
  });
}

void TBalance_f::UpdateKeelItems() {
  if (balanceRunning_) return;  // locked; they follow the mode when the search ends
  // The keel dialogs are reachable only in bottom trawling, as in the main window.
  for (QAction* item : {ui_.GroundItem, ui_.KeelGeometryItem, ui_.KeelOriginItem, ui_.PopGroundItem,
                        ui_.PopKeelGeometryItem, ui_.PopKeelOriginItem}) {
    item->setEnabled(board_.Bottom);
  }
}

void TBalance_f::onUpdateClicked() {
  TBoard& board = board_;
  UpdateKeelItems();
  if (stabilityOn_) {
    ui_.RotationX->SetAndShow(ui_.RotationX->Val());
    ui_.RotationY->setText(UserNumberText(kAngleFormat, ui_.RotationY->Val()));
    ui_.RotationZ->setText(UserNumberText(kAngleFormat, ui_.RotationZ->Val()));
  }
  board.RotX = ui_.RotationX->Val();
  board.RotY = ui_.RotationY->Val();
  board.RotZ = ui_.RotationZ->Val();
  angleRad_ = {board.RotX * kDegree, board.RotY * kDegree, board.RotZ * kDegree};
  const auto [ax, ay, az] = angleRad_;

  XYZ stability;
  if (stabilityOn_) {
    stability = EvaluateWithStability(board, board.RotX, board.RotY, board.RotZ);
  } else {
    board.Evaluate(ax, ay, az);
  }
  const XYZ& m = board.TotalMoment;
  ui_.MomentX->setText(ResultText(kMomentFormat, m.X / 1000, languageIndex_));
  ui_.MomentY->setText(ResultText(kMomentFormat, m.Y / 1000, languageIndex_));
  ui_.MomentZ->setText(ResultText(kMomentFormat, m.Z / 1000, languageIndex_));
  if (stabilityOn_) {
    ui_.StabilityX->setText(ResultText(kStabilityFormat, stability.X / 1000, languageIndex_));
    ui_.StabilityY->setText(ResultText(kStabilityFormat, stability.Y / 1000, languageIndex_));
    ui_.StabilityZ->setText(ResultText(kStabilityFormat, stability.Z / 1000, languageIndex_));
    const BalanceFigures figures = ComputeBalanceFigures(board);
    ui_.Resistance->setText(ResultText(kForceFormat, figures.ResistanceKN, languageIndex_));
    ui_.SpreadForce->setText(ResultText(kForceFormat, figures.SpreadKN, languageIndex_));
    ui_.VerticalForce->setText(ResultText(kForceFormat, figures.VerticalKN, languageIndex_));
    ui_.AttackAngle->setText(ResultText(kAttackAngleFormat, figures.WingAttackDeg, languageIndex_));
  }
  RedrawViews();
  update();
}

void TBalance_f::RedrawViews() {
  redrawPending_ = false;
  ViewFlags flags;
  flags.Hidden = flags_.ShowHidden;
  flags.Points = flags_.ShowPoints;
  flags.Forces = flags_.ShowForces;
  flags.Labels = flags_.ShowLabels;
  ThreeViewDrawing::RedrawBalanceViews(board_, scale_, flags, angleRad_, *ui_.SideView,
                                       *ui_.PlanView, *ui_.FrontView);
}

void TBalance_f::ScheduleRedraw() {
  // Resizes come in bursts; one redraw once they are handled is enough.
  if (redrawPending_) return;
  redrawPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (redrawPending_) RedrawViews();
  });
}

void TBalance_f::StepAngle(TEditF* field, long double delta) {
  field->SetAndShow(field->Val() + delta);
  onUpdateClicked();
}

void TBalance_f::ShowAngles(long double x, long double y, long double z) {
  ui_.RotationZ->SetAndShow(z);
  ui_.RotationY->SetAndShow(y);
  ui_.RotationX->SetAndShow(x);
}

void TBalance_f::onBalanceClicked() {
  if (balanceRunning_) {
    // A second press stops the running search where it got.
    FinishSearch();
    return;
  }
  const long double x = ui_.RotationX->Val();
  const long double y = ui_.RotationY->Val();
  const long double z = ui_.RotationZ->Val();
  BeginSearch();
  if (flags_.ShowProcess) {
    StartRelaxation(x, y, z);
    return;
  }
  // The solver is quick enough to run to its end at once.
  long double ax = x, ay = y, az = z;
  if (ui_.FastSolverItem->isChecked()) {
    NewtonSolver(board_, kSolverTolerance).Solve(ax, ay, az);
  } else {
    board_.Solve(ax, ay, az, kSolverTolerance);
  }
  ShowAngles(ax, ay, az);
  onUpdateClicked();
  FinishSearch();
}

void TBalance_f::BeginSearch() {
  balanceRunning_ = true;
  ui_.BalanceButton->setChecked(true);
  setCursor(Qt::WaitCursor);
  SetEditingLocked(true);
  emit searchRunningChanged(true);
}

void TBalance_f::FinishSearch() {
  if (!balanceRunning_) return;
  relaxationTimer_.stop();
  if (relaxation_) {
    relaxation_.reset();
    stabilityOn_ = true;
    onUpdateClicked();
  }
  unsetCursor();
  ui_.BalanceButton->setChecked(false);
  balanceRunning_ = false;
  SetEditingLocked(false);
  emit searchRunningChanged(false);
}

void TBalance_f::StartRelaxation(long double x, long double y, long double z) {
  stabilityOn_ = false;
  relaxationSteps_ = 0;
  relaxation_ = std::make_unique<BalanceSearch>(board_, x, y, z, kRelaxationTolerance);
  relaxationTimer_.start();
}

void TBalance_f::onRelaxationTick() {
  if (!relaxation_) return;
  if (relaxationSteps_ >= relaxationStepLimit_ || relaxation_->Step()) {
    FinishSearch();
    return;
  }
  ++relaxationSteps_;
  // Copied: a field's message box below runs an event loop in which the search may end.
  const long double x = relaxation_->X();
  const long double y = relaxation_->Y();
  const long double z = relaxation_->Z();
  ShowAngles(x, y, z);
  // An angle beyond +-90 is refused by its field, which says so and takes its default; the
  // search stops there rather than asking the user again at every step.
  const bool refused =
      ui_.RotationX->Val() != x || ui_.RotationY->Val() != y || ui_.RotationZ->Val() != z;
  onUpdateClicked();
  if (refused || !relaxation_) {
    FinishSearch();
    return;
  }
  // One step per turn of the event loop: the views show each position, and a second press
  // of Balance is seen between two steps.
  relaxationTimer_.start();
}

std::vector<QObject*> TBalance_f::EditingCommands() const {
  return {ui_.ProjectionsItem,    ui_.HydrodynamicItem,    ui_.EnvironmentItem,
          ui_.TrawlItem,          ui_.GroundItem,          ui_.KeelGeometryItem,
          ui_.KeelOriginItem,     ui_.BottomCaseItem,      ui_.SensitivityItem,
          ui_.PopProjectionsItem, ui_.PopHydrodynamicItem, ui_.PopEnvironmentItem,
          ui_.PopTrawlItem,       ui_.PopGroundItem,       ui_.PopKeelGeometryItem,
          ui_.PopKeelOriginItem,  ui_.PopBottomCaseItem,   ui_.RotationX,
          ui_.RotationY,          ui_.RotationZ,           ui_.RotationXSpin,
          ui_.RotationYSpin,      ui_.RotationZSpin,       ui_.UpdateButton};
}

void TBalance_f::SetEditingLocked(bool locked) {
  for (QObject* command : EditingCommands())
    editingLock_.Set(command, locked);
  // The keel items follow the mode once the search is over.
  if (!locked) UpdateKeelItems();
}

void TBalance_f::onBottomCaseClicked() {
  const bool bottom = !ui_.BottomCaseItem->isChecked();
  ui_.BottomCaseItem->setChecked(bottom);
  ui_.PopBottomCaseItem->setChecked(bottom);
  services_.Commands.SetBottomTrawling(bottom);
  onUpdateClicked();
}

void TBalance_f::AskSensitivity() {
  services_.AskAny.Ask(QString::fromStdString(SolverSensitivityCaption(languageIndex_)),
                       QString::fromStdString(SolverSensitivityPrompt(languageIndex_)),
                       board_.Sensitivity, 5.0L, 1000.0L, 50.0L, 15, 1);
}

void TBalance_f::ShowLogFile() {
  const ReportDateTime now = ReportDateTime::Now();
  const std::string report = ResultsReportText(board_, languageIndex_, now.Date, now.Time);
  const CalcLogResult written = AppendToCalcLog(kCalcLogName, report);
  if (!written) {
    MessageBoxes::Critical(this, "Show Log File", QString::fromStdString(written.Message));
    return;
  }
  const QString path = QDir::current().absoluteFilePath(kCalcLogName);
  if (openTextFile_ && openTextFile_(path)) return;
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
  QAction* items[5] = {ui_.ShowHiddenItem, ui_.ShowPointsItem, ui_.ShowForcesItem,
                       ui_.ShowLabelsItem, ui_.ShowProcessItem};
  for (int i = 0; i < 5; ++i)
    items[i]->setChecked(view.BalanceSwitches[i]);
  flags_.ShowHidden = view.BalanceSwitches[0];
  flags_.ShowPoints = view.BalanceSwitches[1];
  flags_.ShowForces = view.BalanceSwitches[2];
  flags_.ShowLabels = view.BalanceSwitches[3];
  flags_.ShowProcess = view.BalanceSwitches[4];
  ShowAngles(view.Angles[0], view.Angles[1], view.Angles[2]);
  board_.RotX = ui_.RotationX->Val();
  board_.RotY = ui_.RotationY->Val();
  board_.RotZ = ui_.RotationZ->Val();
}

void TBalance_f::CollectViewSettings(ViewSettings& view) const {
  const QAction* items[5] = {ui_.ShowHiddenItem, ui_.ShowPointsItem, ui_.ShowForcesItem,
                             ui_.ShowLabelsItem, ui_.ShowProcessItem};
  for (int i = 0; i < 5; ++i)
    view.BalanceSwitches[i] = items[i]->isChecked();
  view.Angles = {ui_.RotationX->Val(), ui_.RotationY->Val(), ui_.RotationZ->Val()};
}

void TBalance_f::showEvent(QShowEvent* event) {
  // Showing: the display items' checks become the flags.
  flags_.ShowHidden = ui_.ShowHiddenItem->isChecked();
  flags_.ShowPoints = ui_.ShowPointsItem->isChecked();
  flags_.ShowForces = ui_.ShowForcesItem->isChecked();
  flags_.ShowLabels = ui_.ShowLabelsItem->isChecked();
  flags_.ShowProcess = ui_.ShowProcessItem->isChecked();
  QDialog::showEvent(event);
  // The window is there to balance the door: its button has the focus, not a result field.
  if (!event->spontaneous()) ui_.BalanceButton->setFocus(Qt::OtherFocusReason);
}

void TBalance_f::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !balanceRunning_) {
    // The mode may have changed in the main window: both Bottom Case items follow it.
    ui_.PopBottomCaseItem->setChecked(board_.Bottom);
    ui_.BottomCaseItem->setChecked(board_.Bottom);
    onUpdateClicked();
  }
}

void TBalance_f::contextMenuEvent(QContextMenuEvent* event) {
  ui_.PopupMenu->exec(event->globalPos());
}

void TBalance_f::done(int result) {
  // A running relaxation stops with the window, and so does a sweep, keeping its values.
  FinishSearch();
  if (sweepWindow_) sweepWindow_->close();
  QDialog::done(result);
}

void TBalance_f::PrintReport() {
  WindowReportSource source(board_, [this] { onUpdateClicked(); });
  ReportPreview::Show(this, *report_, source, languageIndex_,
                      [this](QDialog* preview) { emit reportPreviewOpened(preview); });
}
