#include "ScalarDialog.h"

#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QSvgRenderer>

#include "DoorDocument.h"
#include "HelpBrowser.h"
#include "TEditF.h"
#include "UserLocale.h"
#include "WindowPlacement.h"
#include "model/TBoard.h"
#include "numbers/NumberText.h"

ScalarDialog::ScalarDialog(DoorDocument& document, HelpBrowser& help, QWidget* parent,
                           const char* name, const QString& caption, QSize clientSize)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      Document(document),
      Board(document.Board()),
      Help(help) {
  setObjectName(name);
  setWindowTitle(caption);
  setFixedSize(clientSize);
}

void ScalarDialog::AddButtons(const QRect& ok, const QRect& cancel, const QRect& help) {
  OKBtn = new QPushButton("OK", this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setGeometry(ok);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &ScalarDialog::OKBtnClick);

  CancelBtn = new QPushButton("Cancel", this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setGeometry(cancel);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  HelpBtn = new QPushButton("Help", this);
  HelpBtn->setObjectName("HelpBtn");
  HelpBtn->setGeometry(help);
  connect(HelpBtn, &QPushButton::clicked, this, [this] { Help.ShowTopic(kHelpTopic); });
}

void ScalarDialog::WatchText(QLineEdit* field) {
  // textChanged is not emitted when setText writes the text the field already holds.
  connect(field, &QLineEdit::textChanged, this, [this] { FChanged = true; });
}

void ScalarDialog::CheckOnExit(QLineEdit* field, int width, int decimals, long double lower,
                               long double upper, long double fallback) {
  FExitChecks.push_back({field, width, decimals, lower, upper, fallback});
  field->installEventFilter(this);
}

void ScalarDialog::ApplyCheck(const ExitCheck& check) {
  const std::string checked =
      CheckNumberText(check.Field->text().toStdString(), check.Width, check.Decimals, check.Lower,
                      check.Upper, check.Fallback, true, UserNumberLocale());
  check.Field->setText(QString::fromStdString(checked));
}

bool ScalarDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && isVisible()) {
    // Leaving the field for another control of the dialog; the focus going to another
    // window or a menu is not leaving it.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        reason != Qt::MenuBarFocusReason) {
      for (const ExitCheck& check : FExitChecks)
        if (check.Field == watched) ApplyCheck(check);
    }
  }
  return QDialog::eventFilter(watched, event);
}

QLabel* ScalarDialog::AddPicture(QWidget* parent, const char* name, const QString& resource,
                                 const QRect& geometry) {
  QPixmap pixmap(geometry.size());
  pixmap.fill(Qt::transparent);
  // Checked first so that a picture not yet among the resources gives no warning.
  if (QFile::exists(resource)) {
    QSvgRenderer renderer(resource);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QPainter painter(&pixmap);
    renderer.render(&painter);
  }
  auto* picture = new QLabel(parent);
  picture->setObjectName(name);
  picture->setGeometry(geometry);
  picture->setPixmap(pixmap);
  return picture;
}

QLabel* ScalarDialog::AddLabel(QWidget* parent, const char* name, const QString& text,
                               const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  return label;
}

void ScalarDialog::CheckPendingField() {
  QWidget* pending = focusWidget();
  for (const ExitCheck& check : FExitChecks)
    if (check.Field == pending) ApplyCheck(check);
  // A validated field checks itself when it commits.
  if (auto* validated = qobject_cast<TEditF*>(pending)) validated->Commit();
}

void ScalarDialog::OKBtnClick() {
  CheckPendingField();
  if (FChanged) {
    Document.MarkModified();
    StoreFields();
  }
  accept();
}

void ScalarDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A window system's own show (restoring) is no new showing of the dialog.
  if (event->spontaneous()) return;
  CenterOnScreen(*this);
  FormShow();
  OKBtn->setFocus(Qt::OtherFocusReason);
}
