#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "CommandLock.h"
#include "DoorCommands.h"
#include "io/DoorFileResult.h"

class DoorTrimApp;
class FileDialogTitle;
class MacroServer;
class QAction;
class QDBusConnection;
class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The main window: a small fixed switchboard. It holds the choice between bottom and midwater
// trawling, opens every input dialog and the balance window, and keeps the door's file.
// It carries out the door commands that the balance window's menus offer too.
class MainWindow : public QMainWindow, public DoorCommands {
  Q_OBJECT

 public:
  explicit MainWindow(DoorTrimApp& app);

  // The file the door was last read from or saved to; empty for a new door.
  const QString& FileName() const { return fileName_; }

  // Language of the texts this window builds itself (the close question, the save dialog's
  // title, a file's error titles): 0 English, 1 Russian.
  void SetLanguageIndex(int index) { languageIndex_ = index; }
  int LanguageIndex() const { return languageIndex_; }

  // Reads a door data file into the model, as File > Open does after its dialog. On failure
  // the loader's message is shown and door, caption and mode stay as they were.
  bool OpenFile(const QString& path);
  // Opens a door in place of the one open (a dropped file, a recent door): asks the close
  // question first when the open door holds unsaved changes, and opens nothing when the
  // user cancels or a save fails.
  bool OpenAfterCloseQuestion(const QString& path);
  // Stores the door in its file; without a file name yet, asks for one as Save As does.
  bool Save();
  // Asks for a file name and stores the door there.
  bool SaveAs();

  // Shows a dialog modally and recomputes the derived geometry when it closes, whatever its
  // result: every dialog button does this.
  int RunDialog(QDialog& dialog);

  // Runs a dialog button's command: shows its dialog modally, then recomputes the geometry.
  // A command whose button is disabled (the keel dialogs in midwater) does nothing.
  void RunCommand(Command command) override;
  bool CommandEnabled(Command command) const;

  // Shows one of the door shapes of the Picture menu in the projections dialog.
  void ShowDoorShape(const QString& shape);

  void onBottomTrawlingClicked();
  void onMidwaterTrawlingClicked();
  // The macro interface: the server offers this window's hooks below on the bus. Empty on
  // success, else why the program runs without it.
  QString StartMacroServer(const QDBusConnection& bus, const QString& busName);
  MacroServer* Macros() const { return macroServer_; }
  // Reads a door data file as File > Open does, but says nothing on failure: the result
  // tells what went wrong, and door, caption and mode stay as they were.
  DoorFileResult LoadDoorFile(const QString& path);
  // Runs the balance window's balance command without showing the window; the texts of its
  // three angle fields x, y and z, joined by single blanks.
  QString BalanceWithoutWindow();
  // What the Balance button does, without waiting in a loop of its own: the balance window
  // opens modally, and `closed` runs once it has closed and the geometry is recomputed
  // (unless `context` is gone by then).
  void OpenBalanceWindow(const QObject* context, std::function<void()> closed);
  bool BalanceSearchRunning() const;

  void SetBottomTrawling(bool bottom) override;

  // While a search turns the door, the commands that would change it (open a file, switch
  // the mode, open a dialog) are out of use and say so in their tips.
  void SetEditingLocked(bool locked, const QString& reason);
  bool EditingLocked() const { return editingLocked_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildMenus();
  void BuildPanels();
  // Adds a row of a picture and its button to a group of dialog buttons.
  QPushButton* AddButton(QGroupBox* group, const QString& imageName, const QString& buttonName,
                         const QString& caption, const QString& icon, const QString& hint);
  // The keel buttons are enabled only in bottom trawling.
  void UpdateDialogButtons();
  void ShowModeFromModel();
  void UpdateCaption();
  // The close question: whether the window may close (saving first when the user says so).
  bool MayClose();
  bool WriteTo(const QString& path);
  void ReportFileError(const DoorFileResult& result, const QString& title);
  QDialog& DialogOf(Command command);

  DoorTrimApp& app_;
  QString fileName_;
  int languageIndex_ = 0;
  QRadioButton* bottomButton_ = nullptr;
  QRadioButton* midwaterButton_ = nullptr;
  std::vector<QPushButton*> dialogButtons_;  // in the order of Command
  QPushButton* exitButton_ = nullptr;
  QAction* openItem_ = nullptr;
  FileDialogTitle* openDialogTitle_ = nullptr;  // OpenDialog1's title
  bool editingLocked_ = false;
  std::unique_ptr<CommandLock> editingLock_;  // the reason of the running search
  MacroServer* macroServer_ = nullptr;        // a child of this window, once started
};
