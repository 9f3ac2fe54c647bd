#include "LanguageApplier.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <array>
#include <string_view>
#include <utility>

#include "AccessibleNames.h"
#include "FileDialogTitle.h"
#include "MessageBoxes.h"
#include "TInvText.h"
#include "lang/LanguageClasses.h"

namespace {

// This toolkit's classes by the names the language files know them by. Two more cases
// depend on where a control stands rather than on its class: a label that shows a picture
// is a "TImage", a page of a tab widget a "TTabSheet"; and the window itself is a "TForm".
constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kClasses = {{
    {"QLabel", "TLabel"},
    {"QPushButton", "TButton"},
    {"QToolButton", "TSpeedButton"},
    {"QRadioButton", "TRadioButton"},
    {"QCheckBox", "TCheckBox"},
    {"QGroupBox", "TGroupBox"},
    {"QAction", "TMenuItem"},
    {"QMenu", "TMenuItem"},
    {"QLineEdit", "TEdit"},
    {"ValidatedField", "TEditF"},
    {"ScPic", "ScPic"},
    {"QSplitter", "TSplitter"},
    {"TInvText", "TInvText"},
    {"FileDialogTitle", "TOpenDialog"},
    {"QScrollBar", "TScrollBar"},
}};

bool IsTabPage(const QObject& component) {
  const auto* stack = qobject_cast<const QStackedWidget*>(component.parent());
  return component.isWidgetType() && stack != nullptr &&
         qobject_cast<const QTabWidget*>(stack->parent()) != nullptr;
}

// Another window owned by this one (a dialog it opens): its controls are its own.
bool IsOtherForm(const QObject& object) {
  return qobject_cast<const QDialog*>(&object) != nullptr ||
         qobject_cast<const QMainWindow*>(&object) != nullptr;
}

QObject* FindUnder(const QObject& parent, const QString& name) {
  for (QObject* child : parent.children()) {
    if (child->objectName().compare(name, Qt::CaseInsensitive) == 0 &&
        !LanguageApplier::LanguageClass(*child).isEmpty())
      return child;
  }
  for (QObject* child : parent.children()) {
    if (IsOtherForm(*child)) continue;
    if (QObject* found = FindUnder(*child, name)) return found;
  }
  return nullptr;
}

void SetCaption(QObject& component, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(&component)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&component)) {
    button->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(&component)) {
    group->setTitle(text);
  } else if (auto* menu = qobject_cast<QMenu*>(&component)) {
    menu->setTitle(text);
  } else if (auto* action = qobject_cast<QAction*>(&component)) {
    action->setText(text);
  } else if (auto* held = qobject_cast<TInvText*>(&component)) {
    held->SetCaption(text);
  } else if (IsTabPage(component)) {
    auto* tabs = static_cast<QTabWidget*>(component.parent()->parent());
    tabs->setTabText(tabs->indexOf(static_cast<QWidget*>(&component)), text);
  }
}

void SetHint(QObject& component, const QString& text) {
  if (auto* menu = qobject_cast<QMenu*>(&component)) {
    menu->menuAction()->setToolTip(text);
  } else if (auto* action = qobject_cast<QAction*>(&component)) {
    action->setToolTip(text);
  } else if (auto* widget = qobject_cast<QWidget*>(&component)) {
    widget->setToolTip(text);
  }
}

void SetTitle(QObject& component, const QString& text) {
  if (auto* dialog = qobject_cast<FileDialogTitle*>(&component)) {
    dialog->SetTitle(text);
  } else if (auto* window = qobject_cast<QWidget*>(&component)) {
    window->setWindowTitle(text);
  }
}

}  // namespace

LanguageApplier::LanguageApplier(QWidget& form) : QObject(&form), form_(form) {
  setObjectName("Lang1");
}

LanguageApplier& LanguageApplier::Of(QWidget& form) {
  if (auto* lang = form.findChild<LanguageApplier*>("Lang1", Qt::FindDirectChildrenOnly))
    return *lang;
  return *new LanguageApplier(form);  // owned by the form
}

QString LanguageApplier::LanguageClass(const QObject& component) {
  const std::string_view qtClass = component.metaObject()->className();
  if (qtClass == "QLabel" && !static_cast<const QLabel&>(component).pixmap().isNull())
    return "TImage";
  if (IsTabPage(component)) return "TTabSheet";
  for (const auto& [toolkit, design] : kClasses)
    if (toolkit == qtClass) return QString::fromLatin1(design.data(), qsizetype(design.size()));
  return {};
}

QObject* LanguageApplier::FindComponent(const QString& name) const {
  if (form_.objectName().compare(name, Qt::CaseInsensitive) == 0) return &form_;
  return FindUnder(form_, name);
}

void LanguageApplier::ApplyEntry(QObject& component, const LanguageFile::Entry& entry) {
  const std::string className =
      IsOtherForm(component) ? std::string("TForm") : LanguageClass(component).toStdString();
  const LanguageClasses::Texts texts = LanguageClasses::TextsFor(entry, className);
  if (texts.Caption) SetCaption(component, QString::fromStdString(*texts.Caption));
  if (texts.Hint) SetHint(component, QString::fromStdString(*texts.Hint));
  if (texts.Title) SetTitle(component, QString::fromStdString(*texts.Title));
}

void LanguageApplier::Apply(const LanguageFile::Section& section) {
  for (const LanguageFile::Entry& entry : section.Entries)
    if (QObject* component = FindComponent(QString::fromStdString(entry.Component)))
      ApplyEntry(*component, entry);
  AccessibleNames::Follow(form_);
  emit OnRead();
}

bool LanguageApplier::Translate(const QString& section) {
  // A window without a file of its own reads the one named after it.
  const QString path = langFile_.trimmed().isEmpty() ? form_.objectName() + ".lng" : langFile_;
  const LanguageFile file = LanguageFile::Read(path.toStdString());
  const LanguageFile::Result result = file.FindSection(section.toStdString());
  if (!result) {
    MessageBoxes::Critical(form_.window(),
                           QString::fromStdString(texts_.Text(MessageTexts::kLanguageTitle)),
                           QString::fromStdString(result.Problem.Text(texts_, result.Message)));
    return false;
  }
  Apply(result.Sections.front());
  return true;
}
