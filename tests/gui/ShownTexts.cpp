#include "gui/ShownTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>

#include "FileDialogTitle.h"
#include "LanguageApplier.h"
#include "RecentDoorsMenu.h"
#include "TInvText.h"

namespace {

const QTabWidget* TabsOfPage(const QObject& control) {
  const QObject* stack = control.parent();
  return stack && qobject_cast<const QStackedWidget*>(stack)
             ? qobject_cast<const QTabWidget*>(stack->parent())
             : nullptr;
}

// A menu and the action that opens it are one control: the files address whichever of the
// two carries the name (the menu when both do).
bool IsOtherHalfOfANamedMenu(const QObject& object) {
  if (const auto* menu = qobject_cast<const QMenu*>(&object))
    return menu->objectName().isEmpty() && !menu->menuAction()->objectName().isEmpty();
  if (const auto* action = qobject_cast<const QAction*>(&object))
    return action->menu() != nullptr && !action->menu()->objectName().isEmpty();
  return false;
}

void Collect(QObject& parent, std::vector<QObject*>& controls) {
  // The recent doors' entries show file names, which no language changes.
  if (qobject_cast<RecentDoorsMenu*>(&parent)) return;
  for (QObject* child : parent.children()) {
    if (qobject_cast<QDialog*>(child) || qobject_cast<QMainWindow*>(child)) continue;
    if (!LanguageApplier::LanguageClass(*child).isEmpty() && !IsOtherHalfOfANamedMenu(*child))
      controls.push_back(child);
    Collect(*child, controls);
  }
}

}  // namespace

QString ShownCaption(const QObject& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
  if (const auto* group = qobject_cast<const QGroupBox*>(&control)) return group->title();
  if (const auto* menu = qobject_cast<const QMenu*>(&control)) return menu->title();
  if (const auto* action = qobject_cast<const QAction*>(&control)) return action->text();
  if (const auto* held = qobject_cast<const TInvText*>(&control)) return held->Caption();
  if (const QTabWidget* tabs = TabsOfPage(control))
    return tabs->tabText(tabs->indexOf(static_cast<const QWidget*>(&control)));
  return {};
}

QString ShownHint(const QObject& control) {
  // A menu is its title's action: without a tip of its own it shows its title, as below.
  if (const auto* menu = qobject_cast<const QMenu*>(&control))
    return ShownHint(*menu->menuAction());
  if (const auto* action = qobject_cast<const QAction*>(&control)) {
    // An action without a tip of its own shows its text as one, without "&" and "...".
    QString text = action->text();
    text.remove('&');
    text.remove(QStringLiteral("..."));
    return action->toolTip() == text.trimmed() || action->toolTip() == text ? QString()
                                                                            : action->toolTip();
  }
  if (const auto* widget = qobject_cast<const QWidget*>(&control)) return widget->toolTip();
  return {};
}

QString ShownTitle(const QObject& control) {
  if (const auto* dialog = qobject_cast<const FileDialogTitle*>(&control)) return dialog->Title();
  if (const auto* widget = qobject_cast<const QWidget*>(&control)) return widget->windowTitle();
  return {};
}

std::vector<QObject*> TranslatableControls(QWidget& form) {
  std::vector<QObject*> controls;
  Collect(form, controls);
  return controls;
}

QMap<QString, QString> TextsOf(const std::vector<QWidget*>& forms) {
  QMap<QString, QString> texts;
  for (QWidget* form : forms) {
    texts[form->objectName() + "/title"] = form->windowTitle();
    for (QObject* control : TranslatableControls(*form)) {
      const QString key = form->objectName() + "/" + control->objectName() + "/";
      texts[key + "caption"] = ShownCaption(*control);
      texts[key + "hint"] = ShownHint(*control);
      texts[key + "title"] = ShownTitle(*control);
    }
  }
  return texts;
}
