#include "SingleVariablePanel.h"

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "BalanceWindow.h"
#include "DoorDocument.h"
#include "LanguageApplier.h"
#include "MessageBoxes.h"
#include "StepNames.h"
#include "TSpinButton.h"
#include "UserLocale.h"
#include "VariableSolveDialog.h"
#include "model/EditableFields.h"
#include "model/FieldLimits.h"
#include "numbers/NumberText.h"
#include "report/DisplayFormats.h"

namespace {

constexpr int kStepsPerRange = 100;

}  // namespace

SingleVariablePanel::SingleVariablePanel(BalanceWindow& balance, DoorDocument& document,
                                         HelpBrowser& help)
    : QObject(&balance),
      balance_(balance),
      document_(document),
      help_(help),
      panel_(balance.findChild<QWidget*>("Panel8")),
      label_(balance.findChild<QLabel*>("Label21")),
      edit_(balance.findChild<QLineEdit*>("Edit14")) {
  if (auto* spin = balance.findChild<TSpinButton*>("SpinButton4")) {
    connect(spin, &TSpinButton::UpClick, this, [this] { StepVariable(1); });
    connect(spin, &TSpinButton::DownClick, this, [this] { StepVariable(-1); });
  }
  if (auto* solve = balance.findChild<QPushButton*>("SolveButton")) {
    solve->setEnabled(true);
    connect(solve, &QPushButton::clicked, this, &SingleVariablePanel::onSolveClicked);
  }
  if (edit_) edit_->installEventFilter(this);
  connect(&document_, &DoorDocument::changed, this, &SingleVariablePanel::ShowValue);
}

void SingleVariablePanel::ShowVariable(const TVarLink& variable) {
  variable_ = variable;
  if (label_ && variable.Label) {
    label_->setText(variable.Label->text());
    label_->setToolTip(variable.Label->toolTip());
  }
  ShowValue();
  if (panel_) panel_->setVisible(true);
}

void SingleVariablePanel::ShowValue() {
  if (!variable_.IsSet() || !edit_) return;
  const long double value = document_.Door().*kMainParams[variable_.Index].Field;
  edit_->setText(UserNumberText(DisplayFormats::MainParameter(variable_.Index), value));
}

void SingleVariablePanel::RefreshVariableHint() {
  if (label_ && variable_.Label) label_->setToolTip(variable_.Label->toolTip());
}

void SingleVariablePanel::SetValue(long double value) {
  long double DoorInputs::*field = kMainParams[variable_.Index].Field;
  DoorInputs door = document_.Door();
  const long double before = door.*field;
  door.*field = value;
  document_.Edit(StepNames::Parameter(variable_.Index, before, value, texts_), door);
  ShowValue();  // also when nothing changed: the field shows the door's value again
}

void SingleVariablePanel::StepVariable(int direction) {
  if (!variable_.IsSet()) return;
  const DoorInputs& door = document_.Door();
  const Range& range = door.Ranges[static_cast<std::size_t>(variable_.Index)];
  const long double step = (range.To - range.From) / kStepsPerRange;
  const long double stepped = door.*kMainParams[variable_.Index].Field + direction * step;
  // A range record may reach past the field (the sample doors' R goes to 1e7): the arrows stop
  // at the field's end, so the door never holds a value it could not be saved with.
  const FieldLimits limits = LimitsOfField(kMainParams[variable_.Index].Name).value();
  SetValue(limits.Clamp(stepped, stepped).From);
}

void SingleVariablePanel::onValueEntered() {
  if (!variable_.IsSet() || !edit_) return;
  const long double value = ReadNumber(edit_->text().toStdString(), UserNumberLocale());
  // A value the variable's own field would refuse is refused here too, with the same words as
  // every other way into the door.
  if (const auto problem = CheckFieldValue(kMainParams[variable_.Index].Name, value)) {
    MessageBoxes::Warning(&balance_, balance_.windowTitle(), QString::fromStdString(*problem));
    ShowValue();
    return;
  }
  SetValue(value);
}

bool SingleVariablePanel::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the value field takes the value, and is not the window's default button.
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      onValueEntered();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void SingleVariablePanel::onSolveClicked() {
  if (!variable_.IsSet()) return;
  VariableSolveDialog dialog(
      variable_, document_, help_,
      [this](long double value) { return balance_.TryVariable(variable_.Index, value); },
      [this] { balance_.FollowDoor(); }, &balance_);
  dialog.SetTexts(texts_);
  LanguageApplier::Of(dialog).SetTexts(texts_);
  if (translation_) LanguageApplier::Of(dialog).Apply(*translation_);
  dialog.exec();
}
