#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <cstdio>

#include "MessageBoxes.h"

// Takes the program's message boxes while nobody sits at the screen to answer them: under a
// macro another program waits for its answer, and with --no-dialogs a script started the
// program. Each message is written as one line to the log stream (standard error) instead of
// a box, the ones that would have waited for a button are kept for whoever asked (a macro
// answers its client with them), and a question is answered as its window's close button
// would: Cancel, else No, so that nothing is changed or lost on a guess.
//
// Installed for its lifetime; the answerer before it comes back when it ends.
class QuietMessages : public MessageBoxAnswerer {
 public:
  explicit QuietMessages(std::FILE* log = stderr);
  ~QuietMessages() override;
  QuietMessages(const QuietMessages&) = delete;
  QuietMessages& operator=(const QuietMessages&) = delete;

  // The messages that would have held the program up, in order, as their boxes read.
  const QStringList& Taken() const { return taken_; }
  // The line a message is logged as: "doortrim: Title: text", line breaks made blanks.
  static QString LogLine(const MessageBoxRequest& request);

  QMessageBox::StandardButton Answer(const MessageBoxRequest& request) override;

 private:
  std::FILE* log_;
  QStringList taken_;
  MessageBoxAnswerer* previous_;
};
