#include "VariableSolveDialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <iterator>
#include <string_view>

#include "AccessibleNames.h"
#include "DoorDocument.h"
#include "HelpBrowser.h"
#include "MessageBoxes.h"
#include "NumberExitCheck.h"
#include "StepNames.h"
#include "TInvText.h"
#include "UserLocale.h"
#include "WindowPlacement.h"
#include "lang/MessageTables.h"
#include "model/DoorInputs.h"
#include "model/EditableFields.h"
#include "model/FieldLimits.h"
#include "model/RangeCheck.h"
#include "model/SingleVariableSearch.h"
#include "model/XYZ.h"
#include "numbers/NumberText.h"

namespace {

constexpr int kDescriptionWidth = 323;
constexpr int kDescriptionHeight = 57;
constexpr int kDescriptionPixels = 13;
constexpr char kNumberFormat[] = "###########0.#######";
// What an end may be when its field is left; anything else becomes 0.
constexpr NumberExitCheck::Limits kEndLimits{20, 7, -1e15L, 1e15L, 0};

const char* const kCriterionCaptions[4] = {"Sum of all moments", "Moments around X",
                                           "Moments around Y", "Moments around Z"};

QString Text(long double value) {
  return UserNumberText(kNumberFormat, value);
}

long double Read(const QLineEdit* field) {
  return ReadNumber(field->text().toStdString(), UserNumberLocale());
}

}  // namespace

VariableSolveDialog::VariableSolveDialog(const TVarLink& variable, DoorDocument& document,
                                         HelpBrowser& help, Trial trial,
                                         std::function<void()> restore, QWidget* parent)
    : QDialog(parent),
      variable_(variable),
      document_(document),
      help_(help),
      trial_(std::move(trial)),
      restore_(std::move(restore)) {
  setObjectName("SSolve_f");
  setWindowTitle("Solve for single variable");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint);
  Build();
  // Named for a screen reader now; a language file names them again in its words.
  AccessibleNames::Follow(*this);
  stepper_ = new QTimer(this);
  stepper_->setObjectName("SearchStepper");
  stepper_->setInterval(0);  // one evaluation per turn of the event loop
  connect(stepper_, &QTimer::timeout, this, &VariableSolveDialog::StepSearch);
}

VariableSolveDialog::~VariableSolveDialog() = default;

void VariableSolveDialog::Build() {
  auto* layout = new QVBoxLayout(this);
  description_ = new QLabel(this);
  description_->setObjectName("Label1");
  QFont bold = description_->font();
  bold.setBold(true);
  bold.setPixelSize(kDescriptionPixels);
  description_->setFont(bold);
  description_->setAlignment(Qt::AlignCenter);
  description_->setWordWrap(true);
  description_->setMinimumSize(kDescriptionWidth, kDescriptionHeight);
  layout->addWidget(description_);

  auto* range = new QGroupBox("Range", this);
  range->setObjectName("GroupBox1");
  auto* rangeRow = new QHBoxLayout(range);
  fromField_ = new QLineEdit(range);
  fromField_->setObjectName("Edit1");
  toField_ = new QLineEdit(range);
  toField_->setObjectName("Edit2");
  storeButton_ = new QPushButton("Store", range);
  storeButton_->setObjectName("Button2");
  storeButton_->setAutoDefault(false);
  // The labels are named, so that the language files find them.
  const auto namedLabel = [](const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
  };
  rangeRow->addWidget(namedLabel("Label2", "From:", range));
  rangeRow->addWidget(fromField_);
  rangeRow->addWidget(namedLabel("Label3", "To:", range));
  rangeRow->addWidget(toField_);
  rangeRow->addWidget(storeButton_);
  layout->addWidget(range);
  rangeNote_ = new QLabel(this);
  rangeNote_->setObjectName("RangeNote");
  rangeNote_->setWordWrap(true);
  rangeNote_->hide();
  layout->addWidget(rangeNote_);
  fromCheck_ = new NumberExitCheck(*fromField_, kEndLimits);
  toCheck_ = new NumberExitCheck(*toField_, kEndLimits);

  auto* minimization = new QGroupBox("Minimization", this);
  minimization->setObjectName("GroupBox2");
  auto* choices = new QVBoxLayout(minimization);
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    criterionButtons_[i] = new QRadioButton(kCriterionCaptions[i], minimization);
    criterionButtons_[i]->setObjectName(QString("RadioButton%1").arg(i + 1));
    group->addButton(criterionButtons_[i], i + 1);
    choices->addWidget(criterionButtons_[i]);
  }
  criterionButtons_[0]->setChecked(true);
  connect(group, &QButtonGroup::idClicked, this,
          [this](int id) { criterion_ = static_cast<MomentCriterion>(id); });
  layout->addWidget(minimization);

  auto* results = new QFormLayout();
  currentValue_ = new QLineEdit(this);
  currentValue_->setObjectName("Edit3");
  criterionValue_ = new QLineEdit(this);
  criterionValue_->setObjectName("Edit4");
  criterionValue_->setReadOnly(true);
  results->addRow(namedLabel("Label4", "Current value:", this), currentValue_);
  results->addRow(namedLabel("Label5", "Criteria:", this), criterionValue_);
  layout->addLayout(results);
  // Said when the ends' criteria had the same sign and the search could only scan the range.
  noSignChange_ = new TInvText(
      "NoSignChange", "No sign change in the range: the value nearest zero is shown", this);
  outcome_ = new QLabel(this);
  outcome_->setObjectName("SearchOutcome");
  outcome_->setWordWrap(true);
  outcome_->setVisible(false);
  layout->addWidget(outcome_);

  auto* buttons = new QHBoxLayout();
  const auto button = [this, buttons](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  solveButton_ = button("Button1", "Solve");
  okButton_ = button("OKBtn", "OK");
  cancelButton_ = button("CancelBtn", "Cancel");
  helpButton_ = button("HelpBtn", "Help");
  layout->addLayout(buttons);

  connect(solveButton_, &QPushButton::clicked, this, &VariableSolveDialog::onSolveClicked);
  connect(storeButton_, &QPushButton::clicked, this, &VariableSolveDialog::onStoreClicked);
  connect(okButton_, &QPushButton::clicked, this, &VariableSolveDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &VariableSolveDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [this] { help_.ShowTopic("doors_proj"); });
}

void VariableSolveDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  CenterOnScreen(*this);
  if (variable_.Label) description_->setText(variable_.Label->toolTip());
  outcome_->setVisible(false);
  const DoorInputs& door = document_.Door();
  const Range& range = door.Ranges[static_cast<std::size_t>(variable_.Index)];
  fromField_->setText(Text(range.From));
  toField_->setText(Text(range.To));
  savedValue_ = foundValue_ = door.*kMainParams[variable_.Index].Field;
  currentValue_->setText(Text(savedValue_));
  const XYZ moment = trial_(savedValue_);
  criterionValue_->setText(Text(moment.X + moment.Y + moment.Z));
}

bool VariableSolveDialog::Searching() const {
  return stepper_->isActive();
}

void VariableSolveDialog::onStoreClicked() {
  fromCheck_->Apply();
  toCheck_->Apply();
  const long double from = Read(fromField_);
  const long double to = Read(toField_);
  DoorInputs door = document_.Door();
  if (!StoreRange(door, variable_.Index, from, to)) {
    const Range& stored = door.Ranges[static_cast<std::size_t>(variable_.Index)];
    document_.Edit(StepNames::RangeOf(variable_.Index, stored, texts_), door);
    return;
  }
  // Equal ends make no range either.
  const std::string message = texts_.Text(SSolveTexts::kMaximumBelowMinimum);
  MessageBoxes::Information(this, windowTitle(),
                            QString::fromUtf8(message.data(), std::ssize(message)));
  fromField_->setFocus(Qt::OtherFocusReason);
}

void VariableSolveDialog::onSolveClicked() {
  if (Searching()) return;
  // The ends as the dialog shows them, stored or not, checked as leaving them checks them.
  fromCheck_->Apply();
  toCheck_->Apply();
  long double from = Read(fromField_);
  long double to = Read(toField_);
  // A range record may reach past the values the field accepts (the sample doors' R goes to
  // 1e7): the value found becomes the door's, so the search keeps within them, and says so.
  const FieldLimits limits = LimitsOfField(kMainParams[variable_.Index].Name).value();
  const FieldLimits::Interval within = limits.Clamp(from, to);
  rangeNote_->setVisible(within.Clamped);
  if (within.Clamped) {
    from = within.From;
    to = within.To;
    const std::string note = texts_.Text(SSolveTexts::kKeptWithinField);
    rangeNote_->setText(
        QString::fromUtf8(note.data(), std::ssize(note))
            .arg(QString::fromStdString(limits.IntervalText()), Text(from), Text(to)));
  }
  const MomentCriterion criterion = criterion_;
  search_ = std::make_unique<SingleVariableSearch>(
      [this, criterion](long double v) { return CriterionValue(trial_(v), criterion); }, from, to);
  evaluations_ = 0;
  outcome_->setVisible(false);
  SetCommandsEnabled(false);
  stepper_->start();
}

void VariableSolveDialog::StepSearch() {
  const bool finished = search_->Step();
  evaluations_ = search_->Evaluations();
  ShowValue(search_->Value(), search_->Criterion());
  if (!finished) return;
  stepper_->stop();
  // The balance window shows the value found, which OK gives the door.
  foundValue_ = search_->Value();
  trial_(foundValue_);
  const bool scanned = search_->SearchMethod() == SingleVariableSearch::Method::Scan;
  outcome_->setText(noSignChange_->Caption());
  outcome_->setVisible(scanned);
  SetCommandsEnabled(true);
  emit SearchFinished();
}

void VariableSolveDialog::ShowValue(long double value, long double criterion) {
  currentValue_->setText(Text(value));
  criterionValue_->setText(Text(criterion));
}

void VariableSolveDialog::SetCommandsEnabled(bool enabled) {
  for (QWidget* control : {static_cast<QWidget*>(solveButton_), static_cast<QWidget*>(storeButton_),
                           static_cast<QWidget*>(okButton_), static_cast<QWidget*>(fromField_),
                           static_cast<QWidget*>(toField_), static_cast<QWidget*>(currentValue_)}) {
    control->setEnabled(enabled);
  }
  for (QRadioButton* choice : criterionButtons_)
    choice->setEnabled(enabled);
  setCursor(enabled ? Qt::ArrowCursor : Qt::BusyCursor);
}

void VariableSolveDialog::accept() {
  if (Searching()) return;
  DoorInputs door = document_.Door();
  long double DoorInputs::*field = kMainParams[variable_.Index].Field;
  const long double before = door.*field;
  door.*field = foundValue_;
  // The balance window follows the door's new value; when nothing changed it shows the door
  // as it is again.
  if (!document_.Edit(StepNames::Parameter(variable_.Index, before, foundValue_, texts_), door)) {
    restore_();
  }
  QDialog::accept();
}

void VariableSolveDialog::reject() {
  if (Searching()) {
    stepper_->stop();
    SetCommandsEnabled(true);
  }
  // The door kept its value all along; the balance window shows it again.
  restore_();
  QDialog::reject();
}
