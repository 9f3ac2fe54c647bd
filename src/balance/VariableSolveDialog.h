#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

#include "TVarLink.h"
#include "lang/TextCatalogue.h"
#include "model/MomentCriterion.h"

class DoorDocument;
class HelpBrowser;
class NumberExitCheck;
class QLabel;
class TInvText;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QShowEvent;
class QTimer;
class SingleVariableSearch;
class XYZ;

// "Solve for single variable": searches the marked variable's range for the value that brings
// a moment criterion of the door, in the balance window's position, to zero or as near to it as
// the range allows. The search runs one evaluation per timer turn, showing each value and its
// criterion, so the window stays responsive; its commands wait meanwhile, except Cancel, which
// stops it. The values tried are trials in the balance window, not changes of the door: OK
// gives the door the value found as one step of its history; Cancel leaves the door as it was.
// Store keeps the range shown as one step.
class VariableSolveDialog : public QDialog {
  Q_OBJECT

 public:
  // Evaluates the door, at the balance window's angles, with the variable at a value, shows
  // the results there and returns the moments.
  using Trial = std::function<XYZ(long double value)>;
  // `restore` makes the balance window show the door as it is again.
  VariableSolveDialog(const TVarLink& variable, DoorDocument& document, HelpBrowser& help,
                      Trial trial, std::function<void()> restore, QWidget* parent = nullptr);
  ~VariableSolveDialog() override;

  void onSolveClicked();
  void onStoreClicked();

  // 1 "Sum of all moments" ... 4 "Moments around Z", from the radio buttons.
  MomentCriterion Criterion() const { return criterion_; }
  long double SavedValue() const { return savedValue_; }
  // The value OK gives the door: the one found by the last search, else the door's own.
  long double FoundValue() const { return foundValue_; }
  bool Searching() const;
  // Evaluations of the last search, its ends included.
  int Evaluations() const { return evaluations_; }

  // Language of the message this builds itself and of the names of its steps: 0 English,
  // 1 Russian.
  void SetTexts(const TextCatalogue& texts) { texts_ = texts; }

 signals:
  void SearchFinished();

 public slots:
  void accept() override;  // OK
  void reject() override;  // Cancel, Escape, the close button

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Build();
  void StepSearch();
  void ShowValue(long double value, long double criterion);
  void SetCommandsEnabled(bool enabled);

  QLabel* description_ = nullptr;  // the variable's description
  // Says that the search kept within the field's values, when the range reached past them.
  QLabel* rangeNote_ = nullptr;
  QLabel* outcome_ = nullptr;  // what the last search could not do
  TInvText* noSignChange_ = nullptr;
  QLineEdit* fromField_ = nullptr;
  QLineEdit* toField_ = nullptr;
  QPushButton* storeButton_ = nullptr;
  std::array<QRadioButton*, 4> criterionButtons_{};
  QLineEdit* currentValue_ = nullptr;
  QLineEdit* criterionValue_ = nullptr;
  QPushButton* solveButton_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  TextCatalogue texts_ = TextCatalogue::English();

  TVarLink variable_;
  DoorDocument& document_;
  HelpBrowser& help_;
  Trial trial_;
  std::function<void()> restore_;
  NumberExitCheck* fromCheck_ = nullptr;
  NumberExitCheck* toCheck_ = nullptr;
  QTimer* stepper_ = nullptr;
  std::unique_ptr<SingleVariableSearch> search_;
  MomentCriterion criterion_ = MomentCriterion::Sum;
  long double savedValue_ = 0;
  long double foundValue_ = 0;
  int evaluations_ = 0;
};
