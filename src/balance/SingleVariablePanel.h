#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "TVarLink.h"
#include "lang/LanguageFile.h"

class DoorDocument;
class HelpBrowser;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TBoard;
class TSpinButton;

// The balance window's single variable: attached to the window from outside, it finds the
// variable panel (Panel8 with Label21, Edit14 and SpinButton4) and the "Solve" button by name.
// The panel appears when a variable is marked in the projections dialog; its spinner steps the
// variable by a hundredth of its range, and "Solve" opens the solve dialog for it.
class SingleVariablePanel : public QObject {
  Q_OBJECT

 public:
  // update is the balance window's Update.
  SingleVariablePanel(QDialog& balance, DoorDocument& document, HelpBrowser& help,
                      std::function<void()> update);

  // Shows the panel for the marked variable.
  void ShowVariable(const TVarLink& variable);
  // Shows the variable's hint again, after a language switch changed it.
  void RefreshVariableHint();
  // One click of the spinner: +1 up, -1 down.
  void StepVariable(int direction);
  // Opens the solve dialog modally for the marked variable; without one, does nothing.
  void onSolveClicked();

  const TVarLink& Variable() const { return variable_; }

  // Language of the solve dialog's message: 0 English, 1 Russian.
  void SetLanguageIndex(int language) { languageIndex_ = language; }
  int LanguageIndex() const { return languageIndex_; }
  // The texts of the solve dialog, which exists only while it is open.
  void SetTranslation(LanguageFile::Section section) { translation_ = std::move(section); }

 private:
  QDialog& balance_;
  DoorDocument& document_;
  TBoard& board_;
  HelpBrowser& help_;
  std::function<void()> update_;
  QWidget* panel_ = nullptr;
  QLabel* label_ = nullptr;
  QLineEdit* edit_ = nullptr;
  TVarLink variable_;
  int languageIndex_ = 0;
  std::optional<LanguageFile::Section> translation_;  // none: the design texts
};
