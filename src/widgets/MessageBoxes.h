#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// What a message box asks: the window it belongs to, its kind (icon), title, text and the
// buttons it offers.
struct MessageBoxRequest {
  QWidget* Parent = nullptr;
  QMessageBox::Icon Icon = QMessageBox::Information;
  QString Title;
  QString Text;
  QMessageBox::StandardButtons Buttons = QMessageBox::Ok;
  QMessageBox::StandardButton DefaultButton = QMessageBox::NoButton;
  // Whether the program waits for a button: false for a box shown without waiting.
  bool Waits = true;
  // A box shown without waiting may come up beside the user's work without taking the
  // keyboard from it.
  bool TakesFocus = true;
};

// Answers message boxes in place of the user, without showing them. Tests install one to
// give the answer before the action and to see which boxes were asked for.
class MessageBoxAnswerer {
 public:
  virtual ~MessageBoxAnswerer() = default;
  // The button pressed on the box.
  virtual QMessageBox::StandardButton Answer(const MessageBoxRequest& request) = 0;
};

// Every message box of the program goes through here. Without an answerer it shows the real
// modal box, as QMessageBox's own functions do, and returns the button pressed.
class MessageBoxes {
 public:
  static QMessageBox::StandardButton Show(const MessageBoxRequest& request);

  static void Information(QWidget* parent, const QString& title, const QString& text);
  static void Warning(QWidget* parent, const QString& title, const QString& text);
  static void Critical(QWidget* parent, const QString& title, const QString& text);
  static QMessageBox::StandardButton Question(
      QWidget* parent, const QString& title, const QString& text,
      QMessageBox::StandardButtons buttons,
      QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

  // Shows the box without waiting for it: the program goes on while the box is up, and the
  // box deletes itself when it closes. With an answerer installed, the answerer is asked
  // instead (its answer is not used) and nothing is shown: the result is then nullptr.
  // A request that does not take the focus is shown without activating its window.
  static QMessageBox* ShowWithoutWaiting(const MessageBoxRequest& request);

  // Installs the answerer, or with nullptr goes back to showing the boxes; returns the one
  // installed before.
  static MessageBoxAnswerer* SetAnswerer(MessageBoxAnswerer* answerer);
};
