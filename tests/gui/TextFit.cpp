#include "gui/TextFit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <vector>

namespace {

QString Longer(const QString& text, double growth) {
  // Mnemonic markers and line breaks stay where they are; only letters are repeated.
  QString letters;
  for (QChar c : text)
    if (c.isLetterOrNumber()) letters += c;
  if (letters.isEmpty()) return text;
  const int extra = static_cast<int>(std::ceil(text.size() * (growth - 1.0)));
  QString added;
  for (int i = 0; i < extra; ++i)
    added += letters.at(i % letters.size());
  // The longest line grows, as a translated line would.
  QStringList lines = text.split('\n');
  int longest = 0;
  for (int i = 1; i < lines.size(); ++i)
    if (lines[i].size() > lines[longest].size()) longest = i;
  lines[longest] += added;
  return lines.join('\n');
}

bool ShowsText(const QWidget* w) {
  if (const auto* label = qobject_cast<const QLabel*>(w))
    return !label->text().isEmpty() && label->pixmap().isNull();
  if (const auto* button = qobject_cast<const QAbstractButton*>(w))
    return !button->text().isEmpty();
  if (const auto* group = qobject_cast<const QGroupBox*>(w)) return !group->title().isEmpty();
  return false;
}

QString Describe(const QWidget* w) {
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(w)) text = button->text();
  if (const auto* group = qobject_cast<const QGroupBox*>(w)) text = group->title();
  return QString("%1 \"%2\"")
      .arg(w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName(),
           text.simplified());
}

// The room a widget's text needs, against the room it has.
QString CutOff(const QWidget* w) {
  const QSize has = w->size();
  if (const auto* label = qobject_cast<const QLabel*>(w)) {
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    const QFontMetrics fm(label->font());
    // The room a text needs does not depend on where it is aligned; measured at the left, a
    // centred text's half-pixel offset does not count as a pixel more.
    const int flags = static_cast<int>(label->alignment() & Qt::AlignVertical_Mask) |
                      Qt::AlignLeft | (label->wordWrap() ? Qt::TextWordWrap : 0) |
                      Qt::TextShowMnemonic;
    const QRect needs = fm.boundingRect(
        QRect(0, 0, label->wordWrap() ? room.width() : 100000, 100000), flags, label->text());
    if (needs.width() > room.width() || needs.height() > room.height())
      return QString("needs %1x%2, has %3x%4")
          .arg(needs.width())
          .arg(needs.height())
          .arg(room.width())
          .arg(room.height());
    return {};
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
    // The frame's corner and the title's margins take about two character widths.
    const QFontMetrics fm(group->font());
    const int needs = fm.horizontalAdvance(group->title()) + 2 * fm.averageCharWidth();
    if (needs > has.width()) return QString("title needs %1, has %2").arg(needs).arg(has.width());
    return {};
  }
  if (qobject_cast<const QAbstractButton*>(w)) {
    // Buttons, check and radio boxes ask for the room of their whole text in their size hint.
    const QSize needs = w->sizeHint();
    if (needs.width() > has.width() || needs.height() > has.height())
      return QString("needs %1x%2, has %3x%4")
          .arg(needs.width())
          .arg(needs.height())
          .arg(has.width())
          .arg(has.height());
    return {};
  }
  return {};
}

bool VisibleIn(const QWidget* w, const QWidget& window) {
  return w->isVisibleTo(&window) && w->isVisible() && w->width() > 0 && w->height() > 0;
}

}  // namespace

void LengthenTexts(QWidget& window, double growth) {
  for (QLabel* label : window.findChildren<QLabel*>())
    if (label->pixmap().isNull() && !label->text().isEmpty())
      label->setText(Longer(label->text(), growth));
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (!button->text().isEmpty()) button->setText(Longer(button->text(), growth));
  for (QGroupBox* group : window.findChildren<QGroupBox*>())
    if (!group->title().isEmpty()) group->setTitle(Longer(group->title(), growth));
  for (QTabWidget* tabs : window.findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i)
      tabs->setTabText(i, Longer(tabs->tabText(i), growth));
}

QStringList TextsThatDoNotFit(QWidget& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return {"the window was never shown"};
  QApplication::sendPostedEvents();  // pending layout requests

  QStringList faults;
  std::vector<const QWidget*> texts;
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!VisibleIn(w, window) || !ShowsText(w)) continue;
    texts.push_back(w);
    const QString cut = CutOff(w);
    if (!cut.isEmpty()) faults << QString("%1 is cut off: %2").arg(Describe(w), cut);
  }
  for (const QTabBar* bar : window.findChildren<QTabBar*>()) {
    if (!VisibleIn(bar, window)) continue;
    const QFontMetrics fm(bar->font());
    for (int i = 0; i < bar->count(); ++i) {
      const QRect tab = bar->tabRect(i);
      if (tab.width() < fm.horizontalAdvance(bar->tabText(i)) + 2 * fm.averageCharWidth() ||
          tab.right() >= bar->width())
        faults << QString("tab \"%1\" is cut off").arg(bar->tabText(i));
    }
  }
  // A text widget may sit inside another (a label in a group box), never across one.
  for (std::size_t i = 0; i < texts.size(); ++i)
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      const QWidget* a = texts[i];
      const QWidget* b = texts[j];
      if (a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
      const QRect ra(a->mapTo(&window, QPoint(0, 0)), a->size());
      const QRect rb(b->mapTo(&window, QPoint(0, 0)), b->size());
      if (ra.intersects(rb)) faults << QString("%1 overlaps %2").arg(Describe(a), Describe(b));
    }
  return faults;
}
