#pragma once

#include <QObject>

class QAbstractItemView;
class QWidget;

// Keeps a grid whose Tab key moves between its cells from holding the keyboard: Ctrl+Tab
// goes on to the next control of the window and Ctrl+Shift+Tab back to the one before, as
// they do out of a text box that takes Tab for itself.
class GridTabExit : public QObject {
  Q_OBJECT

 public:
  // Joins every grid of `form` (not those of the windows it owns) that takes Tab for itself.
  static void Install(QWidget& form);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit GridTabExit(QAbstractItemView& grid);
};
