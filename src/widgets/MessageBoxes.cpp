#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QWindow>

namespace {

MessageBoxAnswerer* g_answerer = nullptr;

QMessageBox::StandardButton Box(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
  MessageBoxRequest request;
  request.Parent = parent;
  request.Icon = icon;
  request.Title = title;
  request.Text = text;
  request.Buttons = buttons;
  request.DefaultButton = defaultButton;
  return MessageBoxes::Show(request);
}

}  // namespace

QMessageBox::StandardButton MessageBoxes::Show(const MessageBoxRequest& request) {
  if (g_answerer != nullptr) return g_answerer->Answer(request);
  // The box QMessageBox's own functions make: the buttons in their standard order, the
  // default one given, or else the first that accepts.
  QMessageBox box(request.Icon, request.Title, request.Text, QMessageBox::NoButton, request.Parent);
  auto* buttonBox = box.findChild<QDialogButtonBox*>();
  for (uint mask = QMessageBox::FirstButton; mask <= QMessageBox::LastButton; mask <<= 1) {
    const uint standard = request.Buttons & mask;
    if (standard == 0) continue;
    QPushButton* button = box.addButton(static_cast<QMessageBox::StandardButton>(standard));
    if (box.defaultButton() != nullptr) continue;
    const bool chosen =
        request.DefaultButton == QMessageBox::NoButton
            ? buttonBox != nullptr && buttonBox->buttonRole(button) == QDialogButtonBox::AcceptRole
            : standard == static_cast<uint>(request.DefaultButton);
    if (chosen) box.setDefaultButton(button);
  }
  // Closed without a button (the window system's close, Escape without an escape button).
  if (box.exec() == -1) return QMessageBox::Cancel;
  return box.standardButton(box.clickedButton());
}

QMessageBox* MessageBoxes::ShowWithoutWaiting(const MessageBoxRequest& request) {
  if (g_answerer != nullptr) {
    MessageBoxRequest notice = request;
    notice.Waits = false;
    g_answerer->Answer(notice);
    return nullptr;
  }
  auto* box =
      new QMessageBox(request.Icon, request.Title, request.Text, request.Buttons, request.Parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  if (request.DefaultButton != QMessageBox::NoButton) box->setDefaultButton(request.DefaultButton);
  if (request.TakesFocus) {
    box->show();
    return box;
  }
  // The attribute asks the window system not to activate the window when it shows, the flag
  // not to give it the keyboard later; its buttons are pressed with the mouse only.
  box->setAttribute(Qt::WA_ShowWithoutActivating);
  box->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
    button->setFocusPolicy(Qt::NoFocus);
  // Some window systems activate every window shown all the same (Qt's offscreen platform
  // among them): the activation goes straight back to the window the user was in.
  const QPointer<QWidget> userWindow = QApplication::activeWindow();
  QObject::connect(
      qGuiApp, &QGuiApplication::focusWindowChanged, box,
      [box, userWindow](QWindow* focused) {
        if (focused == box->windowHandle() && userWindow != nullptr) userWindow->activateWindow();
      },
      Qt::SingleShotConnection);
  box->show();
  return box;
}

void MessageBoxes::Information(QWidget* parent, const QString& title, const QString& text) {
  Box(parent, QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void MessageBoxes::Warning(QWidget* parent, const QString& title, const QString& text) {
  Box(parent, QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void MessageBoxes::Critical(QWidget* parent, const QString& title, const QString& text) {
  Box(parent, QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

QMessageBox::StandardButton MessageBoxes::Question(QWidget* parent, const QString& title,
                                                   const QString& text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton) {
  return Box(parent, QMessageBox::Question, title, text, buttons, defaultButton);
}

MessageBoxAnswerer* MessageBoxes::SetAnswerer(MessageBoxAnswerer* answerer) {
  MessageBoxAnswerer* previous = g_answerer;
  g_answerer = answerer;
  return previous;
}
