#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <deque>
#include <optional>

class QDBusServiceWatcher;
struct MacroCommand;
class QMessageBox;
class MainWindow;

// Lets another program drive the running program over the session bus: it opens door files
// and balances the door on macros (see MacroCommand) sent to Execute, and publishes the
// balance angles as the text of its one item, which Request reads.
//
// It runs on the user-interface thread, one macro at a time in the order they arrive. A
// macro waits while the program is busy (a macro running, a balance search, any modal
// window), and its Execute call is answered only when the macro is done: a macro that opens
// the balance window is answered when the window closes. The calls are answered later rather
// than waited for, so the program goes on answering Request meanwhile.
//
// Each client connection is a conversation: its first call begins it, and when the
// connection leaves the bus the program says "This conversation is finished!", in a box
// that does not hold the program up and of which at most one is open.
class MacroServer : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* kObjectPath = "/DdeServerConv1";
  static constexpr const char* kItemName = "DdeServerItem1";
  static constexpr const char* kFileNotReadError = "org.doortrim.Dde.Error.FileNotRead";
  static constexpr const char* kUnknownItemError = "org.doortrim.Dde.Error.UnknownItem";
  static constexpr const char* kClosingError = "org.doortrim.Dde.Error.Closing";

  // The server of the given main window, which owns it.
  explicit MacroServer(MainWindow& main);
  ~MacroServer() override;
  MacroServer(const MacroServer&) = delete;
  MacroServer& operator=(const MacroServer&) = delete;

  // Offers the macros on the bus under the given name; empty on success, else why not
  // (no bus, or the name taken by another copy of the program).
  QString Start(const QDBusConnection& bus, const QString& busName);

  // The item's text: the last balance angles "x y z", or "Edit1" before any.
  const QString& ItemText() const { return itemText_; }

  // The bus methods, as the adaptor hands them over with the call they answer.
  void Execute(const QString& data, const QDBusMessage& call);
  QString Request(const QString& item, const QDBusMessage& call);

 signals:
  void ItemChanged(const QString& item, const QString& text);

 private:
  struct PendingMacro {
    QString Data;
    QDBusMessage Call;
  };

  bool Busy() const;
  void RunWhenFree();
  void RunNext();
  // Carries out the current macro, and answers it when it is done.
  void Run(const MacroCommand& macro);
  void Finish(const QDBusMessage& answer);
  void Answer(const QDBusMessage& call, const QDBusMessage& answer);
  void SetItemText(const QString& text);
  void BeginConversation(const QString& client);
  void EndConversation(const QString& client);
  void ShowConversationFinished();

  MainWindow& main_;
  QDBusConnection bus_;
  QString busName_;
  bool started_ = false;
  QDBusServiceWatcher* clientWatcher_;
  QSet<QString> conversations_;  // the clients' unique bus names
  std::deque<PendingMacro> waiting_;
  std::optional<QDBusMessage> current_;  // the call of the macro running
  bool runPosted_ = false;
  QString itemText_ = "Edit1";
  QPointer<QMessageBox> finishedBox_;
};
