#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "CommandLock.h"
#include "DoorCommands.h"
#include "io/DoorFileResult.h"
#include "lang/TextCatalogue.h"

class AboutBox;
class BalanceWindow;
class DoorDocument;
class FileDialogTitle;
class HelpBrowser;
class HistoryActions;
class MacroServer;
class ProjectionsDialog;
class QAction;
class QDBusConnection;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
struct DisplayFlags;
struct ViewSettings;

// The main window: a small fixed switchboard. It shows the door's trawling mode and switches it,
// opens every input dialog and the balance window, keeps the door in its file and offers Undo
// and Redo over the door's history. Its title names the door's file and shows "*" while the
// door differs from it; whatever would replace the door (Open, a recent door, a dropped file,
// Exit) asks first whether to save it.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // What the window works with besides the door and the display flags.
  struct Services {
    HelpBrowser& Help;
    AboutBox& About;
    DoorCommands& Dialogs;
    ProjectionsDialog& Projections;
    BalanceWindow& Balance;
  };

  MainWindow(DoorDocument& document, DisplayFlags& flags, const Services& services);
  ~MainWindow() override;

  // The file the door was last read from or saved to; empty for a new door.
  const QString& FileName() const;

  // The texts this window builds itself (the close question, the save dialog's
  // title, a file's error titles, the names of its steps).
  // The built texts of the language shown, passed on to the about box and the help window.
  void SetTexts(const TextCatalogue& texts);
  const TextCatalogue& Texts() const { return texts_; }

  // Reads a door data file in place of the door, as File > Open does once the file is chosen
  // and the close question answered. On failure the loader's message is shown and the door
  // stays as it was.
  bool OpenFile(const QString& path);
  // Opens a door in place of the one open (File > Open, a dropped file, a recent door): asks
  // the close question first when the door holds unsaved changes, and opens nothing when the
  // user cancels or a save fails.
  bool OpenAfterCloseQuestion(const QString& path);
  // Stores the door in its file; without a file name yet, asks for one as Save As does.
  bool Save();
  // Asks for a file name and stores the door there.
  bool SaveAs();

  // Runs a dialog button's command. A command whose button is disabled (the keel dialogs in
  // midwater, everything while a search runs) does nothing.
  void RunCommand(DoorCommands::Command command);
  bool CommandEnabled(DoorCommands::Command command) const;

  // The Picture menu: the door's pictures become the program's drawings of a door shape, as
  // one step of its history.
  void ShowDoorShape(const QString& shape);
  // Marks in the Picture menu the shape whose drawings the door shows, if any.
  void MarkDoorShape();

  // The mode buttons: the door's trawling mode, as one step of its history.
  void onBottomTrawlingClicked();
  void onMidwaterTrawlingClicked();
  // The macro interface: the server offers this window's hooks below on the bus. Empty on
  // success, else why the program runs without it.
  QString StartMacroServer(const QDBusConnection& bus, const QString& busName);
  MacroServer* Macros() const { return macroServer_; }
  // Reads a door data file as a step of the door's history, for a caller that cannot ask the
  // close question (the macro interface): undoing it brings the door before back. Says nothing
  // on failure: the result tells what went wrong, and the door stays as it was.
  DoorFileResult LoadDoorFile(const QString& path);
  // Runs the balance window's balance command without showing the window; `found` runs once
  // the search has ended (the visible relaxation ends later), with what it found. Not when
  // `context` is gone by then.
  struct BalanceFound {
    QString Angles;         // the texts of the three angle fields x, y and z, "x y z"
    bool Balanced = false;  // the door balanced where the search ended
    QString Reached;        // the angles the search reached, "x y z", also those a field refused
  };
  void BalanceWithoutWindow(const QObject* context, std::function<void(const BalanceFound&)> found);
  // What the Balance button does, without waiting in a loop of its own: the balance window
  // opens modally, and `closed` runs once it has closed (unless `context` is gone by then).
  void OpenBalanceWindow(const QObject* context, std::function<void()> closed);
  // Closes the balance window OpenBalanceWindow opened, as its window's close button does.
  void CloseBalanceWindow();
  bool BalanceSearchRunning() const;

  // While a search turns the door, the commands that would change it (open a file, switch
  // the mode, open a dialog, undo) are out of use and say so in their tips.
  void SetEditingLocked(bool locked, const QString& reason);
  bool EditingLocked() const { return editingLocked_; }

  // The window settings a door data file carries: applied to the windows after a file is read,
  // collected from them before one is written.
  void ApplyViewSettings(const ViewSettings& view);
  ViewSettings CollectViewSettings() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildMenus();
  void BuildPanels();
  // Adds a row of a picture and its button to a group of dialog buttons.
  QPushButton* AddButton(QGroupBox* group, const QString& imageName, const QString& buttonName,
                         const QString& caption, const QString& icon, const QString& hint);
  // The keel buttons are enabled only in bottom trawling.
  void UpdateDialogButtons();
  // The mode buttons, the keel buttons and the title follow the door.
  void FollowDoor();
  void UpdateCaption();
  void SetBottomTrawling(bool bottom);
  // The close question: whether the door may be given up (saving first when the user says so).
  bool MayClose();
  bool WriteTo(const QString& path);
  void ReportFileError(const DoorFileResult& result, const QString& title);

  DoorDocument& document_;
  DisplayFlags& flags_;
  const Services services_;
  TextCatalogue texts_ = TextCatalogue::English();
  QRadioButton* bottomButton_ = nullptr;
  QRadioButton* midwaterButton_ = nullptr;
  std::vector<QPushButton*> dialogButtons_;  // in the order of Command
  QPushButton* exitButton_ = nullptr;
  QAction* openItem_ = nullptr;
  HistoryActions* history_ = nullptr;
  FileDialogTitle* openDialogTitle_ = nullptr;  // OpenDialog1's title
  bool editingLocked_ = false;
  std::unique_ptr<CommandLock> editingLock_;  // the reason of the running search
  MacroServer* macroServer_ = nullptr;        // a child of this window, once started
};
