#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "BalanceUi.h"
#include "CommandLock.h"
#include "DisplayFlags.h"
#include "drawing/ViewScale.h"
#include "lang/LanguageFile.h"
#include "lang/TextCatalogue.h"
#include "model/BalanceAngles.h"
#include "model/TBoard.h"

class BalanceDetailsWindow;
class BalanceSearch;
class CalculatorLauncher;
class DoorCommands;
class DoorDocument;
class HelpBrowser;
class HistoryActions;
class DoorReportSource;
class PrintedReport;
class QPagedPaintDevice;
class QAction;
class SweepWindow;
class TargetWindow;
class OperatingMapWindow;
class TextFileWindow;
class ValueEntryDialog;
struct ViewSettings;

// The balance window: the door in the position of its balance angles, its moments, stability
// derivatives, forces and attack angle, the three views, and the balance search. It follows
// the door's document: its rotation fields show the door's angles, a committed angle changes
// them as one step of the door's history, a search ends by storing the angles it reached as
// one step, and every change of the door (from any window, an undo, a file) is evaluated and
// shown. The mechanics it evaluates is its own copy of the door (Model), which the details
// window, the sweep and the printed report read.
class BalanceWindow : public QDialog {
  Q_OBJECT

 public:
  // What the window uses besides the door and the display flags: the help, the calculator,
  // the enter-a-value dialog of its solver sensitivity, the dialogs of its Dialogs menu, and
  // the language file of the language shown, whose texts the printed report copies.
  struct Services {
    HelpBrowser& Help;
    CalculatorLauncher& Calculator;
    ValueEntryDialog& AskAny;
    DoorCommands& Commands;
    std::function<std::string()> LanguageFile;
  };

  BalanceWindow(DoorDocument& document, DisplayFlags& flags, const Services& services);
  ~BalanceWindow() override;

  // Why the commands that edit the door are out of use while a search runs, in the language
  // shown.
  QString SearchLockReason() const;
  // The visible relaxation ends when |Mx| + |My| + |Mz| falls below this, N*m.
  static constexpr long double kRelaxationTolerance = 1.0L;
  // ... or after this many steps.
  static constexpr int kRelaxationSteps = 1000;

  // Takes angles typed into the rotation fields as a step of the door's history, evaluates the
  // door at them, refreshes every result field and redraws the three views.
  void onUpdateClicked();
  // Redraws the three views from the evaluation as it stands.
  void RedrawViews();
  // The Balance button: starts the search, or stops a running one. The solver runs to its
  // end at once; the visible relaxation takes one step per turn of the event loop. Either way
  // the angles reached become the door's when the search ends.
  void onBalanceClicked();
  // Bottom Case: switches the door's trawling mode, as one step of its history.
  void onBottomCaseClicked();

  // The door's mechanics in this window, evaluated at the angles shown.
  const TBoard& Model() const { return board_; }
  // The divisor of the search's angle steps, as Solver sensitivity sets it.
  void SetSensitivity(long double sensitivity) { board_.SetSensitivity(sensitivity); }
  // The door as it is, evaluated at the angles shown: the window follows its document. Called
  // by itself on every change of the door; a trial of the single variable calls it to end.
  void FollowDoor();
  // Evaluates the door with main parameter `index` at `value` instead of its own, at the
  // angles shown, and shows the results (the door itself is not changed): the moments there.
  XYZ TryVariable(int index, long double value);

  // The display switches a data file carries (the angles are the door's).
  void ApplyViewSettings(const ViewSettings& view);
  void CollectViewSettings(ViewSettings& view) const;

  // The texts this window builds itself (report, sensitivity dialog, the names of
  // its steps), in the language in use. The sweep window follows.
  void SetTexts(const TextCatalogue& texts);
  const TextCatalogue& Texts() const { return texts_; }
  // The language file's texts for the sweep window, which is made when first opened: it
  // takes them then, or at once when it is already open.
  void SetSweepTranslation(LanguageFile::Section section);

  // How a text file is opened in the desktop's text editor; the opener returns false when
  // the desktop cannot, and the log is then shown in the program's own text window.
  using TextFileOpener = std::function<bool(const QString& path)>;
  void SetTextFileOpener(TextFileOpener opener) { openTextFile_ = std::move(opener); }

  // How the last search ended: whether the door balanced there, and the angles the search
  // reached, which a rotation field may have refused as beyond its range (the door then did
  // not balance, and the field holds its default).
  struct SearchOutcome {
    bool Balanced = false;
    BalanceAngles Reached;
  };
  const SearchOutcome& LastSearch() const { return lastSearch_; }

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
  SweepWindow* Sweep() const { return sweepWindow_; }
  // The target window and the operating map window of the door shown.
  TargetWindow& Target() const { return *target_; }
  OperatingMapWindow& OperatingMapView() const { return *operatingMap_; }
  // Options > Precise ground contact: every evaluation of the door in this window and in the
  // windows that copy its door finds the keel's sinking depth to full precision.
  bool PreciseGround() const { return board_.PreciseGround(); }
  // The details window of the evaluation shown.
  BalanceDetailsWindow& Details() const { return *details_; }
  // The window's Edit menu over the door's history.
  const HistoryActions& History() const { return *history_; }

  // Print: the printed report in a print preview window; returns when it is closed.
  void PrintReport();
  // The pages the preview shows, onto any paged device (a PDF file); false when the device
  // cannot be painted on.
  bool PrintTo(QPagedPaintDevice& device);
  // The door's file name, which heads the printed pages; empty for a door not saved yet.
  QString DoorFileName() const;
  // The printed report, which remembers its layout from one printing to the next.
  const PrintedReport& Report() const { return *report_; }

 signals:
  // A search started (true) or ended (false); the program's other windows lock and unlock
  // their commands that edit the door. When it ended the door holds the angles reached.
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
  void StepAngle(ValidatedField* field, long double delta);
  // The angles the rotation fields hold.
  BalanceAngles ShownAngles() const;
  // Angles typed into the fields become the door's; false when they are the door's already.
  bool CommitAngles();
  // Evaluates the door at the shown angles (with the stability derivatives unless a visible
  // relaxation is running) and shows the results.
  void EvaluateShown();
  void BeginSearch();
  // Ends a running search where it got: the door takes the angles reached, the fields and the
  // views show them, and the commands come back.
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
  void onPreciseGroundToggled(bool on);
  // Shows one of the analysis windows this window owns, in front.
  static void Present(QDialog& window);
  void onSweepClicked();
  void onSaveViewsClicked();
  // The printed report's source: the door as its document holds it, at its balance angles,
  // with the windows' display switches and the language shown.
  std::unique_ptr<DoorReportSource> MakeReportSource();

  DoorDocument& document_;
  DisplayFlags& flags_;
  const Services services_;
  TBoard board_;  // the door evaluated at the angles shown
  BalanceUi ui_;
  ViewScale scale_;
  std::array<long double, 3> angleRad_{0, 0, 0};
  bool stabilityOn_ = true;
  bool balanceRunning_ = false;
  SearchOutcome lastSearch_;
  // The door changed while the window was hidden: it follows when it is next used.
  bool followPending_ = false;
  int relaxationSteps_ = 0;
  int relaxationStepLimit_ = kRelaxationSteps;
  bool redrawPending_ = false;
  std::unique_ptr<BalanceDetailsWindow> details_;
  HistoryActions* history_ = nullptr;
  TextFileWindow* logWindow_ = nullptr;  // made when first needed
  SweepWindow* sweepWindow_ = nullptr;   // made when first needed
  TargetWindow* target_ = nullptr;
  OperatingMapWindow* operatingMap_ = nullptr;
  std::optional<LanguageFile::Section> sweepTranslation_;  // none: the design texts
  TextCatalogue texts_ = TextCatalogue::English();
  TextFileOpener openTextFile_;
  std::unique_ptr<BalanceSearch> relaxation_;  // while the visible relaxation runs
  QTimer relaxationTimer_;
  CommandLock editingLock_{QString()};
  std::unique_ptr<PrintedReport> report_;
};
