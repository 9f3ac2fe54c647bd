#include <QApplication>
#include <QStringList>

#include "DoorTrimApp.h"
#include "StartOptions.h"

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
  DoorTrimApp::NameTheApplication();
  const StartOptions options = StartOptions::Parse(QCoreApplication::arguments());
  if (!options.Error().isEmpty()) return options.AnswerInText();
  DoorTrimApp app;
  app.Start(options);
  return QApplication::exec();
}
