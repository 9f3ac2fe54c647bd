#include "RangeDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <utility>

#include "HelpBrowser.h"
#include "NumberExitCheck.h"
#include "UserLocale.h"
#include "WindowPlacement.h"

namespace {

// The description's box: room for two or three lines of the longest parameter description.
constexpr int kDescriptionWidth = 413;
constexpr int kDescriptionHeight = 67;
constexpr int kDescriptionPixels = 13;
constexpr char kEndFormat[] = "##############0.####";
// What an end may be when its field is left; anything else becomes 0.
constexpr NumberExitCheck::Limits kEndLimits{20, 7, -1e20L, 1e20L, 0};

}  // namespace

RangeDialog::RangeDialog(HelpBrowser& help, QWidget* parent) : QDialog(parent), help_(help) {
  setObjectName("Range_f");
  setWindowTitle("Range");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);

  auto* layout = new QVBoxLayout(this);
  description_ = new QLabel(this);
  description_->setObjectName("Label3");
  QFont bold = description_->font();
  bold.setBold(true);
  bold.setPixelSize(kDescriptionPixels);
  description_->setFont(bold);
  description_->setWordWrap(true);
  description_->setAlignment(Qt::AlignCenter);
  description_->setMinimumSize(kDescriptionWidth, kDescriptionHeight);
  layout->addWidget(description_);

  auto* ends = new QFormLayout();
  fromField_ = new QLineEdit(this);
  fromField_->setObjectName("Edit1");
  toField_ = new QLineEdit(this);
  toField_->setObjectName("Edit2");
  // Named, so that the language files find them.
  const std::pair<const char*, const char*> captions[] = {{"Label1", "From:"}, {"Label2", "To:"}};
  QLineEdit* const endFields[] = {fromField_, toField_};
  for (int i = 0; i < 2; ++i) {
    auto* label = new QLabel(captions[i].second, this);
    label->setObjectName(captions[i].first);
    ends->addRow(label, endFields[i]);
  }
  layout->addLayout(ends);
  fromCheck_ = new NumberExitCheck(*fromField_, kEndLimits);
  toCheck_ = new NumberExitCheck(*toField_, kEndLimits);

  auto* buttons = new QHBoxLayout();
  buttons->addStretch(1);
  const auto button = [this, buttons](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    buttons->addWidget(b);
    return b;
  };
  okButton_ = button("OKBtn", "OK");
  okButton_->setDefault(true);
  cancelButton_ = button("CancelBtn", "Cancel");
  helpButton_ = button("HelpBtn", "Help");
  helpButton_->setAutoDefault(false);
  layout->addLayout(buttons);

  for (QLineEdit* end : {fromField_, toField_})
    connect(end, &QLineEdit::textChanged, this, [this] { rangeChanged_ = true; });
  connect(okButton_, &QPushButton::clicked, this, &RangeDialog::onOkClicked);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [this] { help_.ShowTopic("doors_proj"); });
}

void RangeDialog::Prepare(const QString& description, long double from, long double to) {
  description_->setText(description);
  fromField_->setText(UserNumberText(kEndFormat, from));
  toField_->setText(UserNumberText(kEndFormat, to));
}

void RangeDialog::onOkClicked() {
  // OK may come without leaving the end typed in (Enter, a shortcut): both ends get the check
  // leaving them gives. A text shown by the dialog itself passes it unchanged.
  fromCheck_->Apply();
  toCheck_->Apply();
  done(rangeChanged_ ? kRangeChanged : Accepted);
}

void RangeDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  rangeChanged_ = false;
  CenterOnScreen(*this);
  fromField_->setFocus(Qt::OtherFocusReason);
  fromField_->selectAll();
}

QString RangeDialog::FromText() const {
  return fromField_->text();
}

QString RangeDialog::ToText() const {
  return toField_->text();
}
