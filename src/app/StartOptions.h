#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The command line of the desktop program: `doortrim [--no-dialogs] [FILE.brd]`, and the requests
// it answers on standard output without opening a window (--version, --help, --data-folders).
class StartOptions {
 public:
  // Reads the arguments, the program's name first, with Qt's own options already taken out.
  static StartOptions Parse(const QStringList& arguments);

  // Whether the raw command line asks only for text: then it is answered before any
  // window system is needed, so it works without a display.
  static bool WantsTextOnly(const QStringList& arguments);
  // Prints what a text-only command line asks for (or its error) and returns the exit status.
  int AnswerInText() const;

  // The door file to open at start.
  const std::optional<QString>& File() const { return file_; }
  // A message naming what is wrong with the arguments; empty when they are sound.
  const QString& Error() const { return error_; }
  // Started by a script: every message goes to standard error instead of a box.
  bool NoDialogs() const { return noDialogs_; }
  bool ShowVersion() const { return showVersion_; }
  bool ShowHelp() const { return showHelp_; }
  bool ShowDataFolders() const { return showDataFolders_; }

 private:
  std::optional<QString> file_;
  QString error_;
  QString helpText_;
  bool noDialogs_ = false;
  bool showVersion_ = false;
  bool showHelp_ = false;
  bool showDataFolders_ = false;
};
