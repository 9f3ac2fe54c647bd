#include <QApplication>
#include <QDBusConnection>
#include <cstdio>

#include "DoorTrimApp.h"
#include "TMain_f.h"
#include "macro/MacroCommand.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  DoorTrimApp::NameTheApplication();
  DoorTrimApp app;
  // Other programs drive this one over the session bus; without it (no bus, or the name
  // taken by another copy) the program runs all the same and says so here, once.
  const QString busName = QString::fromStdString(
      MacroBusName(QCoreApplication::applicationFilePath().toStdString()));
  const QString problem = app.Main().StartMacroServer(QDBusConnection::sessionBus(), busName);
  if (!problem.isEmpty()) {
    std::fprintf(stderr, "doortrim: %s; running without the macro server\n",
                 qUtf8Printable(problem));
  }
  app.Main().show();
  return QApplication::exec();
}
