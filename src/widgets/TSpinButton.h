#pragma once

#include <QWidget>

class QToolButton;

// A pair of small up and down arrow buttons beside a field, to step its value.
class TSpinButton : public QWidget {
  Q_OBJECT

 public:
  explicit TSpinButton(QWidget* parent = nullptr);

  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 signals:
  void UpClick();
  void DownClick();

 private:
  QToolButton* up_;
  QToolButton* down_;
};
