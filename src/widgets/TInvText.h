#pragma once

#include <QString>
#include <QWidget>

// A text that a window keeps for code to read, set by the language files like a caption.
// It is never shown: it only holds its text.
class TInvText : public QWidget {
  Q_OBJECT

 public:
  explicit TInvText(const QString& name, const QString& caption, QWidget* parent);

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption) { caption_ = caption; }

 private:
  QString caption_;
};
