#include <QDBusServiceWatcher>
#include <QMessageBox>
#include <QSignalSpy>

#include "BalanceUi.h"
#include "BalanceWindow.h"
#include "EnvironmentDialog.h"
#include "MacroServer.h"
#include "ValidatedField.h"
#include "gui/DoorChanges.h"
#include "gui/MessageBoxScript.h"
#include "macro/MacroFixture.h"

// Nobody sits at the screen for a macro: what the program would say in a box goes back to
// the client, a balance macro always answers, and the balance window a macro opened does not
// outlive its client.
namespace {

class MacroQuiet : public MacroFixture {
 protected:
  // The oval sample door at a towing speed too low for it: its balance search turns the door
  // past -90 degrees about X, which the angle field refuses.
  void OpenTheOvalDoorTooSlow() {
    ASSERT_EQ(Execute("FileOpen|" DOORTRIM_SAMPLE_DOORS "/oval.brd").type(),
              QDBusMessage::ReplyMessage);
    EditTheDoor(app_->Document(), [](DoorInputs& door) { door.v = 0.5L; });
  }

  static bool AnyMessageBoxShown() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (qobject_cast<QMessageBox*>(window) != nullptr && window->isVisible()) return true;
    }
    return false;
  }

  QString AngleTexts() {
    const BalanceUi& ui = app_->Balance().Ui();
    return ui.RotationX->text() + ' ' + ui.RotationY->text() + ' ' + ui.RotationZ->text();
  }
};

// Without the quiet answer, the field's box would wait for a button here and the call would
// never come back: the test ends as soon as the answer is in.
TEST_F(MacroQuiet, ADoorTurningPastNinetyDegreesIsAnsweredAsNotBalanced) {
  OpenTheOvalDoorTooSlow();
  for (const bool visible : {false, true}) {
    SCOPED_TRACE(visible ? "visible search" : "solver");
    app_->Flags().ShowProcess = visible;
    const QDBusMessage answer = Execute("Dialog|Balance");
    ASSERT_EQ(answer.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(answer.errorName(), MacroServer::kNotBalancedError);
    const QString said = answer.errorMessage();
    EXPECT_TRUE(said.startsWith("Not balanced: the search reached ")) << said.toStdString();
    // The angle the field refused is named, and so is the field's own message.
    const QString reached = said.section('\n', 0, 0).section(' ', 5);
    const QStringList angles = reached.split(' ');
    ASSERT_EQ(angles.size(), 3) << said.toStdString();
    EXPECT_LT(angles[0].toDouble(), -90.0) << said.toStdString();
    EXPECT_TRUE(said.contains("is out of range: [-90..90]")) << said.toStdString();
    // The item holds what the angle fields show, as after any balance.
    EXPECT_EQ(ItemText(), AngleTexts());
    EXPECT_FALSE(AnyMessageBoxShown());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(app_->Balance().BalanceRunning());
  }
  // The program is free for the next macro.
  EXPECT_EQ(Execute("Nothing").type(), QDBusMessage::ReplyMessage);
}

// A balanced door's answer stays a plain reply, the angles in the item.
TEST_F(MacroQuiet, ABalancedDoorIsAnsweredWithAPlainReply) {
  MessageBoxScript boxes;
  ASSERT_EQ(Execute("FileOpen|" DOORTRIM_SAMPLE_DOORS "/oval.brd").type(),
            QDBusMessage::ReplyMessage);
  const QDBusMessage answer = Execute("Dialog|Balance");
  EXPECT_EQ(answer.type(), QDBusMessage::ReplyMessage) << answer.errorMessage().toStdString();
  EXPECT_TRUE(app_->Balance().LastSearch().Balanced);
  EXPECT_EQ(ItemText(), AngleTexts());
  EXPECT_TRUE(boxes.Asked().empty());
}

// A message the program gives while a macro runs (here a field refusing a value beyond its
// range as the search starts) is the macro's answer, as an error, and no box.
TEST_F(MacroQuiet, AMessageUnderAMacroBecomesADBusError) {
  MessageBoxScript boxes;
  ValidatedField* field = app_->Envir().findChild<ValidatedField*>();
  ASSERT_NE(field, nullptr);
  const long double beyond = field->ValMax() + 1;
  const QMetaObject::Connection refusing = QObject::connect(
      &app_->Balance(), &BalanceWindow::searchRunningChanged, field, [field, beyond](bool running) {
        if (running) field->setVal(beyond);
      });
  const QDBusMessage answer = Execute("Dialog|Balance");
  QObject::disconnect(refusing);
  ASSERT_EQ(answer.type(), QDBusMessage::ErrorMessage);
  EXPECT_EQ(answer.errorName(), MacroServer::kMessageError);
  // One line, ending in the field's range.
  const QString said = answer.errorMessage();
  EXPECT_FALSE(said.contains('\n') || said.contains('\r')) << said.toStdString();
  EXPECT_TRUE(
      said.endsWith(field->objectName() + "Value is out of range: " + field->IntervalText()))
      << said.toStdString();
  EXPECT_TRUE(boxes.Asked().empty());
  // The angles were published all the same.
  EXPECT_EQ(ItemText(), AngleTexts());
  // Outside a macro the same refusal is a box again.
  field->setVal(beyond);
  ASSERT_EQ(boxes.Asked().size(), 1u);
  EXPECT_EQ(boxes.Asked()[0].Text, field->OutOfRangeMessage());
}

// The balance window a macro opened answers to that macro's client: when the client leaves the
// bus, nobody is left to close it, and it closes.
TEST_F(MacroQuiet, TheBalanceWindowOfAMacroClosesWhenItsClientLeaves) {
  MessageBoxScript boxes;
  BalanceWindow& balance = app_->Balance();
  QString connectionName;
  {
    const QDBusConnection opener = Connect("opener");
    connectionName = opener.name();
    QDBusPendingCall execute = DdeClient(kBusName, opener).Execute("Dialog|Balance|Balance");
    ASSERT_TRUE(QTest::qWaitFor([&] { return balance.isVisible(); }, DdeClient::kCallTimeoutMs));
  }
  // A client of its own that stays has no say over the window.
  EXPECT_EQ(ItemText(), AngleTexts());
  EXPECT_TRUE(balance.isVisible());
  QDBusConnection::disconnectFromBus(connectionName);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !balance.isVisible(); }, DdeClient::kCallTimeoutMs));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  // The program takes the next macro.
  EXPECT_EQ(Execute("Dialog|Balance").type(), QDBusMessage::ReplyMessage);
  EXPECT_FALSE(balance.isVisible());
}

}  // namespace
