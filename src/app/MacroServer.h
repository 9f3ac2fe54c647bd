#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <chrono>
#include <deque>
#include <memory>
#include <optional>

#include "MainWindow.h"
#include "QuietMessages.h"

class QDBusServiceWatcher;
class QTimer;
struct MacroCommand;
class QMessageBox;

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
// Nobody sits at the screen for a macro: every message the program would show in a box
// while a macro runs is logged on standard error and answers the macro as a D-Bus error
// (kMessageError, the messages one a line), a question taking its Cancel or No. A balance
// macro always answers: with the angles in the item, and as kNotBalancedError when the door
// did not balance (the message names the angles the search reached).
//
// Each client connection is a conversation: its first call begins it, and when the
// connection leaves the bus the program says "This conversation is finished!", in a box
// that does not hold the program up, does not take the focus, closes itself after a few
// seconds, and of which at most one is open. A balance window a macro opened closes when
// that macro's client leaves the bus.
class MacroServer : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* kObjectPath = "/DdeServerConv1";
  static constexpr const char* kItemName = "DdeServerItem1";
  static constexpr const char* kFileNotReadError = "org.doortrim.Dde.Error.FileNotRead";
  static constexpr const char* kUnknownItemError = "org.doortrim.Dde.Error.UnknownItem";
  static constexpr const char* kClosingError = "org.doortrim.Dde.Error.Closing";
  static constexpr const char* kMessageError = "org.doortrim.Dde.Error.Message";
  static constexpr const char* kNotBalancedError = "org.doortrim.Dde.Error.NotBalanced";
  // How long the conversation-finished box stays up unless closed before.
  static constexpr std::chrono::milliseconds kFinishedBoxLifetime{5000};

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

  // How long the conversation-finished box stays up, counted from now when it is up: a test
  // need not wait five seconds to see it close itself.
  void SetFinishedBoxLifetime(std::chrono::milliseconds lifetime);
  std::chrono::milliseconds FinishedBoxLifetime() const { return finishedBoxLifetime_; }

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
  // The answer to the current macro: `answer`, or the messages it raised as an error.
  QDBusMessage Outcome(const QDBusMessage& answer);
  // The answer to a balance macro whose search has ended.
  QDBusMessage BalanceOutcome(const MainWindow::BalanceFound& found);
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
  std::chrono::milliseconds finishedBoxLifetime_ = kFinishedBoxLifetime;
  QTimer* finishedBoxTimer_;  // closes the box when its time is up
  // While a macro does its work unseen: the messages that would have been boxes.
  std::unique_ptr<QuietMessages> quiet_;
  // The client whose macro opened the balance window, while it is open.
  QString windowClient_;
};
