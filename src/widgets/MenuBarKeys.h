#pragma once

#include <QObject>

class QMenuBar;
class QWidget;

// The keys that reach a window's menu bar without a mouse. The toolkit already answers Alt
// (the bar takes the focus, its first title marked) and Alt with a title's underlined letter
// (that menu opens); F10, which desktops use to open the first menu, it leaves to the program.
// This adds F10 for the window the bar belongs to.
class MenuBarKeys : public QObject {
  Q_OBJECT

 public:
  // Joins `window`, which owns it, and its menu bar.
  MenuBarKeys(QWidget& window, QMenuBar& bar);

  // Opens the bar's first menu in use, its first item marked; nothing when none is in use.
  void OpenFirstMenu();

 private:
  QMenuBar& bar_;
};
