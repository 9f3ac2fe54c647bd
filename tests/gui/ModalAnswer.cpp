#include "gui/ModalAnswer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <memory>

void AnswerNextModal(std::function<void(QWidget* modal)> answer, int timeoutMs) {
  auto remaining = std::make_shared<int>(timeoutMs);
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [answer, remaining, poll]() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
      answer(modal);
      *poll = nullptr;  // break the self-reference
      return;
    }
    *remaining -= 10;
    if (*remaining <= 0) {
      *poll = nullptr;
      return;
    }
    QTimer::singleShot(10, *poll);
  };
  QTimer::singleShot(0, *poll);
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
