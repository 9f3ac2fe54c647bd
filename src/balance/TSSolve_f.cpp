#include "TSSolve_f.h"

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

#include "DoorDocument.h"
#include "HelpBrowser.h"
#include "MessageBoxes.h"
#include "NumberExitCheck.h"
#include "UserLocale.h"
#include "WindowPlacement.h"
#include "lang/MessageTables.h"
#include "model/RangeCheck.h"
#include "model/SingleVariableSearch.h"
#include "model/TBoard.h"
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

TSSolve_f::TSSolve_f(const TVarLink& variable, DoorDocument& document, HelpBrowser& help,
                     std::function<void()> update, QWidget* parent)
    : QDialog(parent),
      variable_(variable),
      document_(document),
      board_(document.Board()),
      help_(help),
      update_(std::move(update)) {
  setObjectName("SSolve_f");
  setWindowTitle("Solve for single variable");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint);
  Build();
  stepper_ = new QTimer(this);
  stepper_->setObjectName("SearchStepper");
  stepper_->setInterval(0);  // one evaluation per turn of the event loop
  connect(stepper_, &QTimer::timeout, this, &TSSolve_f::StepSearch);
}

TSSolve_f::~TSSolve_f() = default;

void TSSolve_f::Build() {
  auto* layout = new QVBoxLayout(this);
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  QFont bold = Label1->font();
  bold.setBold(true);
  bold.setPixelSize(kDescriptionPixels);
  Label1->setFont(bold);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setWordWrap(true);
  Label1->setMinimumSize(kDescriptionWidth, kDescriptionHeight);
  layout->addWidget(Label1);

  auto* range = new QGroupBox("Range", this);
  range->setObjectName("GroupBox1");
  auto* rangeRow = new QHBoxLayout(range);
  Edit1 = new QLineEdit(range);
  Edit1->setObjectName("Edit1");
  Edit2 = new QLineEdit(range);
  Edit2->setObjectName("Edit2");
  Button2 = new QPushButton("Store", range);
  Button2->setObjectName("Button2");
  Button2->setAutoDefault(false);
  rangeRow->addWidget(new QLabel("From:", range));
  rangeRow->addWidget(Edit1);
  rangeRow->addWidget(new QLabel("To:", range));
  rangeRow->addWidget(Edit2);
  rangeRow->addWidget(Button2);
  layout->addWidget(range);
  fromCheck_ = new NumberExitCheck(*Edit1, kEndLimits);
  toCheck_ = new NumberExitCheck(*Edit2, kEndLimits);

  auto* minimization = new QGroupBox("Minimization", this);
  minimization->setObjectName("GroupBox2");
  auto* choices = new QVBoxLayout(minimization);
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    RadioButtons[i] = new QRadioButton(kCriterionCaptions[i], minimization);
    RadioButtons[i]->setObjectName(QString("RadioButton%1").arg(i + 1));
    group->addButton(RadioButtons[i], i + 1);
    choices->addWidget(RadioButtons[i]);
  }
  RadioButtons[0]->setChecked(true);
  connect(group, &QButtonGroup::idClicked, this,
          [this](int id) { criterion_ = static_cast<MomentCriterion>(id); });
  layout->addWidget(minimization);

  auto* results = new QFormLayout();
  Edit3 = new QLineEdit(this);
  Edit3->setObjectName("Edit3");
  Edit4 = new QLineEdit(this);
  Edit4->setObjectName("Edit4");
  Edit4->setReadOnly(true);
  results->addRow("Current value:", Edit3);
  results->addRow("Criteria:", Edit4);
  layout->addLayout(results);

  auto* buttons = new QHBoxLayout();
  const auto button = [this, buttons](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  Button1 = button("Button1", "Solve");
  OKBtn = button("OKBtn", "OK");
  CancelBtn = button("CancelBtn", "Cancel");
  HelpBtn = button("HelpBtn", "Help");
  layout->addLayout(buttons);

  connect(Button1, &QPushButton::clicked, this, &TSSolve_f::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TSSolve_f::Button2Click);
  connect(OKBtn, &QPushButton::clicked, this, &TSSolve_f::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &TSSolve_f::reject);
  connect(HelpBtn, &QPushButton::clicked, this, [this] { help_.ShowTopic("doors_proj"); });
}

void TSSolve_f::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  CenterOnScreen(*this);
  if (variable_.Label) Label1->setText(variable_.Label->toolTip());
  Edit1->setText(Text(variable_.Range->From));
  Edit2->setText(Text(variable_.Range->To));
  Edit3->setText(variable_.Edit->text());
  update_();
  const XYZ& moment = board_.TotalMoment;
  Edit4->setText(Text(moment.X + moment.Y + moment.Z));
  savedValue_ = *variable_.Value;
}

bool TSSolve_f::Searching() const {
  return stepper_->isActive();
}

void TSSolve_f::Button2Click() {
  fromCheck_->Apply();
  toCheck_->Apply();
  const long double from = Read(Edit1);
  const long double to = Read(Edit2);
  if (!StoreRange(board_, variable_.Index, from, to)) {
    document_.MarkModified();
    return;
  }
  // Equal ends make no range either.
  const std::string_view message = SSolveTexts::kMaximumBelowMinimum.In(LanguageIndex);
  MessageBoxes::Information(this, windowTitle(),
                            QString::fromUtf8(message.data(), std::ssize(message)));
  Edit1->setFocus(Qt::OtherFocusReason);
}

void TSSolve_f::Evaluate() {
  board_.ComputeGeometry();
  update_();
}

void TSSolve_f::Button1Click() {
  if (Searching()) return;
  // The ends as the dialog shows them, stored or not, checked as leaving them checks them.
  fromCheck_->Apply();
  toCheck_->Apply();
  const long double from = Read(Edit1);
  const long double to = Read(Edit2);
  const MomentCriterion criterion = criterion_;
  long double* value = variable_.Value;
  search_ = std::make_unique<SingleVariableSearch>(
      [this, value, criterion](long double v) {
        *value = v;
        Evaluate();
        return CriterionValue(board_.TotalMoment, criterion);
      },
      from, to);
  evaluations_ = 0;
  SetCommandsEnabled(false);
  stepper_->start();
}

void TSSolve_f::StepSearch() {
  const bool finished = search_->Step();
  evaluations_ = search_->Evaluations();
  ShowValue(search_->Value(), search_->Criterion());
  if (!finished) return;
  stepper_->stop();
  // The door and the balance window show the value found.
  Evaluate();
  SetCommandsEnabled(true);
  emit SearchFinished();
}

void TSSolve_f::ShowValue(long double value, long double criterion) {
  Edit3->setText(Text(value));
  Edit4->setText(Text(criterion));
}

void TSSolve_f::SetCommandsEnabled(bool enabled) {
  for (QWidget* control : {static_cast<QWidget*>(Button1), static_cast<QWidget*>(Button2),
                           static_cast<QWidget*>(OKBtn), static_cast<QWidget*>(Edit1),
                           static_cast<QWidget*>(Edit2), static_cast<QWidget*>(Edit3)}) {
    control->setEnabled(enabled);
  }
  for (QRadioButton* choice : RadioButtons)
    choice->setEnabled(enabled);
  setCursor(enabled ? Qt::ArrowCursor : Qt::BusyCursor);
}

void TSSolve_f::accept() {
  if (Searching()) return;
  if (*variable_.Value != savedValue_) document_.MarkModified();
  QDialog::accept();
}

void TSSolve_f::reject() {
  if (Searching()) {
    stepper_->stop();
    SetCommandsEnabled(true);
  }
  *variable_.Value = savedValue_;
  variable_.Edit->setText(Text(savedValue_));
  Evaluate();
  QDialog::reject();
}
