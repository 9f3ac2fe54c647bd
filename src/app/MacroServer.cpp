#include "MacroServer.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include "MacroAdaptor.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "io/DoorFileResult.h"
#include "macro/MacroCommand.h"

MacroServer::MacroServer(MainWindow& main)
    : QObject(&main),
      main_(main),
      bus_(QString()),
      clientWatcher_(new QDBusServiceWatcher(this)),
      finishedBoxTimer_(new QTimer(this)) {
  new MacroAdaptor(*this);
  finishedBoxTimer_->setSingleShot(true);
  connect(finishedBoxTimer_, &QTimer::timeout, this, [this] {
    if (finishedBox_ != nullptr) finishedBox_->close();
  });
  clientWatcher_->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
  connect(clientWatcher_, &QDBusServiceWatcher::serviceUnregistered, this,
          &MacroServer::EndConversation);
  // A macro that came while the program was busy runs at the next moment the program has
  // nothing else to do: the event loop is about to wait.
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          &MacroServer::RunWhenFree);
}

MacroServer::~MacroServer() {
  if (current_) {
    Answer(*current_,
           current_->createErrorReply(kClosingError, "DoorTrim closed before the macro ended"));
  }
  for (const PendingMacro& pending : waiting_) {
    Answer(pending.Call, pending.Call.createErrorReply(
                             kClosingError, "DoorTrim closed before the macro could run"));
  }
  if (started_) {
    bus_.unregisterObject(kObjectPath);
    bus_.unregisterService(busName_);
  }
}

QString MacroServer::Start(const QDBusConnection& bus, const QString& busName) {
  if (!bus.isConnected()) {
    return "no D-Bus session bus (" + bus.lastError().message() + ")";
  }
  bus_ = bus;
  if (!bus_.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors)) {
    return QString("the object path %1 is taken on the bus").arg(kObjectPath);
  }
  const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
      bus_.interface()->registerService(busName, QDBusConnectionInterface::DontQueueService,
                                        QDBusConnectionInterface::DontAllowReplacement);
  if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
    bus_.unregisterObject(kObjectPath);
    if (!reply.isValid()) {
      return "the bus name " + busName + " could not be taken: " + reply.error().message();
    }
    return "the bus name " + busName + " is taken (another copy of DoorTrim is running)";
  }
  busName_ = busName;
  started_ = true;
  clientWatcher_->setConnection(bus_);
  return {};
}

void MacroServer::Execute(const QString& data, const QDBusMessage& call) {
  BeginConversation(call.service());
  call.setDelayedReply(true);
  waiting_.push_back({data, call});
  RunWhenFree();
}

QString MacroServer::Request(const QString& item, const QDBusMessage& call) {
  BeginConversation(call.service());
  if (item != kItemName) {
    call.setDelayedReply(true);
    Answer(call,
           call.createErrorReply(kUnknownItemError,
                                 QString("no item '%1'; the item is %2").arg(item, kItemName)));
    return {};
  }
  return itemText_;
}

bool MacroServer::Busy() const {
  // A modal window (an input dialog, the balance window, a message box) is the user's work in
  // progress, and a search must never start while another runs.
  return current_.has_value() || main_.BalanceSearchRunning() ||
         QApplication::activeModalWidget() != nullptr;
}

void MacroServer::RunWhenFree() {
  if (waiting_.empty() || runPosted_ || Busy()) return;
  runPosted_ = true;
  QMetaObject::invokeMethod(this, &MacroServer::RunNext, Qt::QueuedConnection);
}

void MacroServer::RunNext() {
  runPosted_ = false;
  if (waiting_.empty() || Busy()) return;  // tried again when the program is free
  const PendingMacro pending = waiting_.front();
  waiting_.pop_front();
  current_ = pending.Call;
  Run(MacroCommand::Parse(pending.Data.toStdString()));
}

void MacroServer::Run(const MacroCommand& macro) {
  const QDBusMessage& call = *current_;
  // Until the macro's work is done, a message goes to the client rather than into a box.
  quiet_ = std::make_unique<QuietMessages>();
  switch (macro.What) {
    case MacroCommand::Action::FileOpen: {
      const QString path = QString::fromStdString(macro.Path);
      // A path with nothing there is passed over without a word; anything else that cannot
      // be read tells the client why, and the door stays as it was.
      if (!QFileInfo::exists(path)) break;
      const DoorFileResult result = main_.LoadDoorFile(path);
      if (!result) {
        Finish(call.createErrorReply(kFileNotReadError, QString::fromStdString(result.Message)));
        return;
      }
      break;
    }
    case MacroCommand::Action::Balance: {
      // Answered once the search has ended, whichever search the balance window runs: the
      // reply holds the angles it reached.
      const bool openWindow = macro.OpenBalanceWindow;
      main_.BalanceWithoutWindow(this, [this, openWindow](const MainWindow::BalanceFound& found) {
        SetItemText(found.Angles);
        const QDBusMessage answer = BalanceOutcome(found);
        if (!openWindow) {
          Finish(answer);
          return;
        }
        // The window is the user's again: its messages are boxes. Answered when it closes;
        // until then the program goes on with other calls. Nobody is left to close it when
        // the client has gone: it closes then.
        quiet_.reset();
        windowClient_ = current_->service();
        main_.OpenBalanceWindow(this, [this, answer] {
          windowClient_.clear();
          Finish(answer);
        });
      });
      return;
    }
    case MacroCommand::Action::None:
      break;
  }
  Finish(Outcome(call.createReply()));
}

QDBusMessage MacroServer::Outcome(const QDBusMessage& answer) {
  if (!quiet_ || quiet_->Taken().isEmpty() || answer.type() == QDBusMessage::ErrorMessage)
    return answer;
  return current_->createErrorReply(kMessageError, quiet_->Taken().join('\n'));
}

QDBusMessage MacroServer::BalanceOutcome(const MainWindow::BalanceFound& found) {
  if (found.Balanced) return Outcome(current_->createReply());
  // The angles a field refused are no use in the item; the client learns them here.
  QString text = "Not balanced: the search reached " + found.Reached;
  if (quiet_ && !quiet_->Taken().isEmpty()) text += '\n' + quiet_->Taken().join('\n');
  return current_->createErrorReply(kNotBalancedError, text);
}

void MacroServer::Finish(const QDBusMessage& answer) {
  quiet_.reset();
  Answer(*current_, answer);
  current_.reset();
  RunWhenFree();
}

void MacroServer::Answer(const QDBusMessage& call, const QDBusMessage& answer) {
  // A client that sent its call without waiting for an answer gets none.
  if (call.isReplyRequired()) bus_.send(answer);
}

void MacroServer::SetItemText(const QString& text) {
  if (text == itemText_) return;
  itemText_ = text;
  emit ItemChanged(kItemName, itemText_);
}

void MacroServer::BeginConversation(const QString& client) {
  if (client.isEmpty() || conversations_.contains(client)) return;
  conversations_.insert(client);
  clientWatcher_->addWatchedService(client);
  // A client that did not wait for its answer may have left before the watch began; the bus
  // answers this question only after it has set the watch up.
  auto* check = new QDBusPendingCallWatcher(
      bus_.interface()->asyncCall(QStringLiteral("NameHasOwner"), client), this);
  connect(check, &QDBusPendingCallWatcher::finished, this,
          [this, client](QDBusPendingCallWatcher* finished) {
            const QDBusPendingReply<bool> reply = *finished;
            if (reply.isValid() && !reply.value()) EndConversation(client);
            finished->deleteLater();
          });
}

void MacroServer::EndConversation(const QString& client) {
  if (!conversations_.remove(client)) return;
  clientWatcher_->removeWatchedService(client);
  // The balance window its macro opened waits for nobody now.
  if (!windowClient_.isEmpty() && windowClient_ == client) main_.CloseBalanceWindow();
  ShowConversationFinished();
}

void MacroServer::ShowConversationFinished() {
  // A command-line client makes a new connection for every call: one box says it all.
  if (finishedBox_ != nullptr && finishedBox_->isVisible()) return;
  MessageBoxRequest request;
  request.Parent = &main_;
  request.Icon = QMessageBox::Information;
  request.Title = "DoorTrim";
  request.Text = QString::fromStdString(main_.Texts().Text(MessageTexts::kConversationFinished));
  request.Buttons = QMessageBox::Ok;
  // A script calls again and again while the user works on: the box comes up beside that
  // work without taking the keyboard from it, and goes by itself.
  request.TakesFocus = false;
  finishedBox_ = MessageBoxes::ShowWithoutWaiting(request);
  if (finishedBox_ == nullptr) return;
  finishedBox_->setObjectName("ConversationFinished");
  finishedBoxTimer_->start(finishedBoxLifetime_);
}

void MacroServer::SetFinishedBoxLifetime(std::chrono::milliseconds lifetime) {
  finishedBoxLifetime_ = lifetime;
  if (finishedBoxTimer_->isActive()) finishedBoxTimer_->start(lifetime);
}
