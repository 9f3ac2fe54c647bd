#include "TextFileWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

TextFileWindow::TextFileWindow(QWidget* parent) : QWidget(parent) {
  setObjectName("TextFileWindow");
  if (parent) setWindowFlag(Qt::Window);  // a window of its own beside the one that opened it

  Text = new QPlainTextEdit(this);
  Text->setObjectName("FileText");
  Text->setReadOnly(true);
  Text->setLineWrapMode(QPlainTextEdit::NoWrap);  // report columns line up
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  Text->setFont(font);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Text);
  resize(720, 560);
}

bool TextFileWindow::ShowFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QString text = QString::fromUtf8(file.readAll());
  setWindowTitle(QFileInfo(path).absoluteFilePath());
  show();
  raise();
  activateWindow();
  // Filled once shown, so that the end is scrolled to at the window's real size.
  Text->setPlainText(text);
  Text->moveCursor(QTextCursor::End);
  Text->ensureCursorVisible();
  Text->verticalScrollBar()->setValue(Text->verticalScrollBar()->maximum());
  return true;
}

void TextFileWindow::keyPressEvent(QKeyEvent* event) {
  // Escape closes the window, as it closes a dialog.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}
