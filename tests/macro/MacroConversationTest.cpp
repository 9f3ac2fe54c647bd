#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

#include <algorithm>
#include <chrono>

#include "MacroServer.h"
#include "gui/MessageBoxScript.h"
#include "macro/MacroFixture.h"

namespace {

class MacroConversation : public MacroFixture {
 protected:
  // The conversation-finished boxes on the desktop.
  static std::vector<QMessageBox*> FinishedBoxes() {
    std::vector<QMessageBox*> boxes;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(window);
      if (box != nullptr && box->objectName() == "ConversationFinished" && box->isVisible())
        boxes.push_back(box);
    }
    return boxes;
  }

  // A client that makes one call and leaves the bus; returns when the program has heard of
  // it leaving.
  void CallAndLeave() {
    QString connectionName;
    QString uniqueName;
    {
      // The connection closes when the last handle to it is gone.
      const QDBusConnection leaver = Connect("leaver");
      connectionName = leaver.name();
      uniqueName = leaver.baseService();
      ASSERT_EQ(Request(kItem, &leaver).type(), QDBusMessage::ReplyMessage);
    }
    QDBusServiceWatcher watcher(uniqueName, client_, QDBusServiceWatcher::WatchForUnregistration);
    QSignalSpy gone(&watcher, &QDBusServiceWatcher::serviceUnregistered);
    QDBusConnection::disconnectFromBus(connectionName);
    ASSERT_TRUE(gone.wait(DdeClient::kCallTimeoutMs));
    // The bus told the program before it passes on this call, which the program answers in
    // turn.
    ItemText();
  }
};

TEST_F(MacroConversation, AClientLeavingTheBusEndsItsConversation) {
  MessageBoxScript boxes;
  CallAndLeave();
  ASSERT_EQ(boxes.Texts(), std::vector<QString>{"This conversation is finished!"});
  EXPECT_EQ(boxes.Asked()[0].Icon, QMessageBox::Information);
}

TEST_F(MacroConversation, AClientThatStaysEndsNoConversation) {
  MessageBoxScript boxes;
  ASSERT_EQ(Execute("Nothing").type(), QDBusMessage::ReplyMessage);
  ItemText();
  EXPECT_TRUE(boxes.Asked().empty());
}

// The box does not hold the program up, and one open box is enough for any number of
// conversations ending.
TEST_F(MacroConversation, TheFinishedBoxNeverStacksAndNeverBlocks) {
  CallAndLeave();
  ASSERT_EQ(FinishedBoxes().size(), 1u);
  EXPECT_EQ(FinishedBoxes()[0]->text(), "This conversation is finished!");
  CallAndLeave();  // answered with the box open
  CallAndLeave();
  ASSERT_EQ(FinishedBoxes().size(), 1u);

  FinishedBoxes()[0]->button(QMessageBox::Ok)->click();
  ASSERT_TRUE(QTest::qWaitFor([] { return FinishedBoxes().empty(); }, DdeClient::kCallTimeoutMs));
  CallAndLeave();
  EXPECT_EQ(FinishedBoxes().size(), 1u);
}

// A script that calls fifty times, each call a conversation of its own, while the user works
// in the main window: at most one box is ever up, it never takes the focus from the window,
// and it goes by itself when its time is up (made short here: the test waits for the box to
// go, not for five seconds).
TEST_F(MacroConversation, FiftyCallsLeaveAtMostOneBoxThatClosesItselfWithoutTakingTheFocus) {
  MacroServer& server = *main_->Macros();
  EXPECT_EQ(server.FinishedBoxLifetime(), MacroServer::kFinishedBoxLifetime);
  // Up for the whole burst, however slow the machine.
  server.SetFinishedBoxLifetime(std::chrono::hours(1));
  main_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main_));
  QWidget* working = main_->focusWidget();
  bool boxTookTheFocus = false;
  const auto isBox = [](const QWidget* widget) {
    return widget != nullptr && widget->window()->objectName() == "ConversationFinished";
  };
  const QMetaObject::Connection focus = QObject::connect(
      qApp, &QApplication::focusChanged,
      [&](QWidget*, QWidget* now) { boxTookTheFocus = boxTookTheFocus || isBox(now); });
  std::size_t mostBoxes = 0;
  for (int call = 0; call < 50; ++call) {
    CallAndLeave();
    mostBoxes = std::max(mostBoxes, FinishedBoxes().size());
    // Where a window system activates the box all the same, the activation has come back.
    boxTookTheFocus = boxTookTheFocus || QApplication::activeWindow() != main_;
  }
  QObject::disconnect(focus);
  EXPECT_EQ(mostBoxes, 1u);
  ASSERT_EQ(FinishedBoxes().size(), 1u);
  EXPECT_FALSE(boxTookTheFocus);
  EXPECT_EQ(QApplication::activeWindow(), main_);
  EXPECT_EQ(main_->focusWidget(), working);

  server.SetFinishedBoxLifetime(std::chrono::milliseconds(0));
  EXPECT_TRUE(QTest::qWaitFor([] { return FinishedBoxes().empty(); }, DdeClient::kCallTimeoutMs));
}

}  // namespace
