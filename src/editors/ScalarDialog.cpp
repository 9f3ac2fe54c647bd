#include "ScalarDialog.h"

#include "model/FieldLimits.h"

#include <QBoxLayout>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QSvgRenderer>

#include "DoorDocument.h"
#include "HelpBrowser.h"
#include "ReportPicture.h"
#include "UserLocale.h"
#include "ValidatedField.h"
#include "WindowPlacement.h"
#include "model/DoorInputs.h"
#include "numbers/NumberText.h"

ScalarDialog::ScalarDialog(DoorDocument& document, HelpBrowser& help, QWidget* parent,
                           const char* name, const QString& caption)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      document_(document),
      help_(help) {
  setObjectName(name);
  setWindowTitle(caption);
  CreateButtons();
}

void ScalarDialog::CreateButtons() {
  okButton_ = new QPushButton("OK", this);
  okButton_->setObjectName("OKBtn");
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &ScalarDialog::onOkClicked);

  cancelButton_ = new QPushButton("Cancel", this);
  cancelButton_->setObjectName("CancelBtn");
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

  helpButton_ = new QPushButton("Help", this);
  helpButton_->setObjectName("HelpBtn");
  connect(helpButton_, &QPushButton::clicked, this, [this] { help_.ShowTopic(kHelpTopic); });
}

QBoxLayout* ScalarDialog::ButtonBox(QBoxLayout* box) {
  box->setContentsMargins(0, 0, 0, 0);
  for (QPushButton* button : {okButton_, cancelButton_, helpButton_})
    box->addWidget(button);
  return box;
}

QBoxLayout* ScalarDialog::ButtonColumn() {
  return ButtonBox(new QVBoxLayout);
}

QBoxLayout* ScalarDialog::ButtonRow() {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  return ButtonBox(row);
}

void ScalarDialog::SetFixedLayout(QLayout* root) {
  setLayout(root);
  root->setSizeConstraint(QLayout::SetFixedSize);
  root->activate();
}

void ScalarDialog::WatchText(QLineEdit* field) {
  // textChanged is not emitted when setText writes the text the field already holds.
  connect(field, &QLineEdit::textChanged, this, [this] { changed_ = true; });
}

void ScalarDialog::CheckOnExit(QLineEdit* field, int width, int decimals,
                               std::string_view fieldName) {
  const FieldLimits limits = LimitsOfField(fieldName).value();
  // The plain fields' checks are open intervals with a fallback, as these values' limits are.
  exitChecks_.push_back(
      {field, width, decimals, limits.Lower, limits.Upper, limits.Fallback.value()});
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
      for (const ExitCheck& check : exitChecks_)
        if (check.Field == watched) ApplyCheck(check);
    }
  }
  return QDialog::eventFilter(watched, event);
}

QLabel* ScalarDialog::AddPicture(QWidget* parent, const char* name, const QString& resource,
                                 QSize size) {
  QPixmap pixmap(size);
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
  picture->setPixmap(pixmap);
  picture->setProperty(ReportPicture::kSourceProperty, resource);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return picture;
}

QLabel* ScalarDialog::AddLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

void ScalarDialog::CheckPendingField() {
  QWidget* pending = focusWidget();
  for (const ExitCheck& check : exitChecks_)
    if (check.Field == pending) ApplyCheck(check);
  // A validated field checks itself when it commits.
  if (auto* validated = qobject_cast<ValidatedField*>(pending)) validated->Commit();
}

void ScalarDialog::onOkClicked() {
  CheckPendingField();
  if (changed_) {
    DoorInputs door = document_.Door();
    StoreFields(door);
    document_.Edit(windowTitle(), door);
  }
  accept();
}

void ScalarDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A window system's own show (restoring) is no new showing of the dialog.
  if (event->spontaneous()) return;
  CenterOnScreen(*this);
  FillFields();
  okButton_->setFocus(Qt::OtherFocusReason);
}
