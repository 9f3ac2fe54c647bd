#include "BalanceWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>
#include <cmath>

#include "BalanceDetailsWindow.h"
#include "BalanceViewLayout.h"
#include "CalculatorLauncher.h"
#include "DoorCommands.h"
#include "DoorDocument.h"
#include "DoorReportSource.h"
#include "FileDialogs.h"
#include "HelpBrowser.h"
#include "HistoryActions.h"
#include "LanguageApplier.h"
#include "MenuBarKeys.h"
#include "MessageBoxes.h"
#include "OperatingMapWindow.h"
#include "PrintedReport.h"
#include "ReportDateTime.h"
#include "ReportPreview.h"
#include "ScPic.h"
#include "StepNames.h"
#include "SweepWindow.h"
#include "TSpinButton.h"
#include "TargetWindow.h"
#include "TextFileWindow.h"
#include "ThreeViewDrawing.h"
#include "ThreeViewPicture.h"
#include "UserLocale.h"
#include "ValidatedField.h"
#include "ValueEntryDialog.h"
#include "lang/MessageTables.h"
#include "model/BalanceFigures.h"
#include "model/BalanceSearch.h"
#include "model/EditableFields.h"
#include "model/NewtonSolver.h"
#include "model/PlaneMath.h"
#include "model/ViewSettings.h"
#include "report/BalanceUpdate.h"
#include "report/CalcLog.h"
#include "report/DisplayFormats.h"
#include "report/ReportTexts.h"
#include "report/ResultsReport.h"

namespace {

constexpr long double kSolverTolerance = 0.1L;  // N*m
// Where the user's choice of the Newton search is kept between sessions.
constexpr char kFastSolverKey[] = "Balance/FastSolver";
// ... and the user's choice of the keel's sinking depth, a setting of the program as the
// search is, not of the door.
constexpr char kPreciseGroundKey[] = "Balance/PreciseGround";

ViewFlags Flags(bool hidden, bool points, bool forces, bool labels) {
  ViewFlags flags;
  flags.Hidden = hidden;
  flags.Points = points;
  flags.Forces = forces;
  flags.Labels = labels;
  return flags;
}

// A result field's text: the figure, or the word for one that is not a finite number. A
// figure past the range of a double is no result either (the command line reports both alike):
// it would fill the field with hundreds of digits.
// A menu item's text as the title of its dialog or message, in the language shown: without its
// letter mark and its dots.
QString ItemTitle(const QAction& item) {
  QString title = item.text();
  title.remove('&');
  title.remove(QStringLiteral("..."));
  return title.trimmed();
}

QString ResultText(const char* pattern, long double value, const TextCatalogue& texts) {
  if (!std::isfinite(static_cast<double>(value)))
    return QString::fromStdString(texts.Text(ResultFieldTexts::kInvalid));
  return UserNumberText(pattern, value);
}

}  // namespace

QString BalanceWindow::SearchLockReason() const {
  return QString::fromStdString(texts_.Text(MessageTexts::kSearchLock));
}

BalanceWindow::BalanceWindow(DoorDocument& document, DisplayFlags& flags, const Services& services)
    : document_(document),
      flags_(flags),
      services_(services),
      board_(document.Door()),
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
  // Edit first, before the Dialogs menu.
  const QList<QAction*> menus = ui_.MenuBar->actions();
  history_ = new HistoryActions(*this, *ui_.MenuBar, document_.History(),
                                menus.isEmpty() ? nullptr : menus.first());
  new MenuBarKeys(*this, *ui_.MenuBar);
  new BalanceViewLayout(*ui_.ViewSplitter, *ui_.SideView, *ui_.PlanView, *ui_.FrontView,
                        *ui_.ControlPanel, [this] { ScheduleRedraw(); });
  details_ = std::make_unique<BalanceDetailsWindow>(board_);
  target_ = new TargetWindow(board_, document_, services_.Help, this);
  operatingMap_ = new OperatingMapWindow(board_, document_, services_.Help, this);
  connect(this, &BalanceWindow::searchRunningChanged, target_, &TargetWindow::SetEditingLocked);
  ConnectCommands();
  relaxationTimer_.setSingleShot(true);
  relaxationTimer_.setInterval(0);
  connect(&relaxationTimer_, &QTimer::timeout, this, &BalanceWindow::onRelaxationTick);
  connect(&document_, &DoorDocument::changed, this, [this] {
    // While a search turns the door nothing edits it; the window follows once it is seen.
    if (balanceRunning_) return;
    followPending_ = true;
    if (isVisible()) {
      FollowDoor();
      return;
    }
    // Hidden, it evaluates only when seen; its angles and mode items follow at once.
    const BalanceAngles& angles = document_.Angles();
    ShowAngles(angles.X, angles.Y, angles.Z);
    UpdateKeelItems();
  });

  // Creation: empty result fields, menu checks from the flags, then the door, evaluated, so
  // the fields are filled before the first showing.
  for (QLineEdit* field :
       {ui_.StabilityX, ui_.StabilityY, ui_.StabilityZ, ui_.MomentX, ui_.MomentY, ui_.MomentZ,
        ui_.Resistance, ui_.SpreadForce, ui_.VerticalForce, ui_.AttackAngle}) {
    field->clear();
  }
  ui_.ShowHiddenItem->setChecked(flags_.ShowHidden);
  ui_.ShowPointsItem->setChecked(flags_.ShowPoints);
  ui_.ShowForcesItem->setChecked(flags_.ShowForces);
  ui_.ShowLabelsItem->setChecked(flags_.ShowLabels);
  ui_.ShowProcessItem->setChecked(flags_.ShowProcess);
  ui_.FastSolverItem->setChecked(QSettings().value(kFastSolverKey, false).toBool());
  {
    const bool precise = QSettings().value(kPreciseGroundKey, false).toBool();
    ui_.PreciseGroundItem->setChecked(precise);
    board_.SetPreciseGround(precise);
  }
  stabilityOn_ = true;
  FollowDoor();
}

BalanceWindow::~BalanceWindow() = default;

void BalanceWindow::ConnectCommands() {
  connect(ui_.UpdateButton, &QPushButton::clicked, this, &BalanceWindow::onUpdateClicked);
  connect(ui_.BalanceButton, &QPushButton::clicked, this, &BalanceWindow::onBalanceClicked);
  connect(ui_.OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_.HelpButton, &QPushButton::clicked, this,
          [this] { services_.Help.ShowTopic("doors_balance"); });
  connect(ui_.DetailButton, &QPushButton::clicked, this, [this] { details_->exec(); });
  connect(ui_.DetailItem, &QAction::triggered, this, [this] { details_->exec(); });
  connect(ui_.PrintItem, &QAction::triggered, this, &BalanceWindow::PrintReport);
  ui_.OkButton->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ui_.OkButton, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { ui_.PopupMenu->exec(ui_.OkButton->mapToGlobal(at)); });

  // Angle fields: a committed entry becomes the door's at once.
  for (ValidatedField* field : {ui_.RotationX, ui_.RotationY, ui_.RotationZ}) {
    connect(field, &ValidatedField::OnInput, this, [this] { onUpdateClicked(); });
  }
  const std::pair<TSpinButton*, ValidatedField*> spins[] = {{ui_.RotationXSpin, ui_.RotationX},
                                                            {ui_.RotationYSpin, ui_.RotationY},
                                                            {ui_.RotationZSpin, ui_.RotationZ}};
  for (const auto& [spin, field] : spins) {
    connect(spin, &TSpinButton::UpClick, this, [this, f = field] { StepAngle(f, 1); });
    connect(spin, &TSpinButton::DownClick, this, [this, f = field] { StepAngle(f, -1); });
  }

  // The door's input dialogs; the window follows the door they change.
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
    connect(item, &QAction::triggered, this,
            [this, c = command] { services_.Commands.RunCommand(c); });
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

  connect(ui_.SensitivityItem, &QAction::triggered, this, &BalanceWindow::AskSensitivity);
  connect(ui_.CalculatorItem, &QAction::triggered, this,
          [this] { services_.Calculator.RunCalculator(this); });
  connect(ui_.ShowLogItem, &QAction::triggered, this, &BalanceWindow::ShowLogFile);
  connect(ui_.ClearLogItem, &QAction::triggered, this, &BalanceWindow::ClearLogFile);
  connect(ui_.FastSolverItem, &QAction::toggled, this, &BalanceWindow::onFastSolverToggled);
  connect(ui_.SweepItem, &QAction::triggered, this, &BalanceWindow::onSweepClicked);
  connect(ui_.PreciseGroundItem, &QAction::toggled, this, &BalanceWindow::onPreciseGroundToggled);
  connect(ui_.TargetItem, &QAction::triggered, this, [this] { Present(*target_); });
  connect(ui_.OperatingMapItem, &QAction::triggered, this, [this] { Present(*operatingMap_); });
  connect(ui_.SaveViewsItem, &QAction::triggered, this, &BalanceWindow::onSaveViewsClicked);
}

void BalanceWindow::onFastSolverToggled(bool on) {
  QSettings().setValue(kFastSolverKey, on);
  if (sweepWindow_ && !sweepWindow_->Running())
    sweepWindow_->SetMethod(on ? BalanceMethod::Newton : BalanceMethod::Relaxation);
}

void BalanceWindow::onPreciseGroundToggled(bool on) {
  QSettings().setValue(kPreciseGroundKey, on);
  // The sweep, the target, the map and the details copy this door when they start: they
  // follow too. The results shown are those of the door as it is now evaluated.
  board_.SetPreciseGround(on);
  if (!balanceRunning_) EvaluateShown();
}

void BalanceWindow::Present(QDialog& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

void BalanceWindow::SetTexts(const TextCatalogue& texts) {
  texts_ = texts;
  target_->SetTexts(texts);
  operatingMap_->SetTexts(texts);
  if (sweepWindow_) {
    sweepWindow_->SetTexts(texts);
    LanguageApplier::Of(*sweepWindow_).SetTexts(texts);
  }
}

void BalanceWindow::SetSweepTranslation(LanguageFile::Section section) {
  sweepTranslation_ = std::move(section);
  if (sweepWindow_) LanguageApplier::Of(*sweepWindow_).Apply(*sweepTranslation_);
}

void BalanceWindow::onSweepClicked() {
  if (!sweepWindow_) {
    sweepWindow_ = new SweepWindow(board_, document_, services_.Help, this);
    sweepWindow_->SetTexts(texts_);
    LanguageApplier::Of(*sweepWindow_).SetTexts(texts_);
    if (sweepTranslation_) LanguageApplier::Of(*sweepWindow_).Apply(*sweepTranslation_);
    sweepWindow_->SetMethod(ui_.FastSolverItem->isChecked() ? BalanceMethod::Newton
                                                            : BalanceMethod::Relaxation);
  }
  sweepWindow_->show();
  sweepWindow_->raise();
  sweepWindow_->activateWindow();
}

void BalanceWindow::onSaveViewsClicked() {
  FileDialogRequest request;
  request.Parent = this;
  request.ObjectName = "SaveViewsDialog";
  request.Title = ItemTitle(*ui_.SaveViewsItem);
  request.SelectedFile = "door-views.png";
  request.NameFilter = QString::fromStdString(texts_.Text(FileTexts::kPictureFiles));
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
    MessageBoxes::Critical(
        this, ItemTitle(*ui_.SaveViewsItem),
        QString::fromStdString(texts_.Text(MessageTexts::kNotWritten)).arg(*path, *problem));
}

void BalanceWindow::ConnectDisplayToggle(QAction* item, QAction* twin, bool DisplayFlags::*flag) {
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

void BalanceWindow::UpdateKeelItems() {
  if (balanceRunning_) return;  // locked; they follow the mode when the search ends
  // The keel dialogs are reachable only in bottom trawling, as in the main window.
  const bool bottom = document_.Door().Bottom;
  for (QAction* item : {ui_.GroundItem, ui_.KeelGeometryItem, ui_.KeelOriginItem, ui_.PopGroundItem,
                        ui_.PopKeelGeometryItem, ui_.PopKeelOriginItem}) {
    item->setEnabled(bottom);
  }
  ui_.BottomCaseItem->setChecked(bottom);
  ui_.PopBottomCaseItem->setChecked(bottom);
}

void BalanceWindow::FollowDoor() {
  followPending_ = false;
  board_.SetInputs(document_.Door());
  const BalanceAngles& angles = document_.Angles();
  ShowAngles(angles.X, angles.Y, angles.Z);
  UpdateKeelItems();
  EvaluateShown();
}

BalanceAngles BalanceWindow::ShownAngles() const {
  return {ui_.RotationX->Val(), ui_.RotationY->Val(), ui_.RotationZ->Val()};
}

bool BalanceWindow::CommitAngles() {
  const BalanceAngles before = document_.Angles();
  const BalanceAngles shown = ShownAngles();
  if (shown == before) return false;
  // Named by the one angle that changed, as a field or a spin button changes it.
  QString name = StepNames::Balanced(shown, texts_);
  const std::array<std::pair<long double BalanceAngles::*, char>, 3> axes = {
      {{&BalanceAngles::X, 'x'}, {&BalanceAngles::Y, 'y'}, {&BalanceAngles::Z, 'z'}}};
  int changed = 0;
  for (const auto& [axis, letter] : axes) {
    if (before.*axis == shown.*axis) continue;
    ++changed;
    name = StepNames::Rotation(letter, before.*axis, shown.*axis, texts_);
  }
  if (changed > 1) name = StepNames::Balanced(shown, texts_);
  return document_.SetAngles(name, shown);
}

void BalanceWindow::onUpdateClicked() {
  // The angles shown become the door's; a door changed so, or before, is evaluated as it is
  // followed.
  const bool committed = CommitAngles();
  if (followPending_) {
    FollowDoor();
  } else if (!committed) {
    EvaluateShown();
  }
}

void BalanceWindow::EvaluateShown() {
  TBoard& board = board_;
  UpdateKeelItems();
  if (stabilityOn_) {
    ui_.RotationX->SetAndShow(ui_.RotationX->Val());
    ui_.RotationY->setText(UserNumberText(DisplayFormats::kRotationField, ui_.RotationY->Val()));
    ui_.RotationZ->setText(UserNumberText(DisplayFormats::kRotationField, ui_.RotationZ->Val()));
  }
  const BalanceAngles angles = ShownAngles();
  board.SetRotation(angles.X, angles.Y, angles.Z);
  angleRad_ = {angles.X * kDegree, angles.Y * kDegree, angles.Z * kDegree};
  const auto [ax, ay, az] = angleRad_;

  XYZ stability;
  if (stabilityOn_) {
    stability = EvaluateWithStability(board, angles.X, angles.Y, angles.Z);
  } else {
    board.Evaluate(ax, ay, az);
  }
  const XYZ& m = board.Result().TotalMoment;
  ui_.MomentX->setText(ResultText(DisplayFormats::kMoment, m.X / 1000, texts_));
  ui_.MomentY->setText(ResultText(DisplayFormats::kMoment, m.Y / 1000, texts_));
  ui_.MomentZ->setText(ResultText(DisplayFormats::kMoment, m.Z / 1000, texts_));
  if (stabilityOn_) {
    ui_.StabilityX->setText(ResultText(DisplayFormats::kStability, stability.X / 1000, texts_));
    ui_.StabilityY->setText(ResultText(DisplayFormats::kStability, stability.Y / 1000, texts_));
    ui_.StabilityZ->setText(ResultText(DisplayFormats::kStability, stability.Z / 1000, texts_));
    const BalanceFigures figures = ComputeBalanceFigures(board);
    ui_.Resistance->setText(ResultText(DisplayFormats::kForce, figures.ResistanceKN, texts_));
    ui_.SpreadForce->setText(ResultText(DisplayFormats::kForce, figures.SpreadKN, texts_));
    ui_.VerticalForce->setText(ResultText(DisplayFormats::kForce, figures.VerticalKN, texts_));
    ui_.AttackAngle->setText(
        ResultText(DisplayFormats::kAttackAngle, figures.WingAttackDeg, texts_));
  }
  RedrawViews();
  update();
}

XYZ BalanceWindow::TryVariable(int index, long double value) {
  long double DoorInputs::*field = kMainParams[static_cast<std::size_t>(index)].Field;
  board_.Edit([field, value](DoorInputs& door) { door.*field = value; });
  EvaluateShown();
  return board_.Result().TotalMoment;
}

void BalanceWindow::RedrawViews() {
  redrawPending_ = false;
  ThreeViewDrawing::RedrawBalanceViews(
      board_, scale_,
      Flags(flags_.ShowHidden, flags_.ShowPoints, flags_.ShowForces, flags_.ShowLabels), angleRad_,
      *ui_.SideView, *ui_.PlanView, *ui_.FrontView);
}

void BalanceWindow::ScheduleRedraw() {
  // Resizes come in bursts; one redraw once they are handled is enough.
  if (redrawPending_) return;
  redrawPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (redrawPending_) RedrawViews();
  });
}

void BalanceWindow::StepAngle(ValidatedField* field, long double delta) {
  field->SetAndShow(field->Val() + delta);
  onUpdateClicked();
}

void BalanceWindow::ShowAngles(long double x, long double y, long double z) {
  ui_.RotationZ->SetAndShow(z);
  ui_.RotationY->SetAndShow(y);
  ui_.RotationX->SetAndShow(x);
}

void BalanceWindow::onBalanceClicked() {
  if (balanceRunning_) {
    // A second press stops the running search where it got.
    FinishSearch();
    return;
  }
  if (followPending_) FollowDoor();
  CommitAngles();
  const long double x = ui_.RotationX->Val();
  const long double y = ui_.RotationY->Val();
  const long double z = ui_.RotationZ->Val();
  lastSearch_ = {false, {x, y, z}};
  BeginSearch();
  if (flags_.ShowProcess) {
    StartRelaxation(x, y, z);
    return;
  }
  // The solver is quick enough to run to its end at once.
  long double ax = x, ay = y, az = z;
  bool converged = false;
  if (ui_.FastSolverItem->isChecked()) {
    converged = NewtonSolver(board_, kSolverTolerance).Solve(ax, ay, az).Converged;
  } else {
    converged = board_.Solve(ax, ay, az, kSolverTolerance).Converged;
  }
  ShowAngles(ax, ay, az);
  // An angle its field refused (beyond +-90) is no balance, whatever the moments said.
  lastSearch_ = {converged && ShownAngles() == BalanceAngles{ax, ay, az}, {ax, ay, az}};
  FinishSearch();
}

void BalanceWindow::BeginSearch() {
  balanceRunning_ = true;
  ui_.BalanceButton->setChecked(true);
  setCursor(Qt::WaitCursor);
  SetEditingLocked(true);
  emit searchRunningChanged(true);
}

void BalanceWindow::FinishSearch() {
  if (!balanceRunning_) return;
  relaxationTimer_.stop();
  relaxation_.reset();
  stabilityOn_ = true;
  unsetCursor();
  ui_.BalanceButton->setChecked(false);
  balanceRunning_ = false;
  SetEditingLocked(false);
  // The angles reached are the door's, as one step; the window follows that step, or
  // evaluates the door where it stands when the search stayed where it began.
  const BalanceAngles reached = ShownAngles();
  followPending_ = false;
  if (!document_.SetAngles(StepNames::Balanced(reached, texts_), reached)) EvaluateShown();
  emit searchRunningChanged(false);
}

void BalanceWindow::StartRelaxation(long double x, long double y, long double z) {
  stabilityOn_ = false;
  relaxationSteps_ = 0;
  relaxation_ = std::make_unique<BalanceSearch>(board_, x, y, z, kRelaxationTolerance);
  relaxationTimer_.start();
}

void BalanceWindow::onRelaxationTick() {
  if (!relaxation_) return;
  if (relaxationSteps_ >= relaxationStepLimit_ || relaxation_->Step()) {
    lastSearch_.Balanced = relaxation_->Converged();
    FinishSearch();
    return;
  }
  ++relaxationSteps_;
  // Copied: a field's message box below runs an event loop in which the search may end.
  const long double x = relaxation_->X();
  const long double y = relaxation_->Y();
  const long double z = relaxation_->Z();
  lastSearch_ = {false, {x, y, z}};
  ShowAngles(x, y, z);
  // An angle beyond +-90 is refused by its field, which says so and takes its default; the
  // search stops there rather than asking the user again at every step.
  const bool refused =
      ui_.RotationX->Val() != x || ui_.RotationY->Val() != y || ui_.RotationZ->Val() != z;
  EvaluateShown();
  if (refused || !relaxation_) {
    FinishSearch();
    return;
  }
  // One step per turn of the event loop: the views show each position, and a second press
  // of Balance is seen between two steps.
  relaxationTimer_.start();
}

std::vector<QObject*> BalanceWindow::EditingCommands() const {
  return {ui_.ProjectionsItem,     ui_.HydrodynamicItem,   ui_.EnvironmentItem,
          ui_.TrawlItem,           ui_.GroundItem,         ui_.KeelGeometryItem,
          ui_.KeelOriginItem,      ui_.BottomCaseItem,     ui_.SensitivityItem,
          ui_.PreciseGroundItem,   ui_.PopProjectionsItem, ui_.PopHydrodynamicItem,
          ui_.PopEnvironmentItem,  ui_.PopTrawlItem,       ui_.PopGroundItem,
          ui_.PopKeelGeometryItem, ui_.PopKeelOriginItem,  ui_.PopBottomCaseItem,
          ui_.RotationX,           ui_.RotationY,          ui_.RotationZ,
          ui_.RotationXSpin,       ui_.RotationYSpin,      ui_.RotationZSpin,
          ui_.UpdateButton,        history_->Undo(),       history_->Redo()};
}

void BalanceWindow::SetEditingLocked(bool locked) {
  if (locked) editingLock_.SetReason(SearchLockReason());
  for (QObject* command : EditingCommands())
    editingLock_.Set(command, locked);
  history_->SetLocked(locked);
  // The keel items follow the mode once the search is over.
  if (!locked) UpdateKeelItems();
}

void BalanceWindow::onBottomCaseClicked() {
  DoorInputs door = document_.Door();
  door.Bottom = !door.Bottom;
  document_.Edit(StepNames::Mode(door.Bottom, texts_), door);
  UpdateKeelItems();
}

void BalanceWindow::AskSensitivity() {
  long double sensitivity = board_.Sensitivity();
  services_.AskAny.Ask(QString::fromStdString(SolverSensitivityCaption(texts_)),
                       QString::fromStdString(SolverSensitivityPrompt(texts_)), sensitivity, 5.0L,
                       1000.0L, 50.0L, 15, 1);
  board_.SetSensitivity(sensitivity);
}

void BalanceWindow::ShowLogFile() {
  const ReportDateTime now = ReportDateTime::Now(texts_);
  const std::string report = ResultsReportText(board_, texts_, now.Date, now.Time);
  const CalcLogResult written = AppendToCalcLog(kCalcLogName, report);
  if (!written) {
    MessageBoxes::Critical(this, ItemTitle(*ui_.ShowLogItem),
                           QString::fromStdString(written.Problem.Text(texts_, written.Message)));
    return;
  }
  const QString path = QDir::current().absoluteFilePath(kCalcLogName);
  if (openTextFile_ && openTextFile_(path)) return;
  if (!logWindow_) logWindow_ = new TextFileWindow(this);
  if (!logWindow_->ShowFile(path))
    MessageBoxes::Critical(
        this, ItemTitle(*ui_.ShowLogItem),
        QString::fromStdString(texts_.Text(MessageTexts::kLogNotRead)).arg(path));
}

void BalanceWindow::ClearLogFile() {
  // The log holds every report added to it: it goes only when the user says so. Without a log
  // there is nothing to ask about.
  const QString path = QDir::current().absoluteFilePath(kCalcLogName);
  if (!QFileInfo::exists(path)) return;
  const QString question = StepNames::Text(BalanceTexts::kClearLogQuestion, texts_).arg(path);
  if (MessageBoxes::Question(this, ui_.ClearLogItem->text().remove('&'), question,
                             QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  const CalcLogResult cleared = ClearCalcLog(kCalcLogName);
  if (!cleared) {
    MessageBoxes::Critical(this, ItemTitle(*ui_.ClearLogItem),
                           QString::fromStdString(cleared.Problem.Text(texts_, cleared.Message)));
  }
}

void BalanceWindow::ApplyViewSettings(const ViewSettings& view) {
  QAction* items[5] = {ui_.ShowHiddenItem, ui_.ShowPointsItem, ui_.ShowForcesItem,
                       ui_.ShowLabelsItem, ui_.ShowProcessItem};
  QAction* twins[5] = {ui_.PopShowHiddenItem, ui_.PopShowPointsItem, ui_.PopShowForcesItem,
                       ui_.PopShowLabelsItem, ui_.PopShowProcessItem};
  for (int i = 0; i < 5; ++i) {
    items[i]->setChecked(view.BalanceSwitches[i]);
    twins[i]->setChecked(view.BalanceSwitches[i]);
  }
  flags_.ShowHidden = view.BalanceSwitches[0];
  flags_.ShowPoints = view.BalanceSwitches[1];
  flags_.ShowForces = view.BalanceSwitches[2];
  flags_.ShowLabels = view.BalanceSwitches[3];
  flags_.ShowProcess = view.BalanceSwitches[4];
}

void BalanceWindow::CollectViewSettings(ViewSettings& view) const {
  const QAction* items[5] = {ui_.ShowHiddenItem, ui_.ShowPointsItem, ui_.ShowForcesItem,
                             ui_.ShowLabelsItem, ui_.ShowProcessItem};
  for (int i = 0; i < 5; ++i)
    view.BalanceSwitches[i] = items[i]->isChecked();
}

void BalanceWindow::showEvent(QShowEvent* event) {
  // Showing: the display items' checks become the flags.
  flags_.ShowHidden = ui_.ShowHiddenItem->isChecked();
  flags_.ShowPoints = ui_.ShowPointsItem->isChecked();
  flags_.ShowForces = ui_.ShowForcesItem->isChecked();
  flags_.ShowLabels = ui_.ShowLabelsItem->isChecked();
  flags_.ShowProcess = ui_.ShowProcessItem->isChecked();
  QDialog::showEvent(event);
  if (followPending_ && !balanceRunning_) FollowDoor();
  // The window is there to balance the door: its button has the focus, not a result field.
  if (!event->spontaneous()) ui_.BalanceButton->setFocus(Qt::OtherFocusReason);
}

void BalanceWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !balanceRunning_) {
    // Coming back from another window: the results are those of the door as it is.
    if (followPending_) {
      FollowDoor();
    } else {
      EvaluateShown();
    }
  }
}

void BalanceWindow::contextMenuEvent(QContextMenuEvent* event) {
  ui_.PopupMenu->exec(event->globalPos());
}

void BalanceWindow::done(int result) {
  // A running relaxation stops with the window, and so does a sweep, keeping its values.
  FinishSearch();
  if (sweepWindow_) sweepWindow_->close();
  target_->close();
  operatingMap_->close();
  QDialog::done(result);
}

std::unique_ptr<DoorReportSource> BalanceWindow::MakeReportSource() {
  // The same pages as the command line prints for the same door.
  TBoard printed(document_.Door());
  printed.SetPreciseGround(board_.PreciseGround());
  const BalanceAngles& angles = document_.Angles();
  printed.SetRotation(angles.X, angles.Y, angles.Z);
  const std::array<bool, 5>& projection = flags_.ProjectionSwitches;
  return std::make_unique<DoorReportSource>(
      printed, services_.LanguageFile ? services_.LanguageFile() : std::string(),
      Flags(projection[1], projection[2], projection[3], projection[4]),
      Flags(flags_.ShowHidden, flags_.ShowPoints, flags_.ShowForces, flags_.ShowLabels));
}

void BalanceWindow::PrintReport() {
  const std::unique_ptr<DoorReportSource> source = MakeReportSource();
  // A report of "Empty !!!" labels is no report: a language file broken since it was chosen
  // stops it.
  if (!source->LanguageProblem().empty()) {
    MessageBoxes::Warning(this, windowTitle(),
                          QString::fromStdString(source->LanguageProblemData().Text(
                              texts_, source->LanguageProblem())));
    return;
  }
  ReportPreview::Show(this, *report_, *source, texts_, DoorFileName(),
                      [this](QDialog* preview) { emit reportPreviewOpened(preview); });
}

bool BalanceWindow::PrintTo(QPagedPaintDevice& device) {
  const std::unique_ptr<DoorReportSource> source = MakeReportSource();
  const ReportDateTime now = ReportDateTime::Now(texts_);
  return report_->Print(device, *source, texts_, QString::fromStdString(now.Date + "  " + now.Time),
                        DoorFileName());
}

QString BalanceWindow::DoorFileName() const {
  const QString& file = document_.FileName();
  return file.isEmpty() ? QString() : QFileInfo(file).fileName();
}
