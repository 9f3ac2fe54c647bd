#pragma once

#include <functional>

#include <QString>

class QFileDialog;
class QWidget;

// Answers the next modal window the code under test opens: once it is the active modal
// widget, `answer` runs on it (read its text, press a button, type into it). Polls until the
// modal appears, for at most timeoutMs: long, so that a loaded machine never gives up before
// the window comes (a watch left waiting ends with its test).
//
// Message boxes and file dialogs of the program are answered through their seams instead
// (MessageBoxScript, FileDialogScript), without a window; this is for modal windows, and for
// the few tests that answer the real boxes and dialogs as a user sees them.
void AnswerNextModal(std::function<void(QWidget* modal)> answer, int timeoutMs = 60000);

// Drops every watch still waiting for a modal window. The test runner calls it after each
// test, so no watch (and no reference it holds into a finished test) outlives its test.
void CancelModalAnswers();

// Convenience for message boxes: remembers the box's text in *text (when given) and presses
// the given QMessageBox::StandardButton, or accepts the box when it has no such button.
void AnswerMessageBox(int standardButton, QString* text = nullptr, int timeoutMs = 60000);

// Chooses `path` in an open file dialog the way a user does, by typing it into the file name
// box and accepting. A dialog that stays open (the path refused) is a test failure, and the
// dialog is cancelled so the test goes on instead of waiting forever.
void ChooseInFileDialog(QFileDialog* dialog, const QString& path);
