#include "TRange_f.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

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

TRange_f::TRange_f(HelpBrowser& help, QWidget* parent) : QDialog(parent), help_(help) {
  setObjectName("Range_f");
  setWindowTitle("Range");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);

  auto* layout = new QVBoxLayout(this);
  Label3 = new QLabel(this);
  Label3->setObjectName("Label3");
  QFont bold = Label3->font();
  bold.setBold(true);
  bold.setPixelSize(kDescriptionPixels);
  Label3->setFont(bold);
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignCenter);
  Label3->setMinimumSize(kDescriptionWidth, kDescriptionHeight);
  layout->addWidget(Label3);

  auto* ends = new QFormLayout();
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  ends->addRow("From:", Edit1);
  ends->addRow("To:", Edit2);
  layout->addLayout(ends);
  fromCheck_ = new NumberExitCheck(*Edit1, kEndLimits);
  toCheck_ = new NumberExitCheck(*Edit2, kEndLimits);

  auto* buttons = new QHBoxLayout();
  buttons->addStretch(1);
  const auto button = [this, buttons](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    buttons->addWidget(b);
    return b;
  };
  OKBtn = button("OKBtn", "OK");
  OKBtn->setDefault(true);
  CancelBtn = button("CancelBtn", "Cancel");
  HelpBtn = button("HelpBtn", "Help");
  HelpBtn->setAutoDefault(false);
  layout->addLayout(buttons);

  for (QLineEdit* end : {Edit1, Edit2})
    connect(end, &QLineEdit::textChanged, this, [this] { rangeChanged_ = true; });
  connect(OKBtn, &QPushButton::clicked, this, &TRange_f::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn, &QPushButton::clicked, this, [this] { help_.ShowTopic("doors_proj"); });
}

void TRange_f::Prepare(const QString& description, long double from, long double to) {
  Label3->setText(description);
  Edit1->setText(UserNumberText(kEndFormat, from));
  Edit2->setText(UserNumberText(kEndFormat, to));
}

void TRange_f::OKBtnClick() {
  // OK may come without leaving the end typed in (Enter, a shortcut): both ends get the check
  // leaving them gives. A text shown by the dialog itself passes it unchanged.
  fromCheck_->Apply();
  toCheck_->Apply();
  done(rangeChanged_ ? kRangeChanged : Accepted);
}

void TRange_f::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  rangeChanged_ = false;
  CenterOnScreen(*this);
  Edit1->setFocus(Qt::OtherFocusReason);
  Edit1->selectAll();
}
