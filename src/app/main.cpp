#include <QApplication>

#include "DoorTrimApp.h"
#include "TMain_f.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  DoorTrimApp::NameTheApplication();
  DoorTrimApp app;
  app.Main().show();
  return QApplication::exec();
}
