#pragma once

#include <QObject>
#include <QString>

#include <QStringList>
#include <functional>
#include "lang/MessageTables.h"

class QWidget;

// The "Run Calculator" command: starts the desktop calculator, or brings forward the one it
// started earlier if that still runs, so repeated presses do not pile up calculators. When
// the earlier one's window cannot be brought forward, a new one is started: the command
// always gives the user a calculator. The calculator runs detached (it outlives DoorTrim),
// but its process is remembered.
class CalculatorLauncher : public QObject {
  Q_OBJECT

 public:
  // Finds a program by name; returns its full path, or an empty string when it is not
  // installed.
  using ExecutableLookup = std::function<QString(const QString& program)>;

  enum class Outcome {
    Started,         // a calculator was started
    BroughtForward,  // the running calculator's window was activated
    NotFound,        // no calculator is installed; the user was told so
    FailedToStart,   // one was found but could not be started; the user was told so
  };

  // The calculators tried, in order of preference.
  static QStringList DefaultCandidates();

  // Looks the default candidates up on the PATH.
  explicit CalculatorLauncher(QObject* parent = nullptr);
  // Tries the given programs in order, looking each up with `lookup`; the window activation
  // helper (wmctrl) is looked up the same way.
  CalculatorLauncher(QStringList candidates, ExecutableLookup lookup, QObject* parent = nullptr);

  // Messages are shown over messageParent (the window that offers the command).
  Outcome RunCalculator(QWidget* messageParent = nullptr);

  // Whether the calculator started last is still running.
  bool IsRunning() const;

 private:
  // A text of the messages in the language of the window they belong to.
  static QString Text(QWidget* messageParent, TextKey key);
  bool BringForward() const;

  QStringList candidates_;
  ExecutableLookup lookup_;
  qint64 pid_ = 0;
  QString startTime_;  // start time of pid_, which tells a reused process id from ours
};
