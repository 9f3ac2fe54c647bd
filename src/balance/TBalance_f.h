#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "BalanceUi.h"
#include "DisplayFlags.h"
#include "drawing/ViewScale.h"

class CalculatorLauncher;
class DoorCommands;
class DoorDocument;
class HelpBrowser;
class QAction;
class TAskAny;
class TBDetail_f;
class TBoard;
class TextFileWindow;
struct ViewSettings;

// The balance window: the door in a position given by three rotation angles, its moments,
// stability derivatives, forces and attack angle, the three views, and the balance search.
// It keeps no door data of its own: the angles live in the door model.
class TBalance_f : public QDialog {
  Q_OBJECT

 public:
  // What the window uses besides the door and the display flags: the help, the calculator,
  // the enter-a-value dialog of its solver sensitivity, the details window, and the commands
  // of its Dialogs menu and Bottom Case item, which the main window carries out.
  struct Services {
    HelpBrowser& Help;
    CalculatorLauncher& Calculator;
    TAskAny& AskAny;
    TBDetail_f& Details;
    DoorCommands& Commands;
  };

  TBalance_f(DoorDocument& document, DisplayFlags& flags, const Services& services);

  // Evaluates the door at the angles of the fields, refreshes every result field and
  // redraws the three views.
  void UpdateButtonClick();
  // Redraws the three views from the model as it stands, without evaluating.
  void FormPaint();
  // The Balance button: starts the search, or stops a running one.
  void SpeedButton1Click();
  void MnuBottomClick();

  // The angles and display switches a data file carries.
  void ApplyViewSettings(const ViewSettings& view);
  void CollectViewSettings(ViewSettings& view) const;

  // Language of the texts this window builds itself (report, sensitivity dialog): 0 English,
  // 1 Russian.
  int LanguageIndex = 0;

  // Opens a text file in the desktop's text editor; false when the desktop cannot. The log
  // is then shown in the program's own text window.
  std::function<bool(const QString& path)> OpenTextFile;

  const BalanceUi& Ui() const { return ui_; }
  // The scale of the last drawing of the three views.
  const ViewScale& Scale() const { return scale_; }
  bool BalanceRunning() const { return balanceRunning_; }
  // Steps taken by the last visible relaxation.
  int RelaxationSteps() const { return relaxationSteps_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void done(int result) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void ConnectCommands();
  void UpdateKeelItems();
  void ConnectDisplayToggle(QAction* item, QAction* twin, bool DisplayFlags::*flag);
  void StepAngle(TEditF* field, long double delta);
  void RunRelaxation(long double x, long double y, long double z);
  void RunSolver(long double x, long double y, long double z);
  void ShowAngles(long double x, long double y, long double z);
  void ShowLogFile();
  void ClearLogFile();
  void AskSensitivity();
  void ScheduleRedraw();

  TBoard& board_;  // the document's door
  DisplayFlags& flags_;
  const Services services_;
  BalanceUi ui_;
  ViewScale scale_;
  std::array<long double, 3> angleRad_{0, 0, 0};
  bool stabilityOn_ = true;
  bool balanceRunning_ = false;
  int relaxationSteps_ = 0;
  bool redrawPending_ = false;
  TextFileWindow* logWindow_ = nullptr;  // made when first needed
};
