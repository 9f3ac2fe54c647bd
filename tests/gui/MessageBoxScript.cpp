#include "gui/MessageBoxScript.h"

MessageBoxScript::MessageBoxScript() : previous_(MessageBoxes::SetAnswerer(this)) {}

MessageBoxScript::~MessageBoxScript() {
  MessageBoxes::SetAnswerer(previous_);
}

void MessageBoxScript::Answer(QMessageBox::StandardButton button) {
  answers_.push_back(button);
}

std::vector<QString> MessageBoxScript::Texts() const {
  std::vector<QString> texts;
  for (const MessageBoxRequest& request : asked_)
    texts.push_back(request.Text);
  return texts;
}

QMessageBox::StandardButton MessageBoxScript::Answer(const MessageBoxRequest& request) {
  asked_.push_back(request);
  if (!answers_.empty()) {
    const QMessageBox::StandardButton answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  for (const QMessageBox::StandardButton closing : {QMessageBox::Cancel, QMessageBox::No}) {
    if (request.Buttons.testFlag(closing)) return closing;
  }
  return QMessageBox::Ok;
}
