#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;

// The program's own read-only window for a text file, for a desktop that has no text editor
// to open it with: the file in a fixed-pitch font, scrolled to its end, where a log keeps its
// newest text, and titled with the file's full path.
class TextFileWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TextFileWindow(QWidget* parent = nullptr);

  // Shows the file as it is now and brings the window forward. Returns false (and shows
  // nothing) when the file cannot be read.
  bool ShowFile(const QString& path);

  QPlainTextEdit* Text = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
