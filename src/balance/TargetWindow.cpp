#include "TargetWindow.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>
#include <cmath>

#include "DoorDocument.h"
#include "HelpBrowser.h"
#include "LanguageApplier.h"
#include "MessageBoxes.h"
#include "NamedControls.h"
#include "SettingChoice.h"
#include "UserLocale.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"

namespace {

constexpr long double kSolverTolerance = 0.1L;  // N*m, as the balance window's solver
constexpr char kValueFormat[] = "######0.####";
constexpr char kAngleFormat[] = "##0.###";

QString NameOf(const EditableField& field) {
  return QString::fromUtf8(field.Name.data(), static_cast<qsizetype>(field.Name.size()));
}

}  // namespace

TargetWindow::TargetWindow(const TBoard& settings, DoorDocument& document, HelpBrowser& help,
                           QWidget* parent)
    : QDialog(parent), settings_(settings), document_(document), help_(help), texts_(*this) {
  setObjectName("Target_f");
  setWindowTitle("Target");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  AddTexts();
  BuildControls();
  onSettingChanged();
  // The result was the door's as it was; a changed door cannot take it.
  connect(&document_, &DoorDocument::changed, this, [this] { ShowResult(); });
  connect(&document_, &DoorDocument::replaced, this, [this] {
    result_.reset();
    ShowResult();
  });
  connect(&LanguageApplier::Of(*this), &LanguageApplier::OnRead, this, &TargetWindow::RefreshTexts);
}

TargetWindow::~TargetWindow() {
  StopWorker();
}

void TargetWindow::AddTexts() {
  texts_.Add("TargetKindAttack", "Wing attack angle");
  texts_.Add("TargetKindHeel", "Heel (rotation about X)");
  texts_.Add("TargetKindPitch", "Pitch (rotation about Y)");
  // The same in a sentence.
  texts_.Add("TargetWordAttack", "wing attack angle");
  texts_.Add("TargetWordHeel", "heel");
  texts_.Add("TargetWordPitch", "pitch");
  texts_.Add("TargetSearching", "Searching ...");
  texts_.Add("TargetFound", "Found: %1 = %2 gives %3 %4°.");
  texts_.Add("TargetNotFound", "Not found. The nearest: %1 = %2 gives %3 %4°.");
  texts_.Add("TargetNoCrossing",
             "The angle stays on one side of the target over the whole range: widen the range "
             "or choose another setting.");
  texts_.Add("TargetJump",
             "The angle jumps across the target: another balance takes over on the way.");
  texts_.Add("TargetUnbalanced", "No value in the range balances the door.");
  texts_.Add("TargetFigures",
             "%1 balances, %2 evaluations. Balance: rotation about X %3°, about Y %4°, about Z "
             "%5°; wing attack angle %6°.");
  texts_.Add("TargetOutdated", "The door has changed since: solve again to apply.");
  texts_.Add("TargetEqualEnds", "From and To are equal: there is nothing to search.");
  texts_.Add("TargetStep", "%1 = %2 for %3 %4°");
}

void TargetWindow::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  auto* inputs = new QGroupBox("Search", this);
  inputs->setObjectName("TargetInputs");
  auto* grid = new QGridLayout(inputs);
  const auto label = [inputs](const char* name, const char* caption) {
    return NamedControls::Label(inputs, name, caption);
  };
  const auto number = [inputs](const char* name) {
    return NamedControls::SettingBox(inputs, name);
  };
  setting_ = new QComboBox(inputs);
  setting_->setObjectName("TargetSetting");
  SettingChoice::Fill(*setting_);
  setting_->setCurrentText("zc0");
  from_ = number("TargetFrom");
  to_ = number("TargetTo");
  quantity_ = new QComboBox(inputs);
  quantity_->setObjectName("TargetQuantity");
  for (int i = 0; i < 3; ++i)
    quantity_->addItem(QString());
  target_ = number("TargetValue");
  target_->setRange(-90, 90);
  target_->setValue(35);

  QLabel* settingLabel = label("TargetLabelSetting", "Setting:");
  settingLabel->setToolTip("The main parameter or environment value the search changes");
  grid->addWidget(settingLabel, 0, 0);
  grid->addWidget(setting_, 0, 1);
  grid->addWidget(label("TargetLabelFrom", "From:"), 0, 2);
  grid->addWidget(from_, 0, 3);
  grid->addWidget(label("TargetLabelTo", "To:"), 0, 4);
  grid->addWidget(to_, 0, 5);
  grid->addWidget(label("TargetLabelQuantity", "Bring:"), 1, 0);
  grid->addWidget(quantity_, 1, 1);
  QLabel* valueLabel = label("TargetLabelValue", "to, degrees:");
  grid->addWidget(valueLabel, 1, 2);
  grid->addWidget(target_, 1, 3);
  grid->setColumnStretch(1, 1);
  layout->addWidget(inputs);

  outcome_ = new QLabel(this);
  outcome_->setObjectName("TargetOutcome");
  outcome_->setWordWrap(true);
  outcome_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  details_ = new QLabel(this);
  details_->setObjectName("TargetDetails");
  details_->setWordWrap(true);
  details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(outcome_);
  layout->addWidget(details_);
  layout->addStretch(1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  const auto button = [this, buttons](const char* name, const char* caption) {
    return NamedControls::RowButton(this, *buttons, name, caption);
  };
  solve_ = button("TargetSolve", "Solve");
  solve_->setDefault(true);
  apply_ = button("TargetApply", "Apply");
  apply_->setToolTip("Store the value found in the door, as one step that Undo takes back");
  QPushButton* helpButton = button("TargetHelp", "Help");
  QPushButton* close = button("TargetClose", "Close");
  layout->addLayout(buttons);

  connect(setting_, &QComboBox::currentIndexChanged, this, &TargetWindow::onSettingChanged);
  connect(solve_, &QPushButton::clicked, this, &TargetWindow::onSolveClicked);
  connect(apply_, &QPushButton::clicked, this, &TargetWindow::onApplyClicked);
  connect(helpButton, &QPushButton::clicked, this, [this] { help_.ShowTopic(kHelpTopic); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  RefreshTexts();
}

void TargetWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    help_.ShowTopic(kHelpTopic);
    return;
  }
  QDialog::keyPressEvent(event);
}

void TargetWindow::RefreshTexts() {
  quantity_->setItemText(0, texts_.Text("TargetKindAttack"));
  quantity_->setItemText(1, texts_.Text("TargetKindHeel"));
  quantity_->setItemText(2, texts_.Text("TargetKindPitch"));
  ShowResult();
}

void TargetWindow::onSettingChanged() {
  // From the door's value to half as much again, as the sweep offers.
  const std::optional<EditableField> field =
      FindEditableField(SettingChoice::Current(*setting_).toStdString());
  if (!field) return;
  const long double value = document_.Door().*(field->Field);
  from_->setValue(static_cast<double>(value));
  to_->setValue(static_cast<double>(value != 0 ? value * 1.5L : 1.0L));
}

TargetQuantity TargetWindow::Quantity() const {
  switch (quantity_->currentIndex()) {
    case 1:
      return TargetQuantity::Heel;
    case 2:
      return TargetQuantity::Pitch;
    default:
      return TargetQuantity::Attack;
  }
}

QString TargetWindow::QuantityName(TargetQuantity quantity) const {
  // The quantity as a sentence names it.
  switch (quantity) {
    case TargetQuantity::Heel:
      return texts_.Text("TargetWordHeel");
    case TargetQuantity::Pitch:
      return texts_.Text("TargetWordPitch");
    case TargetQuantity::Attack:
      break;
  }
  return texts_.Text("TargetWordAttack");
}

void TargetWindow::onSolveClicked() {
  if (Running()) return;
  const std::optional<EditableField> field =
      FindEditableField(SettingChoice::Current(*setting_).toStdString());
  if (!field) return;
  const long double from = from_->value();
  const long double to = to_->value();
  if (from == to) {
    MessageBoxes::Warning(this, windowTitle(), texts_.Text("TargetEqualEnds"));
    return;
  }
  for (const long double end : {from, to}) {
    if (const auto problem = CheckFieldValue(field->Name, end)) {
      MessageBoxes::Warning(this, windowTitle(), QString::fromStdString(*problem) + ".");
      return;
    }
  }
  solvedDoor_ = document_.Door();
  solvedSetting_ = *field;
  solvedQuantity_ = Quantity();
  solvedTarget_ = target_->value();
  result_.reset();
  // The door as it is, from its balance angles, with the balance window's settings.
  TBoard door(solvedDoor_);
  door.SetPreciseGround(settings_.PreciseGround());
  door.SetSensitivity(settings_.Sensitivity());
  const BalanceAngles& angles = document_.Angles();
  solver_ =
      std::make_unique<TargetSolver>(door, *field, from, to, solvedQuantity_, solvedTarget_,
                                     AngleTriple{angles.X, angles.Y, angles.Z}, kSolverTolerance);
  pending_.reset();
  worker_ = QThread::create([this] { pending_ = solver_->Solve(); });
  connect(worker_, &QThread::finished, this, &TargetWindow::onSolveFinished);
  solve_->setEnabled(false);
  apply_->setEnabled(false);
  outcome_->setText(texts_.Text("TargetSearching"));
  details_->clear();
  worker_->start();
}

void TargetWindow::onSolveFinished() {
  if (worker_ == nullptr) return;
  worker_->deleteLater();
  worker_ = nullptr;
  result_ = pending_;
  solver_.reset();
  solve_->setEnabled(true);
  ShowResult();
  emit solveEnded();
}

bool TargetWindow::CanApply() const {
  return !editingLocked_ && result_ && result_->Found() && document_.Door() == solvedDoor_;
}

void TargetWindow::SetEditingLocked(bool locked) {
  editingLocked_ = locked;
  ShowResult();
}

void TargetWindow::ShowResult() {
  apply_->setEnabled(!Running() && CanApply());
  if (Running()) return;
  if (!result_) {
    outcome_->clear();
    details_->clear();
    return;
  }
  const TargetSolver::Result& r = *result_;
  const NumberLocale loc = UserNumberLocale();
  const QString name = SettingChoice::Shown(*setting_, NameOf(solvedSetting_));
  const QString value = UserNumberText(kValueFormat, r.Value, loc);
  const QString achieved = UserNumberText(kAngleFormat, r.AchievedDeg, loc);
  const QString quantity = QuantityName(solvedQuantity_);
  QString outcome;
  if (r.Found()) {
    outcome = texts_.Text("TargetFound").arg(name, value, quantity, achieved);
    if (document_.Door() != solvedDoor_) outcome += " " + texts_.Text("TargetOutdated");
  } else {
    const char* why = r.Why == TargetSolver::Outcome::NoCrossing ? "TargetNoCrossing"
                      : r.Why == TargetSolver::Outcome::Jump     ? "TargetJump"
                                                                 : "TargetUnbalanced";
    outcome = r.Balances > 0 ? texts_.Text("TargetNotFound").arg(name, value, quantity, achieved)
                             : QString();
    outcome = (outcome + " " + texts_.Text(why)).trimmed();
  }
  outcome_->setText(outcome);
  if (r.Balances == 0) {
    details_->clear();
    return;
  }
  const BalanceOutcome& b = r.Balance;
  details_->setText(texts_.Text("TargetFigures")
                        .arg(r.Balances)
                        .arg(r.Evaluations)
                        .arg(UserNumberText(kAngleFormat, b.Angles[0], loc),
                             UserNumberText(kAngleFormat, b.Angles[1], loc),
                             UserNumberText(kAngleFormat, b.Angles[2], loc),
                             UserNumberText(kAngleFormat, b.WingAttackDeg, loc)));
}

void TargetWindow::onApplyClicked() {
  if (!CanApply()) return;
  const TargetSolver::Result& r = *result_;
  if (const auto problem = CheckFieldValue(solvedSetting_.Name, r.Value)) {
    MessageBoxes::Warning(this, windowTitle(), QString::fromStdString(*problem) + ".");
    return;
  }
  DoorState state = document_.State();
  state.Door.*(solvedSetting_.Field) = r.Value;
  state.Angles = {r.Balance.Angles[0], r.Balance.Angles[1], r.Balance.Angles[2]};
  const NumberLocale loc = UserNumberLocale();
  const QString step =
      texts_.Text("TargetStep")
          .arg(SettingChoice::Shown(*setting_, NameOf(solvedSetting_)),
               UserNumberText(kValueFormat, r.Value, loc), QuantityName(solvedQuantity_),
               UserNumberText(kAngleFormat, solvedTarget_, loc));
  // The value and the balance it gives, one step: Undo takes both back.
  document_.Edit(step, state);
}

void TargetWindow::StopWorker() {
  if (worker_ == nullptr) return;
  // The search cannot be interrupted; it takes milliseconds.
  worker_->wait();
  delete worker_;
  worker_ = nullptr;
}

void TargetWindow::SetTexts(const TextCatalogue& texts) {
  SettingChoice::SetTexts(*setting_, texts);
}
