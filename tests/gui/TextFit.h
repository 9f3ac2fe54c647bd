#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Translations run up to 40% longer than the English texts; a window must show them whole.
inline constexpr double kTranslationGrowth = 1.4;

// Makes every caption of the window (labels, buttons, check and radio boxes, group titles,
// tab captions) `growth` times as long, by repeating its own letters, so the measured
// widths stay like a real translation's.
void LengthenTexts(QWidget& window, double growth = kTranslationGrowth);

// Shows the window at its default size, waits until it is laid out on screen, and lists
// every visible text that is cut off (wider or taller than the room its widget gives it)
// or that overlaps another visible text of the same window. Empty when everything fits.
QStringList TextsThatDoNotFit(QWidget& window);
