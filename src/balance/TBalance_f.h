#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "BalanceUi.h"
#include "CommandLock.h"
#include "DisplayFlags.h"
#include "drawing/ViewScale.h"
#include "lang/LanguageFile.h"

class BalanceSearch;
class CalculatorLauncher;
class DoorCommands;
class DoorDocument;
class HelpBrowser;
class PrintedReport;
class QAction;
class TAskAny;
class TBDetail_f;
class TSweep_f;
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
  ~TBalance_f() override;

  // Why the commands that edit the door are out of use while a search runs.
  static const QString kSearchLockReason;
  // The visible relaxation ends when |Mx| + |My| + |Mz| falls below this, N*m.
  static constexpr long double kRelaxationTolerance = 1.0L;
  // ... or after this many steps.
  static constexpr int kRelaxationSteps = 1000;

  // Evaluates the door at the angles of the fields, refreshes every result field and
  // redraws the three views.
  void onUpdateClicked();
  // Redraws the three views from the model as it stands, without evaluating.
  void RedrawViews();
  // The Balance button: starts the search, or stops a running one. The solver runs to its
  // end at once; the visible relaxation takes one step per turn of the event loop.
  void onBalanceClicked();
  void onBottomCaseClicked();

  // The angles and display switches a data file carries.
  void ApplyViewSettings(const ViewSettings& view);
  void CollectViewSettings(ViewSettings& view) const;

  // Language of the texts this window builds itself (report, sensitivity dialog): 0 English,
  // 1 Russian.
  // The sweep window follows.
  void SetLanguageIndex(int index);
  int LanguageIndex() const { return languageIndex_; }
  // The language file's texts for the sweep window, which is made when first opened: it
  // takes them then, or at once when it is already open.
  void SetSweepTranslation(LanguageFile::Section section);

  // How a text file is opened in the desktop's text editor; the opener returns false when
  // the desktop cannot, and the log is then shown in the program's own text window.
  using TextFileOpener = std::function<bool(const QString& path)>;
  void SetTextFileOpener(TextFileOpener opener) { openTextFile_ = std::move(opener); }

  const BalanceUi& Ui() const { return ui_; }
  // The scale of the last drawing of the three views.
  const ViewScale& Scale() const { return scale_; }
  bool BalanceRunning() const { return balanceRunning_; }
  // The commands of this window that edit the door: out of use while a search runs.
  std::vector<QObject*> EditingCommands() const;
  // Steps taken by the last visible relaxation.
  int RelaxationSteps() const { return relaxationSteps_; }
  // The most steps a visible relaxation takes (kRelaxationSteps unless set otherwise): a
  // test of the limit sets a few instead of watching a thousand steps drawn.
  int RelaxationStepLimit() const { return relaxationStepLimit_; }
  void SetRelaxationStepLimit(int steps) { relaxationStepLimit_ = steps; }
  // The sweep window, once "Sweep ..." has opened it.
  TSweep_f* SweepWindow() const { return sweepWindow_; }

  // Print: the printed report in a print preview window; returns when it is closed.
  void PrintReport();
  // The printed report, which remembers its layout from one printing to the next.
  const PrintedReport& Report() const { return *report_; }

 signals:
  // A search started (true) or ended (false); the program's other windows lock and unlock
  // their commands that edit the door.
  void searchRunningChanged(bool running);
  // The print preview window is about to show.
  void reportPreviewOpened(QDialog* preview);

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
  void BeginSearch();
  // Ends a running search where it got: the fields, the door and the views show its last
  // position, and the commands come back.
  void FinishSearch();
  void StartRelaxation(long double x, long double y, long double z);
  void onRelaxationTick();
  void SetEditingLocked(bool locked);
  void ShowAngles(long double x, long double y, long double z);
  void ShowLogFile();
  void ClearLogFile();
  void AskSensitivity();
  void ScheduleRedraw();
  void onFastSolverToggled(bool on);
  void onSweepClicked();
  void onSaveViewsClicked();

  TBoard& board_;  // the document's door
  DisplayFlags& flags_;
  const Services services_;
  BalanceUi ui_;
  ViewScale scale_;
  std::array<long double, 3> angleRad_{0, 0, 0};
  bool stabilityOn_ = true;
  bool balanceRunning_ = false;
  int relaxationSteps_ = 0;
  int relaxationStepLimit_ = kRelaxationSteps;
  bool redrawPending_ = false;
  TextFileWindow* logWindow_ = nullptr;                    // made when first needed
  TSweep_f* sweepWindow_ = nullptr;                        // made when first needed
  std::optional<LanguageFile::Section> sweepTranslation_;  // none: the design texts
  int languageIndex_ = 0;
  TextFileOpener openTextFile_;
  std::unique_ptr<BalanceSearch> relaxation_;  // while the visible relaxation runs
  QTimer relaxationTimer_;
  CommandLock editingLock_{kSearchLockReason};
  std::unique_ptr<PrintedReport> report_;
};
