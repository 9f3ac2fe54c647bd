#include "AboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "install/ProgramVersion.h"
#include "lang/TextCatalogue.h"

AboutBox::AboutBox() {
  setObjectName("AboutBox");
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  auto* layout = new QVBoxLayout(this);
  // A fixed box whose size follows its contents: a longer text widens it.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* picture = new QSvgWidget(":/icons/about.svg", this);
  picture->setObjectName("ProgramIcon");
  picture->setFixedSize(300, 200);  // the picture's design size
  layout->addWidget(picture, 0, Qt::AlignHCenter);
  product_ = new QLabel(this);
  product_->setObjectName("ProductName");
  product_->setAlignment(Qt::AlignCenter);
  layout->addWidget(product_);
  version_ = new QLabel(this);
  version_->setObjectName("ProgramVersion");
  version_->setAlignment(Qt::AlignCenter);
  version_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(version_);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  SetTexts(TextCatalogue::English());
}

void AboutBox::SetTexts(const TextCatalogue& texts) {
  setWindowTitle(QString::fromStdString(texts.Text(AboutTexts::kTitle)));
  product_->setText("DoorTrim\n" + QString::fromStdString(texts.Text(AboutTexts::kProduct)));
  version_->setText(QString::fromStdString(texts.Text(AboutTexts::kVersion))
                        .arg(QString::fromUtf8(kProgramVersion)));
}
