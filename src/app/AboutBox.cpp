#include "AboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "install/ProgramVersion.h"

AboutBox::AboutBox() {
  setObjectName("AboutBox");
  setWindowTitle("About");
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  auto* layout = new QVBoxLayout(this);
  // A fixed box whose size follows its contents: a longer text widens it.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* picture = new QSvgWidget(":/icons/about.svg", this);
  picture->setObjectName("ProgramIcon");
  picture->setFixedSize(300, 200);  // the picture's design size
  layout->addWidget(picture, 0, Qt::AlignHCenter);
  auto* text = new QLabel(
      "DoorTrim\nBalance position of trawl otter boards in bottom and midwater trawling", this);
  text->setObjectName("ProductName");
  text->setAlignment(Qt::AlignCenter);
  layout->addWidget(text);
  auto* version =
      new QLabel(QStringLiteral("Version %1").arg(QString::fromUtf8(kProgramVersion)), this);
  version->setObjectName("ProgramVersion");
  version->setAlignment(Qt::AlignCenter);
  version->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(version);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}
