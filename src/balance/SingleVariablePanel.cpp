#include "SingleVariablePanel.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DoorDocument.h"
#include "LanguageApplier.h"
#include "TSpinButton.h"
#include "UserLocale.h"
#include "VariableSolveDialog.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"
#include "numbers/NumberText.h"

namespace {

constexpr int kStepsPerRange = 100;
constexpr char kStepFormat[] = "#0.##";
constexpr char kFoundFormat[] = "###########0.#######";

}  // namespace

SingleVariablePanel::SingleVariablePanel(QDialog& balance, DoorDocument& document,
                                         HelpBrowser& help, std::function<void()> update)
    : QObject(&balance),
      balance_(balance),
      document_(document),
      board_(document.Board()),
      help_(help),
      update_(std::move(update)),
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
}

void SingleVariablePanel::ShowVariable(const TVarLink& variable) {
  variable_ = variable;
  if (edit_) edit_->setText(variable.Edit->text());
  if (label_ && variable.Label) {
    label_->setText(variable.Label->text());
    label_->setToolTip(variable.Label->toolTip());
  }
  if (panel_) panel_->setVisible(true);
}

void SingleVariablePanel::RefreshVariableHint() {
  if (label_ && variable_.Label) label_->setToolTip(variable_.Label->toolTip());
}

void SingleVariablePanel::StepVariable(int direction) {
  if (!variable_.IsSet() || !edit_) return;
  // The model takes what the field shows (a typed value too); the field shows the next one.
  const long double shown = ReadNumber(edit_->text().toStdString(), UserNumberLocale());
  long double DoorInputs::*field = kMainParams[variable_.Index].Field;
  if (board_.Inputs().*field != shown) document_.MarkModified();
  board_.Edit([field, shown](DoorInputs& d) { d.*field = shown; });
  const Range& range = board_.Inputs().Ranges[variable_.Index];
  const long double step = (range.To - range.From) / kStepsPerRange;
  edit_->setText(UserNumberText(kStepFormat, shown + direction * step));
  update_();
}

void SingleVariablePanel::onSolveClicked() {
  if (!variable_.IsSet()) return;
  VariableSolveDialog dialog(variable_, document_, help_, update_, &balance_);
  dialog.SetLanguageIndex(languageIndex_);
  if (translation_) LanguageApplier::Of(dialog).Apply(*translation_);
  // The next spinner click stores what the panel shows: after OK, the value found.
  if (dialog.exec() == QDialog::Accepted && edit_)
    edit_->setText(
        UserNumberText(kFoundFormat, board_.Inputs().*kMainParams[variable_.Index].Field));
}
