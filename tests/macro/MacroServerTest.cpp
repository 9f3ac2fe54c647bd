#include <QDBusMessage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <array>

#include "BalanceUi.h"
#include "BalanceWindow.h"
#include "EnvironmentDialog.h"
#include "MacroServer.h"
#include "ValidatedField.h"
#include "gui/MessageBoxScript.h"
#include "io/DoorFileReader.h"
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
  EXPECT_EQ(Title(), "DoorTrim - " + midwater);
  EXPECT_EQ(app_->Document().Door().G, 777);
  EXPECT_TRUE(Radio("RadioButton2")->isChecked());
  EXPECT_FALSE(Radio("RadioButton1")->isChecked());

  const QString bottom = WriteDoor("bottom.brd", 888, true);
  ASSERT_EQ(Execute("|FileOpen||" + bottom + "|").type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(Title(), "DoorTrim - " + bottom);
  EXPECT_TRUE(Radio("RadioButton1")->isChecked());
  EXPECT_EQ(ItemText(), "Edit1");
  EXPECT_TRUE(boxes.Asked().empty());
}

TEST_F(MacroServerTest, FileOpenOfAMissingFileChangesNothingAndSaysNothing) {
  MessageBoxScript boxes;
  const long double weight = app_->Document().Door().G;
  const QDBusMessage answer = Execute("FileOpen|" + dir_.filePath("none.brd"));
  EXPECT_EQ(answer.type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(Title(), "DoorTrim");
  EXPECT_EQ(app_->Document().Door().G, weight);
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
    DoorInputs loader;
    const DoorFileResult expected = DoorFileReader::Load(path.toStdString(), loader);
    ASSERT_FALSE(expected.Ok) << path.toStdString();
    const QDBusMessage answer = Execute("FileOpen|" + path);
    EXPECT_EQ(answer.type(), QDBusMessage::ErrorMessage) << path.toStdString();
    EXPECT_EQ(answer.errorName(), MacroServer::kFileNotReadError);
    EXPECT_EQ(answer.errorMessage().toStdString(), expected.Message);
    EXPECT_EQ(Title(), "DoorTrim - " + opened);
    EXPECT_EQ(app_->Document().Door().G, 555);
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
  EXPECT_EQ(Title(), "DoorTrim");
  EXPECT_NE(app_->Document().Door().G, 999);
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
  EXPECT_NE(app_->Document().Door().G, 444);
  balance.findChild<QPushButton*>("OKBtn")->click();
  EXPECT_EQ(Await(second).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(first.isFinished());
  EXPECT_EQ(app_->Document().Door().G, 444);
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

// The program that sent FileOpen cannot be asked whether the door open should be saved: the
// door is read all the same, as one step of the history, and Undo brings the unsaved door back.
TEST_F(MacroServerTest, FileOpenOverUnsavedChangesCanBeUndone) {
  MessageBoxScript boxes;
  ChangeTheDoor(app_->Document());
  const long double edited = app_->Document().Door().G;
  const QString door = WriteDoor("door.brd", 777, true);
  ASSERT_EQ(Execute("FileOpen|" + door).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(boxes.Asked().empty());
  EXPECT_EQ(app_->Document().Door().G, 777);
  EXPECT_EQ(Title(), "DoorTrim - " + door);
  app_->Document().History().undo();
  EXPECT_EQ(app_->Document().Door().G, edited);
  EXPECT_EQ(Title(), "DoorTrim*");
}

// What `doortrim-cli solve --json` finds for a sample door: its angles, degrees.
std::array<double, 3> CliBalance(const QString& door) {
  QProcess cli;
  cli.start(DOORTRIM_CLI_PATH, {"solve", door, "--json"});
  EXPECT_TRUE(cli.waitForFinished(60000));
  const QJsonObject result = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
  const QJsonArray angles = result.value("angles_deg").toArray();
  EXPECT_EQ(angles.size(), 3);
  return {angles[0].toDouble(), angles[1].toDouble(), angles[2].toDouble()};
}

// The balance macro is answered once the search it started has ended, with the angles it
// reached: also when the door's "show solving process" switch makes the balance window's
// visible search run, one step per turn of the event loop.
TEST_F(MacroServerTest, BalanceIsAnsweredWithTheAnglesTheSearchReachedEitherSearch) {
  const QString oval = DOORTRIM_SAMPLE_DOORS "/oval.brd";
  const std::array<double, 3> solved = CliBalance(oval);
  for (const bool visible : {false, true}) {
    SCOPED_TRACE(visible ? "visible search" : "solver");
    ASSERT_EQ(Execute("FileOpen|" + oval).type(), QDBusMessage::ReplyMessage);
    app_->Flags().ShowProcess = visible;
    ASSERT_EQ(Execute("Dialog|Balance").type(), QDBusMessage::ReplyMessage);
    EXPECT_FALSE(app_->Balance().BalanceRunning());
    if (visible) {
      EXPECT_GT(app_->Balance().RelaxationSteps(), 0);
    }
    const QStringList reply = ItemText().split(' ');
    ASSERT_EQ(reply.size(), 3) << ItemText().toStdString();
    for (int axis = 0; axis < 3; ++axis) {
      // The fields show three decimals; the visible search stops at 1 N*m rather than 0.1.
      EXPECT_NEAR(reply[axis].toDouble(), solved[static_cast<std::size_t>(axis)], 0.01)
          << ItemText().toStdString();
    }
    // The angles reached are the door's.
    EXPECT_NEAR(static_cast<double>(app_->Document().Angles().Z), solved[2], 0.01);
  }
}

}  // namespace
