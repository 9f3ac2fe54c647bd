#include "CalculatorLauncher.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <utility>

#ifdef Q_OS_UNIX
#include <signal.h>
#endif

#include "LanguageApplier.h"
#include "MessageBoxes.h"

namespace {

struct ProcessState {
  bool exists = false;
  bool finished = false;  // a zombie: ended, but not yet reaped by its parent
  QString startTime;
};

// Linux keeps the state and the start time of every process in /proc/<pid>/stat:
// "pid (name) state ppid ...", the start time being the 22nd field.
ProcessState ReadProcessState(qint64 pid) {
  ProcessState state;
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return state;
  const QString line = QString::fromLatin1(stat.readAll());
  const qsizetype nameEnd = line.lastIndexOf(')');  // the name itself may hold blanks
  if (nameEnd < 0) return state;
  const QStringList fields = line.mid(nameEnd + 1).split(' ', Qt::SkipEmptyParts);
  if (fields.isEmpty()) return state;
  state.exists = true;
  state.finished = fields[0] == "Z" || fields[0] == "X";
  constexpr int kStartTimeAfterName = 22 - 3;  // fields 1 and 2 precede the state
  if (fields.size() > kStartTimeAfterName) state.startTime = fields[kStartTimeAfterName];
  return state;
}

bool ProcFilesystemAvailable() {
  return QFile::exists(QStringLiteral("/proc/self/stat"));
}

}  // namespace

QStringList CalculatorLauncher::DefaultCandidates() {
  return {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "mate-calc", "xcalc"};
}

CalculatorLauncher::CalculatorLauncher(QObject* parent)
    : CalculatorLauncher(
          DefaultCandidates(),
          [](const QString& program) { return QStandardPaths::findExecutable(program); }, parent) {}

CalculatorLauncher::CalculatorLauncher(QStringList candidates, ExecutableLookup lookup,
                                       QObject* parent)
    : QObject(parent), candidates_(std::move(candidates)), lookup_(std::move(lookup)) {
  setObjectName("CalculatorLauncher");
}

QString CalculatorLauncher::Text(QWidget* messageParent, TextKey key) {
  // In the language of the window the command came from.
  const TextCatalogue& texts = messageParent != nullptr
                                   ? LanguageApplier::Of(*messageParent->window()).Texts()
                                   : TextCatalogue::English();
  return QString::fromStdString(texts.Text(key));
}

CalculatorLauncher::Outcome CalculatorLauncher::RunCalculator(QWidget* messageParent) {
  if (IsRunning() && BringForward()) return Outcome::BroughtForward;
  // No window of the earlier calculator to be found: forget it and start another.
  pid_ = 0;
  startTime_.clear();

  QString path;
  for (const QString& candidate : std::as_const(candidates_)) {
    path = lookup_(candidate);
    if (!path.isEmpty()) break;
  }
  if (path.isEmpty()) {
    MessageBoxes::Information(messageParent, Text(messageParent, MessageTexts::kCalculatorTitle),
                              Text(messageParent, MessageTexts::kNoCalculator));
    return Outcome::NotFound;
  }

  QProcess process;
  process.setProgram(path);
  qint64 pid = 0;
  if (!process.startDetached(&pid) || pid <= 0) {
    MessageBoxes::Warning(messageParent, Text(messageParent, MessageTexts::kCalculatorTitle),
                          Text(messageParent, MessageTexts::kCalculatorNotStarted).arg(path));
    return Outcome::FailedToStart;
  }
  pid_ = pid;
  startTime_ = ReadProcessState(pid).startTime;
  return Outcome::Started;
}

bool CalculatorLauncher::IsRunning() const {
  if (pid_ <= 0) return false;
  if (ProcFilesystemAvailable()) {
    const ProcessState state = ReadProcessState(pid_);
    return state.exists && !state.finished && state.startTime == startTime_;
  }
#ifdef Q_OS_UNIX
  return ::kill(static_cast<pid_t>(pid_), 0) == 0;
#else
  return false;  // without a way to tell, a new calculator is the safer answer
#endif
}

bool CalculatorLauncher::BringForward() const {
  // Desktop windows of other programs can only be raised through the window manager; wmctrl
  // does it on X11 desktops. Without it the running calculator is left as it is.
  const QString wmctrl = lookup_("wmctrl");
  if (wmctrl.isEmpty()) return false;
  QProcess list;
  list.start(wmctrl, {"-l", "-p"});
  if (!list.waitForFinished(2000)) {
    list.kill();
    list.waitForFinished();
    return false;
  }
  if (list.exitStatus() != QProcess::NormalExit) return false;
  // Lines read "<window id> <desktop> <pid> <host> <title>".
  const QStringList lines = QString::fromLocal8Bit(list.readAllStandardOutput()).split('\n');
  for (const QString& line : lines) {
    const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
    if (fields.size() < 3 || fields[2] != QString::number(pid_)) continue;
    QProcess activate;
    activate.start(wmctrl, {"-i", "-a", fields[0]});
    if (!activate.waitForFinished(2000)) {
      activate.kill();
      activate.waitForFinished();
      return false;
    }
    return activate.exitStatus() == QProcess::NormalExit && activate.exitCode() == 0;
  }
  return false;
}
