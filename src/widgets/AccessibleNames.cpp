#include "AccessibleNames.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

#include "ScPic.h"

namespace {

// A property that marks names this class gave, so that they are given anew in the next
// language instead of being taken for a name the window chose.
constexpr const char* kGivenName = "doortrimGivenAccessibleName";
constexpr const char* kGivenDescription = "doortrimGivenAccessibleDescription";

bool IsField(const QWidget& widget) {
  return qobject_cast<const QLineEdit*>(&widget) != nullptr ||
         qobject_cast<const QAbstractSpinBox*>(&widget) != nullptr ||
         qobject_cast<const QComboBox*>(&widget) != nullptr;
}

bool IsPicture(const QWidget& widget) {
  if (qobject_cast<const ScPic*>(&widget) != nullptr) return true;
  const auto* label = qobject_cast<const QLabel*>(&widget);
  return label != nullptr && !label->pixmap().isNull();
}

// A label with words that captions no other field than `field`.
bool IsCaption(const QWidget* widget, const QWidget& field) {
  const auto* label = qobject_cast<const QLabel*>(widget);
  return label != nullptr && label->pixmap().isNull() &&
         (label->buddy() == nullptr || label->buddy() == &field) &&
         !label->text().trimmed().isEmpty();
}

// Words, not a symbol or an axis ("x:", "G:", "x0:"): two letters in a row.
bool HasWords(const QString& text) {
  int run = 0;
  for (const QChar c : text)
    if ((run = c.isLetter() ? run + 1 : 0) >= 2) return true;
  return false;
}

QString Plain(QString text) {
  text.remove('&');
  return text.replace('\n', ' ').simplified();
}

// The layout that holds `widget` itself, searched from `layout` down.
QLayout* HolderOf(QLayout& layout, const QWidget& widget) {
  if (layout.indexOf(&widget) >= 0) return &layout;
  for (int i = 0; i < layout.count(); ++i)
    if (QLayout* inner = layout.itemAt(i)->layout())
      if (QLayout* found = HolderOf(*inner, widget)) return found;
  return nullptr;
}

QWidget* WidgetAt(const QGridLayout& grid, int row, int column) {
  if (row < 0 || column < 0) return nullptr;
  QLayoutItem* item = grid.itemAtPosition(row, column);
  return item == nullptr ? nullptr : item->widget();
}

// The caption of a field: the label left of it in its grid row, else the one over it; in a
// row or column of widgets, the one before it.
QLabel* CaptionOf(QWidget& field) {
  QWidget* parent = field.parentWidget();
  if (parent == nullptr || parent->layout() == nullptr) return nullptr;
  QLayout* holder = HolderOf(*parent->layout(), field);
  if (holder == nullptr) return nullptr;
  const int index = holder->indexOf(&field);
  if (auto* grid = qobject_cast<QGridLayout*>(holder)) {
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(index, &row, &column, &rows, &columns);
    for (QWidget* near : {WidgetAt(*grid, row, column - 1), WidgetAt(*grid, row - 1, column)})
      if (IsCaption(near, field)) return static_cast<QLabel*>(near);
    return nullptr;
  }
  QWidget* before = index > 0 ? holder->itemAt(index - 1)->widget() : nullptr;
  return IsCaption(before, field) ? static_cast<QLabel*>(before) : nullptr;
}

// The heading over a field's rows: the caption in the first row of its grid.
QString GridHeading(QWidget& field, const QLabel& caption) {
  QWidget* parent = field.parentWidget();
  QLayout* holder = parent->layout() ? HolderOf(*parent->layout(), field) : nullptr;
  auto* grid = qobject_cast<QGridLayout*>(holder);
  if (grid == nullptr) return {};
  QWidget* first = WidgetAt(*grid, 0, 0);
  const auto* heading = qobject_cast<const QLabel*>(first);
  if (heading == nullptr || heading == &caption || !HasWords(heading->text())) return {};
  return Plain(heading->text());
}

// The title of the group or tab page the widget stands in, nearest first; empty when none.
QString Surroundings(const QWidget& widget, const QWidget& form) {
  for (const QWidget* up = widget.parentWidget(); up != nullptr && up != &form;
       up = up->parentWidget()) {
    if (const auto* group = qobject_cast<const QGroupBox*>(up))
      if (!group->title().trimmed().isEmpty()) return Plain(group->title());
    const auto* stack = qobject_cast<const QStackedWidget*>(up->parentWidget());
    if (stack != nullptr)
      if (const auto* tabs = qobject_cast<const QTabWidget*>(stack->parentWidget()))
        return Plain(tabs->tabText(tabs->indexOf(const_cast<QWidget*>(up))));
  }
  return {};
}

// Sets a name this class chooses, unless the window named the control itself.
void Give(QWidget& widget, const char* mark, const QString& text, bool description) {
  const QString own = description ? widget.accessibleDescription() : widget.accessibleName();
  if (!own.isEmpty() && own != widget.property(mark).toString()) return;
  widget.setProperty(mark, text);
  if (description)
    widget.setAccessibleDescription(text);
  else
    widget.setAccessibleName(text);
}

bool OwnControl(const QWidget& widget, const QWidget& form) {
  for (const QWidget* up = widget.parentWidget(); up != nullptr && up != &form;
       up = up->parentWidget())
    if (qobject_cast<const QDialog*>(up) != nullptr ||
        qobject_cast<const QMainWindow*>(up) != nullptr)
      return false;
  return !widget.isWindow();
}

}  // namespace

void AccessibleNames::Follow(QWidget& form) {
  const QString windowTitle = Plain(form.windowTitle());
  for (QWidget* control : form.findChildren<QWidget*>()) {
    if (!OwnControl(*control, form)) continue;
    const QString hint = Plain(control->toolTip());
    if (IsField(*control)) {
      QLabel* caption = CaptionOf(*control);
      // A caption in words names the field as its buddy, in whatever language it shows; the
      // buddy names it only from beside it, under the same parent.
      if (caption != nullptr && HasWords(caption->text()) &&
          caption->parentWidget() == control->parentWidget()) {
        caption->setBuddy(control);
        // A name given before, in another language, would hide the caption.
        if (control->property(kGivenName).isValid()) {
          control->setAccessibleName({});
          control->setProperty(kGivenName, {});
        }
        continue;
      }
      // A symbol or an axis alone says little: with the field's hint, or else the heading
      // it stands under ("Rotation, [deg] x:").
      QString name = hint;
      if (caption != nullptr) {
        const QString symbol = Plain(caption->text());
        QString heading = Surroundings(*control, form);
        if (heading.isEmpty()) heading = GridHeading(*control, *caption);
        name = !hint.isEmpty()      ? symbol + " " + hint
               : !heading.isEmpty() ? heading + " " + symbol
                                    : symbol;
      }
      Give(*control, kGivenName, name.isEmpty() ? Surroundings(*control, form) : name, false);
    } else if (qobject_cast<QAbstractItemView*>(control) != nullptr) {
      const QString around = Surroundings(*control, form);
      Give(*control, kGivenName,
           !hint.isEmpty()     ? hint
           : !around.isEmpty() ? around
                               : windowTitle,
           false);
    } else if (IsPicture(*control)) {
      const QString around = Surroundings(*control, form);
      Give(*control, kGivenName,
           !hint.isEmpty()     ? hint
           : !around.isEmpty() ? around
                               : windowTitle,
           false);
      Give(*control, kGivenDescription, !hint.isEmpty() ? hint : windowTitle, true);
    }
  }
}
