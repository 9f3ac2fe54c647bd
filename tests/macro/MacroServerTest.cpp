#include <QDBusMessage>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "BalanceUi.h"
#include "BalanceWindow.h"
#include "EnvironmentDialog.h"
#include "MacroServer.h"
#include "ValidatedField.h"
#include "gui/MessageBoxScript.h"
#include "macro/MacroFixture.h"

namespace {

class MacroServerTest : public MacroFixture {
 protected:
  QRadioButton* Radio(const char* name) { return main_->findChild<QRadioButton*>(name); }
  QString AngleTexts() {
    const BalanceUi& ui = app_->Balance().Ui();
    return ui.RotationX->text() + ' ' + ui.RotationY->text() + ' ' + ui.RotationZ->text();
  }
};

TEST_F(MacroServerTest, TheItemReadsEdit1AtStartAndAnUnknownItemIsAnError) {
  EXPECT_EQ(ItemText(), "Edit1");
  for (const char* item : {"DdeServerItem2", "ddeserveritem1", ""}) {
    const QDBusMessage answer = Request(item);
    EXPECT_EQ(answer.type(), QDBusMessage::ErrorMessage) << item;
    EXPECT_EQ(answer.errorName(), MacroServer::kUnknownItemError) << item;
  }
}

TEST_F(MacroServerTest, FileOpenReadsTheDoorIntoTheWindow) {
  MessageBoxScript boxes;
  const QString midwater = WriteDoor("midwater.brd", 777, false);
  ASSERT_EQ(Execute("FileOpen|" + midwater).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(main_->windowTitle(), "DoorTrim - " + midwater);
  EXPECT_EQ(app_->Board().Inputs().G, 777);
  EXPECT_TRUE(Radio("RadioButton2")->isChecked());
  EXPECT_FALSE(Radio("RadioButton1")->isChecked());

  const QString bottom = WriteDoor("bottom.brd", 888, true);
  ASSERT_EQ(Execute("|FileOpen||" + bottom + "|").type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(main_->windowTitle(), "DoorTrim - " + bottom);
  EXPECT_TRUE(Radio("RadioButton1")->isChecked());
  EXPECT_EQ(ItemText(), "Edit1");
  EXPECT_TRUE(boxes.Asked().empty());
}

TEST_F(MacroServerTest, FileOpenOfAMissingFileChangesNothingAndSaysNothing) {
  MessageBoxScript boxes;
  const long double weight = app_->Board().Inputs().G;
  const QDBusMessage answer = Execute("FileOpen|" + dir_.filePath("none.brd"));
  EXPECT_EQ(answer.type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(main_->windowTitle(), "DoorTrim");
  EXPECT_EQ(app_->Board().Inputs().G, weight);
  EXPECT_TRUE(boxes.Asked().empty());
}

// A file that is there but cannot be read answers the call with the loader's own message,
// and leaves the door, the caption and the mode as they were, without a box on the desktop.
TEST_F(MacroServerTest, FileOpenOfAnUnreadableFileAnswersWithTheLoadersMessage) {
  const QString opened = WriteDoor("opened.brd", 555, false);
  ASSERT_EQ(Execute("FileOpen|" + opened).type(), QDBusMessage::ReplyMessage);
  MessageBoxScript boxes;
  for (const QString& path :
       {QString(DOORTRIM_TEST_DATA "/bad_hydro_token.brd"), QString(DOORTRIM_TEST_DATA)}) {
    TBoard loader;
    const DoorFileResult expected = loader.LoadFromFile(path.toStdString());
    ASSERT_FALSE(expected.Ok) << path.toStdString();
    const QDBusMessage answer = Execute("FileOpen|" + path);
    EXPECT_EQ(answer.type(), QDBusMessage::ErrorMessage) << path.toStdString();
    EXPECT_EQ(answer.errorName(), MacroServer::kFileNotReadError);
    EXPECT_EQ(answer.errorMessage().toStdString(), expected.Message);
    EXPECT_EQ(main_->windowTitle(), "DoorTrim - " + opened);
    EXPECT_EQ(app_->Board().Inputs().G, 555);
    EXPECT_TRUE(Radio("RadioButton2")->isChecked());
  }
  EXPECT_TRUE(boxes.Asked().empty());
}

TEST_F(MacroServerTest, MacrosOfNoKnownFormDoNothing) {
  MessageBoxScript boxes;
  const QString door = WriteDoor("door.brd", 999, false);
  QSignalSpy published(main_->Macros(), &MacroServer::ItemChanged);
  const QStringList ignored = {"fileopen|" + door,
                               "FILEOPEN|" + door,
                               "Dialog|balance",
                               "dialog|Balance",
                               "Dialog|Projections",
                               "Dialog",
                               "",
                               "Balance|Dialog",
                               "\nFileOpen|" + door};
  for (const QString& data : ignored) {
    EXPECT_EQ(Execute(data).type(), QDBusMessage::ReplyMessage) << data.toStdString();
  }
  EXPECT_EQ(main_->windowTitle(), "DoorTrim");
  EXPECT_NE(app_->Board().Inputs().G, 999);
  EXPECT_EQ(published.count(), 0);
  EXPECT_EQ(ItemText(), "Edit1");
  EXPECT_FALSE(app_->Balance().isVisible());
  EXPECT_TRUE(boxes.Asked().empty());
}

TEST_F(MacroServerTest, BalancePublishesTheAngleFieldsWithoutShowingTheWindow) {
  ASSERT_EQ(Execute("FileOpen|" DOORTRIM_SAMPLE_DOORS "/oval.brd").type(),
            QDBusMessage::ReplyMessage);
  DdeClient listener(kBusName, client_);
  QSignalSpy published(&listener, &DdeClient::ItemChanged);
  ASSERT_EQ(Execute("Dialog|Balance|Update").type(), QDBusMessage::ReplyMessage);
  EXPECT_FALSE(app_->Balance().isVisible());
  const QString angles = ItemText();
  EXPECT_EQ(angles, AngleTexts());
  EXPECT_EQ(angles.split(' ').size(), 3);
  // The signal went out before the answer to the macro, which came before this one.
  ASSERT_EQ(published.count(), 1);
  EXPECT_EQ(published[0][0].toString(), "DdeServerItem1");
  EXPECT_EQ(published[0][1].toString(), angles);
}

// The answer to a macro that opens the balance window comes when the window closes; the
// program answers other calls meanwhile.
TEST_F(MacroServerTest, BalanceWithTheWindowIsAnsweredWhenTheWindowCloses) {
  BalanceWindow& balance = app_->Balance();
  QDBusPendingCall execute = DdeClient(kBusName, client_).Execute("Dialog|Balance|Balance");
  ASSERT_TRUE(QTest::qWaitFor([&] { return balance.isVisible(); }, DdeClient::kCallTimeoutMs));
  // Answers go back in the order the program sends them: had the macro been answered before
  // the window opened, that answer would be here before this one.
  EXPECT_EQ(ItemText(), AngleTexts());
  EXPECT_FALSE(execute.isFinished());
  balance.findChild<QPushButton*>("OKBtn")->click();
  const QDBusMessage answer = Await(execute);
  EXPECT_EQ(answer.type(), QDBusMessage::ReplyMessage);
  EXPECT_FALSE(balance.isVisible());
}

// Macros run one at a time in the order they came: a file sent while the balance window of
// an earlier macro is open is read only after that window has closed.
TEST_F(MacroServerTest, AMacroWaitsForTheBalanceWindowOfTheOneBefore) {
  const QString door = WriteDoor("later.brd", 444, true);
  BalanceWindow& balance = app_->Balance();
  QDBusPendingCall first = DdeClient(kBusName, client_).Execute("Dialog|Balance|Balance");
  ASSERT_TRUE(QTest::qWaitFor([&] { return balance.isVisible(); }, DdeClient::kCallTimeoutMs));
  QDBusPendingCall second = DdeClient(kBusName, client_).Execute("FileOpen|" + door);
  EXPECT_EQ(ItemText(), AngleTexts());  // the second macro has arrived behind this
  EXPECT_FALSE(second.isFinished());
  EXPECT_NE(app_->Board().Inputs().G, 444);
  balance.findChild<QPushButton*>("OKBtn")->click();
  EXPECT_EQ(Await(second).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(first.isFinished());
  EXPECT_EQ(app_->Board().Inputs().G, 444);
}

// A modal input dialog is the user's work in progress: a balance macro waits until it is
// closed, so no search runs under it.
TEST_F(MacroServerTest, AMacroWaitsWhileAModalDialogIsOpen) {
  EnvironmentDialog& dialog = app_->Envir();
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeModalWidget() == &dialog; },
                              DdeClient::kCallTimeoutMs));
  QDBusPendingCall execute = DdeClient(kBusName, client_).Execute("Dialog|Balance");
  EXPECT_EQ(ItemText(), "Edit1");
  EXPECT_FALSE(execute.isFinished());
  dialog.reject();
  EXPECT_EQ(Await(execute).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(ItemText(), AngleTexts());
}

}  // namespace
