#include "QuietMessages.h"

#include <QRegularExpression>

QuietMessages::QuietMessages(std::FILE* log)
    : log_(log), previous_(MessageBoxes::SetAnswerer(this)) {}

QuietMessages::~QuietMessages() {
  MessageBoxes::SetAnswerer(previous_);
}

QString QuietMessages::LogLine(const MessageBoxRequest& request) {
  // A box's text may run over several lines (a field's hint, then its range); the log keeps
  // one line per message so that a script can read it line by line.
  QString text = request.Text;
  text.replace(QRegularExpression("[\\r\\n]+"), " ");
  const QString title = request.Title.isEmpty() ? QString() : request.Title + ": ";
  return "doortrim: " + title + text.trimmed();
}

QMessageBox::StandardButton QuietMessages::Answer(const MessageBoxRequest& request) {
  if (log_ != nullptr) {
    std::fputs((LogLine(request) + "\n").toLocal8Bit().constData(), log_);
    std::fflush(log_);
  }
  // A box that does not wait (a notice beside the work) holds nobody up: logged only.
  if (request.Waits) {
    QString text = request.Text;
    taken_ << text.replace(QRegularExpression("[\\r\\n]+"), " ").trimmed();
  }
  for (const QMessageBox::StandardButton closing : {QMessageBox::Cancel, QMessageBox::No}) {
    if (request.Buttons.testFlag(closing)) return closing;
  }
  return QMessageBox::Ok;
}
