#include "gui/ModalAnswer.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
const char* const kWatchName = "ModalAnswerWatch";
}

void AnswerNextModal(std::function<void(QWidget* modal)> answer, int timeoutMs) {
  // The watch is a timer owned by the application, so a watch that never fires is deleted
  // with it (or by CancelModalAnswers) instead of keeping its closure alive.
  auto* watch = new QTimer(qApp);
  watch->setObjectName(kWatchName);
  watch->setInterval(10);
  auto remaining = std::make_shared<int>(timeoutMs);
  QObject::connect(watch, &QTimer::timeout, watch, [watch, answer, remaining]() {
    *remaining -= watch->interval();
    QWidget* modal = QApplication::activeModalWidget();
    const bool shown = modal && modal->isVisible();
    // A shown window becomes the active one a little later, when the platform says so; a
    // click or a key before that finds no focus, so the answer waits for it too. A window
    // that never becomes active is answered all the same when the time is up.
    if (shown && (modal->isActiveWindow() || *remaining <= 0)) {
      watch->stop();
      watch->deleteLater();
      answer(modal);
      return;
    }
    if (shown) modal->activateWindow();
    if (*remaining <= 0) {
      watch->stop();
      watch->deleteLater();
    }
  });
  watch->start();
}

void CancelModalAnswers() {
  for (QTimer* watch : qApp->findChildren<QTimer*>(kWatchName, Qt::FindDirectChildrenOnly)) {
    watch->stop();
    delete watch;
  }
}

void AnswerMessageBox(int standardButton, QString* text, int timeoutMs) {
  AnswerNextModal(
      [standardButton, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return;
        if (text) *text = box->text();
        QAbstractButton* button =
            box->button(static_cast<QMessageBox::StandardButton>(standardButton));
        if (button) {
          button->click();
        } else {
          box->accept();
        }
      },
      timeoutMs);
}

void ChooseInFileDialog(QFileDialog* dialog, const QString& path) {
  // Not selectFile(): once the dialog is shown it leaves the name box alone while the box
  // has the focus, and whether it has it yet depends on timing.
  auto* nameBox = dialog->findChild<QLineEdit*>("fileNameEdit");
  if (!nameBox) {
    ADD_FAILURE() << "the file dialog has no file name box";
    dialog->reject();
    return;
  }
  nameBox->setText(path);
  QMetaObject::invokeMethod(dialog, "accept");  // accept() is protected
  if (dialog->isVisible()) {
    ADD_FAILURE() << "the file dialog did not take " << path.toStdString();
    dialog->reject();
  }
}
