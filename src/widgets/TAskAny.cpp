#include "TAskAny.h"

#include <QFocusEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "UserLocale.h"
#include "WindowPlacement.h"
#include "numbers/NumberText.h"

TAskAny::TAskAny(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("AskAny");
  setFixedSize(476, 147);
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(8, 8, 359, 73);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setWordWrap(true);

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(8, 100, 359, 25);
  Edit1->installEventFilter(this);

  OKBtn = new QPushButton("OK", this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setGeometry(384, 8, 81, 27);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &TAskAny::accept);

  CancelBtn = new QPushButton("Cancel", this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setGeometry(384, 42, 81, 27);
  connect(CancelBtn, &QPushButton::clicked, this, &TAskAny::reject);

  setTabOrder(Edit1, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
}

QString TAskAny::Format(long double value) const {
  return QString::fromStdString(FormatNumber(FWidth, FDecimals, true, value, UserNumberLocale()));
}

void TAskAny::ValidateEdit() {
  long double value = ReadNumber(Edit1->text().toStdString(), UserNumberLocale());
  if (value < FMin || value > FMax) value = FDefault;
  Edit1->setText(Format(value));
}

long double TAskAny::Ask(const QString& caption, const QString& prompt, long double& value,
                         long double min, long double max, long double def, int width,
                         int decimals) {
  // 1. The bounds, the default and the format of this request.
  FMin = min;
  FMax = max;
  FDefault = def;
  FWidth = width;
  FDecimals = decimals;
  // 2. Caption, prompt and the value, selected.
  setWindowTitle(caption);
  Label1->setText(prompt);
  Edit1->setText(Format(value));
  Edit1->selectAll();
  // 3. Modal; Edit1 gets the focus when shown (showEvent). 4. happens in the handlers.
  const int result = exec();
  // 5. Read Edit1 once more.
  const long double number = ReadNumber(Edit1->text().toStdString(), UserNumberLocale());
  if (result == QDialog::Accepted) value = number;
  return number;
}

void TAskAny::accept() {
  ValidateEdit();
  QDialog::accept();
}

void TAskAny::reject() {
  ValidateEdit();
  QDialog::reject();
}

void TAskAny::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(*this);
  Edit1->setFocus(Qt::OtherFocusReason);
}

bool TAskAny::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::FocusOut) {
    // Leaving Edit1 for another control of the dialog (not for another window or a menu).
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        reason != Qt::MenuBarFocusReason && isVisible())
      ValidateEdit();
  }
  return QDialog::eventFilter(watched, event);
}
