#include "StartOptions.h"

#include <QCommandLineParser>
#include <cstdio>

#include "install/DataPaths.h"
#include "install/ProgramVersion.h"

namespace {

const QStringList kTextOnly = {"--version", "-v", "--help", "-h", "--data-folders"};

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

}  // namespace

bool StartOptions::WantsTextOnly(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (kTextOnly.contains(arguments[i])) return true;
  }
  return false;
}

StartOptions StartOptions::Parse(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription("DoorTrim: balance position of a trawl otter board");
  const QCommandLineOption version({"v", "version"}, "Print the version and exit.");
  const QCommandLineOption help({"h", "help"}, "Print this help and exit.");
  const QCommandLineOption dataFolders(
      "data-folders", "Print where the language files, help pages and sample doors are, and exit.");
  parser.addOption(version);
  parser.addOption(help);
  const QCommandLineOption noDialogs(
      "no-dialogs",
      "Show no message boxes: write every message to standard error instead, so that a script "
      "that started the program never waits for a person.");
  parser.addOption(dataFolders);
  parser.addOption(noDialogs);
  parser.addPositionalArgument("FILE.brd", "The door data file to open.", "[FILE.brd]");

  StartOptions options;
  options.helpText_ = parser.helpText();
  if (!parser.parse(arguments)) {
    options.error_ = parser.errorText();
    return options;
  }
  options.showVersion_ = parser.isSet(version);
  options.showHelp_ = parser.isSet(help);
  options.showDataFolders_ = parser.isSet(dataFolders);
  options.noDialogs_ = parser.isSet(noDialogs);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    options.error_ = "Only one door file can be opened; found " + QString::number(files.size()) +
                     ": " + files.join(", ");
  } else if (files.size() == 1) {
    options.file_ = files.front();
  }
  return options;
}

int StartOptions::AnswerInText() const {
  if (!error_.isEmpty()) {
    Print(stderr, "doortrim: " + error_ + "\n");
    return 2;
  }
  if (showHelp_) {
    Print(stdout, helpText_);
    return 0;
  }
  if (showVersion_) Print(stdout, QString("doortrim ") + kProgramVersion + "\n");
  if (showDataFolders_) {
    const DataPaths paths = DataPaths::ForRunningProgram();
    if (!paths.Found()) {
      Print(stderr,
            "doortrim: the language files, help pages and sample doors were not found beside "
            "the program; is it installed completely?\n");
      return 2;
    }
    Print(stdout, "Language files: " + QString::fromStdString(paths.Languages().string()) + "\n" +
                      "Help pages:     " + QString::fromStdString(paths.Help().string()) + "\n" +
                      "Sample doors:   " + QString::fromStdString(paths.Samples().string()) + "\n");
  }
  return 0;
}
