#include <QApplication>
#include <QDBusConnection>
#include <QStringList>
#include <cstdio>
#include <optional>

#include "DoorTrimApp.h"
#include "MainWindow.h"
#include "QuietMessages.h"
#include "SettingsFileCheck.h"
#include "StartOptions.h"
#include "io/TempFileRegistry.h"
#include "macro/MacroCommand.h"

namespace {

QStringList RawArguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  // --version and the like are answered without a window system, so they work without a
  // display (in a package's checks, over ssh).
  if (StartOptions::WantsTextOnly(RawArguments(argc, argv))) {
    QCoreApplication application(argc, argv);
    DoorTrimApp::NameTheApplication();
    return StartOptions::Parse(QCoreApplication::arguments()).AnswerInText();
  }
  QApplication application(argc, argv);
  // A save cut short by Ctrl+C, a hang-up or a kill leaves no hidden temporary file.
  TempFileRegistry::InstallSignalCleanup();
  DoorTrimApp::NameTheApplication();
  const SettingsFileCheck settingsFile;
  if (!settingsFile.Problem().isEmpty())
    std::fprintf(stderr, "doortrim: %s\n", qUtf8Printable(settingsFile.Problem()));
  const StartOptions options = StartOptions::Parse(QCoreApplication::arguments());
  if (!options.Error().isEmpty()) return options.AnswerInText();
  // A script that started the program waits for no person: its messages go to standard error.
  std::optional<QuietMessages> quiet;
  if (options.NoDialogs()) quiet.emplace();
  DoorTrimApp app;
  // Other programs drive this one over the session bus; without it (no bus, or the name
  // taken by another copy) the program runs all the same and says so here, once.
  const QString busName =
      QString::fromStdString(MacroBusName(QCoreApplication::applicationFilePath().toStdString()));
  const QString problem = app.Main().StartMacroServer(QDBusConnection::sessionBus(), busName);
  if (!problem.isEmpty()) {
    std::fprintf(stderr, "doortrim: %s; running without the macro server\n",
                 qUtf8Printable(problem));
  }
  app.Start(options);
  return QApplication::exec();
}
