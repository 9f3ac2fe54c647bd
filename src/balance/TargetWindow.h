#pragma once

#include <QDialog>
#include <atomic>
#include <memory>
#include <optional>

#include "BuiltTexts.h"
#include "analysis/TargetSolver.h"
#include "lang/TextCatalogue.h"
#include "model/DoorInputs.h"

class DoorDocument;
class HelpBrowser;
class QKeyEvent;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QThread;
class TBoard;

// The target window ("Target ..."): the value of one setting of the door (a main parameter or
// an environment value) between two ends that brings the balanced door to a wing attack angle,
// a heel or a pitch. The search runs on a thread of its own on a copy of the door from its
// balance angles, so the window stays responsive; it tells whether the value was found, the value
// that came nearest and why where it was not, the balances and evaluations it took, and the balance
// reached. Apply stores the value found, with the balance it gives, as one step of the door's
// history. A result belongs to the door it was found for: once the door changes it can no
// longer be applied.
class TargetWindow : public QDialog {
  Q_OBJECT

 public:
  // `settings` is the balance window's door, whose ground contact and search sensitivity the
  // search uses; the door searched is the document's.
  // The help page of the window, F1 or Help.
  static constexpr char kHelpTopic[] = "doors_analysis#target";

  TargetWindow(const TBoard& settings, DoorDocument& document, HelpBrowser& help,
               QWidget* parent = nullptr);
  ~TargetWindow() override;

  // The program's built texts in the language shown: the settings' names.
  void SetTexts(const TextCatalogue& texts);

  void onSolveClicked();
  void onApplyClicked();

  bool Running() const { return worker_ != nullptr; }
  // The last search's result, nothing before the first or once the door is another.
  const std::optional<TargetSolver::Result>& Result() const { return result_; }
  // The result can be applied: it was found, for the door as it is, and nothing else is
  // turning the door.
  bool CanApply() const;
  // While the balance window's search turns the door, no value is stored in it.
  void SetEditingLocked(bool locked);

 signals:
  // A search ended; its result is on show.
  void solveEnded();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void AddTexts();
  void onSettingChanged();
  void onSolveFinished();
  void ShowResult();
  void RefreshTexts();
  TargetQuantity Quantity() const;
  QString QuantityName(TargetQuantity quantity) const;
  // Stops a running search and waits for its thread: used when the window goes.
  void StopWorker();

  const TBoard& settings_;
  DoorDocument& document_;
  HelpBrowser& help_;
  BuiltTexts texts_;
  QComboBox* setting_ = nullptr;
  QDoubleSpinBox* from_ = nullptr;
  QDoubleSpinBox* to_ = nullptr;
  QComboBox* quantity_ = nullptr;
  QDoubleSpinBox* target_ = nullptr;
  QPushButton* solve_ = nullptr;
  QPushButton* apply_ = nullptr;
  QLabel* outcome_ = nullptr;
  QLabel* details_ = nullptr;

  // The search: its own copy of the door, run on worker_.
  std::unique_ptr<TargetSolver> solver_;
  std::optional<TargetSolver::Result> pending_;  // written by the worker, read once it ends
  QThread* worker_ = nullptr;

  std::optional<TargetSolver::Result> result_;
  // What the result was found for and with.
  DoorInputs solvedDoor_;
  EditableField solvedSetting_{};
  TargetQuantity solvedQuantity_ = TargetQuantity::Attack;
  bool editingLocked_ = false;
  long double solvedTarget_ = 0;
};
