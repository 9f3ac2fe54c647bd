#pragma once

#include <QColor>
#include <QObject>
#include <array>
#include <functional>

#include "TVarLink.h"
#include "lang/TextCatalogue.h"
#include "model/DoorInputs.h"

class DoorDocument;
class HelpBrowser;
class QAction;
class QDialog;
class QEvent;
class QLabel;
class QLineEdit;
class RangeDialog;

// The projections dialog's ranges and single variable. Attached to the dialog from outside: it
// finds the 23 entry fields and their labels by name, runs the "Specify a range" and "Mark as
// single variable" commands of the dialog's Variable menu and of the fields' context menu, and
// colours the fields: lime while a field's range is edited, red for the marked variable. A
// range kept with OK is one step of the door's history; marking a variable is announced
// (VariableMarked) for the balance window's variable panel.
class VariableBindings : public QObject {
  Q_OBJECT

 public:
  VariableBindings(QDialog& projections, DoorDocument& document, HelpBrowser& help);
  ~VariableBindings() override;

  static const QColor kRangeColour;     // lime: the field whose range is being edited
  static const QColor kVariableColour;  // red: the marked variable

  // Binds link to the given control when it is one of the 23 entry fields; anything else
  // leaves link as it was.
  void Bind(TVarLink& link, const QObject* control) const;

  // Edits the range of the field (none of the 23: nothing happens).
  void SpecifyRange(QLineEdit* field);
  // Marks the field as the single variable.
  void MarkVariable(QLineEdit* field);
  // The Variable menu's commands: they act on the focused entry field, or say that there is
  // none.
  void onSpecifyRangeClicked();
  void onMarkVariableClicked();

  const TVarLink& RangeTarget() const { return rangeTarget_; }
  const TVarLink& ActiveVar() const { return activeVar_; }
  RangeDialog& RangeEditor() { return *rangeDialog_; }

  // The texts of the language in use, for the message this builds itself.
  void SetTexts(const TextCatalogue& texts) { texts_ = texts; }
  const TextCatalogue& Texts() const { return texts_; }

 signals:
  void VariableMarked(const TVarLink& variable);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* FindAction(const char* name, const char* menuName, const char* text) const;
  // The focused control when it is an entry field, else nullptr after the message.
  QLineEdit* FocusedField();
  void EditRange();

  QDialog& projections_;
  DoorDocument& document_;
  std::array<QLineEdit*, kMainParamCount> edits_{};
  std::array<QLabel*, kMainParamCount> labels_{};
  RangeDialog* rangeDialog_ = nullptr;  // one for the dialog's life, owned by it
  TVarLink rangeTarget_;
  TVarLink activeVar_;
  QLineEdit* contextField_ = nullptr;  // the field whose context menu was opened last
  TextCatalogue texts_ = TextCatalogue::English();
};
