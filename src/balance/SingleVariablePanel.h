#pragma once

#include <QObject>
#include <optional>

#include "TVarLink.h"
#include "lang/LanguageFile.h"
#include "lang/TextCatalogue.h"

class BalanceWindow;
class DoorDocument;
class HelpBrowser;
class QLabel;
class QLineEdit;
class QWidget;

// The balance window's single variable: attached to the window from outside, it finds the
// variable panel (Panel8 with Label21, Edit14 and SpinButton4) and the "Solve" button by name.
// The panel appears when a variable is marked in the projections dialog and shows the door's
// value of it, whatever changes the door. Its arrows step the door's value by a hundredth of
// the variable's range and a value typed and entered replaces it, each as one step of the
// door's history; "Solve" opens the solve dialog for it.
class SingleVariablePanel : public QObject {
  Q_OBJECT

 public:
  SingleVariablePanel(BalanceWindow& balance, DoorDocument& document, HelpBrowser& help);

  // Shows the panel for the marked variable.
  void ShowVariable(const TVarLink& variable);
  // Shows the variable's hint again, after a language switch changed it.
  void RefreshVariableHint();
  // One click of the spinner: +1 up, -1 down.
  void StepVariable(int direction);
  // The value typed into the panel becomes the door's.
  void onValueEntered();
  // Opens the solve dialog modally for the marked variable; without one, does nothing.
  void onSolveClicked();

  const TVarLink& Variable() const { return variable_; }

  // Language of the solve dialog's message and of the names of the steps: 0 English,
  // 1 Russian.
  void SetTexts(const TextCatalogue& texts) { texts_ = texts; }
  const TextCatalogue& Texts() const { return texts_; }
  // The texts of the solve dialog, which exists only while it is open.
  void SetTranslation(LanguageFile::Section section) { translation_ = std::move(section); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The panel shows the door's value of the variable.
  void ShowValue();
  // The door with the variable at `value`, as one step.
  void SetValue(long double value);

  BalanceWindow& balance_;
  DoorDocument& document_;
  HelpBrowser& help_;
  QWidget* panel_ = nullptr;
  QLabel* label_ = nullptr;
  QLineEdit* edit_ = nullptr;
  TVarLink variable_;
  TextCatalogue texts_ = TextCatalogue::English();
  std::optional<LanguageFile::Section> translation_;  // none: the design texts
};
