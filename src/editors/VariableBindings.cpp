#include "VariableBindings.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

#include "DoorDocument.h"
#include "MessageBoxes.h"
#include "RangeDialog.h"
#include "StepNames.h"
#include "UserLocale.h"
#include "lang/MessageTables.h"
#include "model/EditableFields.h"
#include "numbers/NumberText.h"

namespace {

void SetFieldColour(QLineEdit* field, const QPalette& palette) {
  field->setPalette(palette);
  field->update();
}

QPalette Coloured(const QLineEdit* field, const QColor& colour) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, colour);
  return palette;
}

}  // namespace

const QColor VariableBindings::kRangeColour(0, 255, 0);
const QColor VariableBindings::kVariableColour(255, 0, 0);

VariableBindings::VariableBindings(QDialog& projections, DoorDocument& document, HelpBrowser& help)
    : QObject(&projections),
      projections_(projections),
      document_(document),
      rangeDialog_(new RangeDialog(help, &projections)) {
  for (int i = 0; i < kMainParamCount; ++i) {
    const QString name = QString::fromLatin1(kMainParams[i].Name);
    edits_[i] = projections.findChild<QLineEdit*>("Edit_" + name);
    labels_[i] = projections.findChild<QLabel*>("Label_" + name);
    if (edits_[i]) edits_[i]->installEventFilter(this);
  }

  const auto command = [this](const char* name, const char* menu, const char* text, auto handler) {
    if (QAction* item = FindAction(name, menu, text)) {
      item->setEnabled(true);
      connect(item, &QAction::triggered, this, handler);
    }
  };
  command("SpecifyRange1", "Variable1", "Specify a range...", [this] { onSpecifyRangeClicked(); });
  command("MarkVariable1", "Variable1", "Mark as single variable",
          [this] { onMarkVariableClicked(); });
  command("PopRange", "PopupMenu2", "Specify a range ...", [this] { SpecifyRange(contextField_); });
  command("PopMark", "PopupMenu2", "Mark as single variable",
          [this] { MarkVariable(contextField_); });
}

VariableBindings::~VariableBindings() = default;

QAction* VariableBindings::FindAction(const char* name, const char* menuName,
                                      const char* text) const {
  // By name; should the dialog ever rename its items, by caption in their menu.
  if (auto* item = projections_.findChild<QAction*>(name)) return item;
  const QMenu* menu = projections_.findChild<QMenu*>(menuName);
  if (!menu) return nullptr;
  const QList<QAction*> items = menu->actions();
  const auto found =
      std::find_if(items.begin(), items.end(), [text](QAction* a) { return a->text() == text; });
  return found == items.end() ? nullptr : *found;
}

void VariableBindings::Bind(TVarLink& link, const QObject* control) const {
  const auto field = std::find(edits_.begin(), edits_.end(), control);
  if (control == nullptr || field == edits_.end()) return;
  const int i = static_cast<int>(field - edits_.begin());
  link.Edit = edits_[i];
  link.Label = labels_[i];
  link.Index = i;
}

QLineEdit* VariableBindings::FocusedField() {
  QWidget* focused = projections_.focusWidget();
  if (focused && focused->objectName().contains("Edit_")) {
    TVarLink probe;
    Bind(probe, focused);
    if (probe.IsSet()) return probe.Edit;
  }
  const std::string message = texts_.Text(ProjTexts::kSelectVariableFirst);
  MessageBoxes::Information(&projections_, projections_.windowTitle(),
                            QString::fromUtf8(message.data(), std::ssize(message)));
  return nullptr;
}

void VariableBindings::onSpecifyRangeClicked() {
  if (QLineEdit* field = FocusedField()) SpecifyRange(field);
}

void VariableBindings::onMarkVariableClicked() {
  if (QLineEdit* field = FocusedField()) MarkVariable(field);
}

void VariableBindings::SpecifyRange(QLineEdit* field) {
  TVarLink target;
  Bind(target, field);
  if (!target.IsSet()) return;
  rangeTarget_ = target;
  EditRange();
}

void VariableBindings::EditRange() {
  QLineEdit* field = rangeTarget_.Edit;
  const QPalette remembered = field->palette();
  SetFieldColour(field, Coloured(field, kRangeColour));

  RangeDialog& dialog = *rangeDialog_;
  const auto index = static_cast<std::size_t>(rangeTarget_.Index);
  dialog.Prepare(rangeTarget_.Label ? rangeTarget_.Label->toolTip() : QString(),
                 document_.Door().Ranges[index].From, document_.Door().Ranges[index].To);
  const int result = dialog.exec();
  if (result == RangeDialog::kRangeChanged) {
    // Read back as shown. A range left untouched stays exactly as it was: OK does not round
    // it to the decimals shown. A range kept is a step of its own, which Cancel of the
    // projections dialog leaves alone.
    const NumberLocale locale = UserNumberLocale();
    DoorInputs door = document_.Door();
    Range& range = door.Ranges[index];
    range.From = ReadNumber(dialog.FromText().toStdString(), locale);
    range.To = ReadNumber(dialog.ToText().toStdString(), locale);
    document_.Edit(StepNames::RangeOf(rangeTarget_.Index, range, texts_), door);
  }
  SetFieldColour(field, remembered);
}

void VariableBindings::MarkVariable(QLineEdit* field) {
  TVarLink chosen;
  Bind(chosen, field);
  if (!chosen.IsSet()) return;
  if (activeVar_.IsSet()) SetFieldColour(activeVar_.Edit, QPalette());
  activeVar_ = chosen;
  SetFieldColour(field, Coloured(field, kVariableColour));
  emit VariableMarked(activeVar_);
}

bool VariableBindings::eventFilter(QObject* watched, QEvent* event) {
  // The context menu's commands act on the field it was opened on; the event comes before
  // the menu.
  if (event->type() == QEvent::ContextMenu) {
    const auto field = std::find(edits_.begin(), edits_.end(), watched);
    if (field != edits_.end()) contextField_ = *field;
  }
  return QObject::eventFilter(watched, event);
}
