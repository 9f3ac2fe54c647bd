#pragma once

#include <QMap>
#include <QString>
#include <vector>

class QObject;
class QWidget;

// What a control shows the user, read back the way a user sees it, for the language tests.
QString ShownCaption(const QObject& control);  // label, button, group title, menu item, tab
QString ShownHint(const QObject& control);     // tool tip
QString ShownTitle(const QObject& control);    // window or file dialog title

// The controls of a window that the language files can address (a class the files know),
// the window's own only: not those of the dialogs it owns.
std::vector<QObject*> TranslatableControls(QWidget& form);

// Every caption, hint and title of the windows, keyed by window, control and kind: to see
// that a change of language left them all as they were, or changed some.
QMap<QString, QString> TextsOf(const std::vector<QWidget*>& forms);
