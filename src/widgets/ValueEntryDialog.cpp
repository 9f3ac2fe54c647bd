#include "ValueEntryDialog.h"

#include <QFocusEvent>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "UserLocale.h"
#include "WindowPlacement.h"
#include "numbers/NumberText.h"

namespace {

// The dialog's design: the prompt's room, the buttons' size and the margins around them.
constexpr QSize kPromptSize(359, 73);
constexpr QSize kButtonSize(81, 27);
constexpr QSize kDesignSize(476, 147);
constexpr int kMargin = 8;
constexpr int kRightMargin = 11;
constexpr int kColumnGap = 17;
constexpr int kPromptToValue = 19;

}  // namespace

ValueEntryDialog::ValueEntryDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("AskAny");
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  // A fixed dialog whose size follows its contents: a longer text widens it.
  outer->setSizeConstraint(QLayout::SetFixedSize);
  auto* client = new QWidget(this);
  client->setObjectName("Client");
  client->setMinimumSize(kDesignSize);
  outer->addWidget(client);
  auto* columns = new QHBoxLayout(client);
  columns->setContentsMargins(kMargin, kMargin, kRightMargin, kMargin);
  columns->setSpacing(kColumnGap);

  auto* entry = new QVBoxLayout;
  entry->setSpacing(kPromptToValue);
  prompt_ = new QLabel(client);
  prompt_->setObjectName("Label1");
  prompt_->setMinimumSize(kPromptSize);
  prompt_->setAlignment(Qt::AlignCenter);
  prompt_->setWordWrap(true);
  entry->addWidget(prompt_);
  value_ = new QLineEdit(client);
  value_->setObjectName("Edit1");
  value_->installEventFilter(this);
  entry->addWidget(value_);
  // Spare room stays below the entry: the prompt keeps its design size.
  entry->addStretch(1);
  columns->addLayout(entry);

  auto* buttons = new QVBoxLayout;
  okButton_ = new QPushButton("OK", client);
  okButton_->setObjectName("OKBtn");
  okButton_->setMinimumSize(kButtonSize);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &ValueEntryDialog::accept);
  buttons->addWidget(okButton_);
  cancelButton_ = new QPushButton("Cancel", client);
  cancelButton_->setObjectName("CancelBtn");
  cancelButton_->setMinimumSize(kButtonSize);
  connect(cancelButton_, &QPushButton::clicked, this, &ValueEntryDialog::reject);
  buttons->addWidget(cancelButton_);
  buttons->addStretch(1);
  columns->addLayout(buttons);
  columns->addStretch(1);

  setTabOrder(value_, okButton_);
  setTabOrder(okButton_, cancelButton_);
  outer->activate();
}

QString ValueEntryDialog::Format(long double value) const {
  return QString::fromStdString(FormatNumber(width_, decimals_, true, value, UserNumberLocale()));
}

void ValueEntryDialog::ValidateValue() {
  long double value = ReadNumber(value_->text().toStdString(), UserNumberLocale());
  if (value < min_ || value > max_) value = default_;
  value_->setText(Format(value));
}

long double ValueEntryDialog::Ask(const QString& caption, const QString& prompt, long double& value,
                                  long double min, long double max, long double def, int width,
                                  int decimals) {
  min_ = min;
  max_ = max;
  default_ = def;
  width_ = width;
  decimals_ = decimals;
  setWindowTitle(caption);
  prompt_->setText(prompt);
  value_->setText(Format(value));
  value_->selectAll();
  // The value field takes the focus when shown; leaving it, OK and Cancel validate it.
  const int result = exec();
  // The answer is what the field holds at the end, whichever way the dialog closed.
  const long double number = ReadNumber(value_->text().toStdString(), UserNumberLocale());
  if (result == QDialog::Accepted) value = number;
  return number;
}

void ValueEntryDialog::accept() {
  ValidateValue();
  QDialog::accept();
}

void ValueEntryDialog::reject() {
  ValidateValue();
  QDialog::reject();
}

void ValueEntryDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(*this);
  value_->setFocus(Qt::OtherFocusReason);
}

bool ValueEntryDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == value_ && event->type() == QEvent::FocusOut) {
    // Leaving the value field for another control of the dialog (not for another window or a menu).
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        reason != Qt::MenuBarFocusReason && isVisible())
      ValidateValue();
  }
  return QDialog::eventFilter(watched, event);
}
