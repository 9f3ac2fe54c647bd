#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "QtOwnTexts.h"
#include "lang/LanguageFile.h"

class BalanceWindow;
class EnvironmentDialog;
class GroundEditor;
class HydrodynamicEditor;
class KeelGeometryEditor;
class MainWindow;
class ProjectionsDialog;
class QWidget;
class SingleVariablePanel;
class TrawlDialog;
class TextCatalogue;
class VariableBindings;

// The main window's File > Language: switches every translated window to English, Russian
// or Norwegian from the language files, and hands every window that builds texts of its own
// the same file's text sections.
//
// The whole file is read and checked before anything changes: a file that cannot be read,
// has no "[Multiform]" header, is cut short, declares more entries than it holds or lacks a
// window's section gives one message naming the file and the line and leaves every text as
// it was; the choice is then not remembered either. The language chosen is kept in the user's
// settings and chosen again at the next start.
class LanguageSwitch : public QObject {
  Q_OBJECT

 public:
  enum Language { English = 0, Russian = 1, Norwegian = 2 };

  // Every window the switch translates.
  struct Windows {
    MainWindow& Main;
    BalanceWindow& Balance;
    GroundEditor& Ground;
    EnvironmentDialog& Environment;
    HydrodynamicEditor& Hydrodynamic;
    KeelGeometryEditor& KeelGeometry;
    ProjectionsDialog& Projections;
    VariableBindings& Variables;
    SingleVariablePanel& VariablePanel;
    TrawlDialog& Trawl;
  };

  // Joins the main window's Language menu; created after every window.
  explicit LanguageSwitch(const Windows& windows);

  // Switches to `language` (0 English, 1 Russian, 2 Norwegian) and remembers it. False,
  // after the message, when its file could not be used.
  bool Switch(int language);
  // The same with the language's file at `path`.
  bool SwitchWithFile(int language, const QString& path);
  // Switches to the language remembered from the last run, if it is not English: the
  // windows are designed in English. A file that cannot be used then says so once.
  void SwitchToRemembered();
  // The language shown: the one last switched to successfully.
  int Current() const { return current_; }
  // The file of a language, beside the program.
  static QString FileOf(int language);

 private:
  // Marks the language in use in the Language menu.
  void MarkCurrent();
  // The windows that live as long as the program, the main window first.
  std::vector<QWidget*> LastingForms() const;
  // Gives every field its caption's name and names the pictures, for a screen reader.
  void NameControls();
  void NameViews();
  void ApplyAll(const LanguageFile::Result& sections, const TextCatalogue& texts);
  void SetTabCaptions(const TextCatalogue& texts);
  void NameTabScrollButtons(const TextCatalogue& texts);

  const Windows windows_;
  QtOwnTexts qtTexts_;  // the toolkit's buttons and windows in the language shown
  int current_ = English;
};
