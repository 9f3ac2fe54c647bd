#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>
#include <optional>
#include <ostream>

#include <pwd.h>
#include <unistd.h>

#include "DesktopIntegration.h"
#include "DoorTrimApp.h"
#include "MainWindow.h"
#include "RecentDoors.h"
#include "StartOptions.h"
#include "gui/DoorChanges.h"
#include "gui/FileDialogScript.h"
#include "gui/MessageBoxScript.h"
#include "io/DoorFileWriter.h"
#include "model/ViewSettings.h"

namespace {

constexpr long double kWeightTol = 1e-9L;  // N, a weight read back from a file

// The program with its main window, on an empty recent list of the test's own settings.
class Desktop : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QSettings().clear();
    app_ = std::make_unique<DoorTrimApp>();
    main_ = &app_->Main();
  }
  void TearDown() override {
    CloseWithoutSaving(*main_);
    app_.reset();
  }

  // A door file of our own, told apart from others by its weight.
  QString WriteDoor(const QString& name, long double weight) {
    DoorInputs door;
    door.G = weight;
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(DoorFileWriter().Save(path.toStdString(), door, ViewSettings{}));
    return path;
  }
  QMenu* RecentMenu() { return main_->findChild<QMenu*>("RecentDoors1"); }
  QAction* RecentEntry(int number) {
    QMenu* menu = RecentMenu();
    return menu ? menu->findChild<QAction*>(QString("RecentDoor%1").arg(number)) : nullptr;
  }
  // Drags the files onto the main window; returns whether the window would take them.
  bool DragEnter(const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main_, &enter);
    return enter.isAccepted();
  }
  void Drop(const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    ASSERT_TRUE(DragEnter(data.urls()));
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main_, &drop);
    EXPECT_TRUE(drop.isAccepted());
  }

  QTemporaryDir dir_;
  std::unique_ptr<DoorTrimApp> app_;
  MainWindow* main_ = nullptr;
};

TEST_F(Desktop, CommandLineFileIsOpenedAtStart) {
  const QString door = WriteDoor("start.brd", 345);
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir_.path()));  // as a shell in the door's folder passes it
  app_->Start(StartOptions::Parse({"doortrim", "start.brd"}));
  QDir::setCurrent(previous);
  EXPECT_TRUE(main_->isVisible());
  EXPECT_EQ(main_->FileName(), door);
  EXPECT_NEAR(app_->Document().Door().G, 345, kWeightTol);
  EXPECT_FALSE(app_->Document().IsModified());
  EXPECT_EQ(app_->Desktop().Recent().Paths(), QStringList{door});
}

TEST_F(Desktop, CommandLineFileThatCannotBeReadLeavesTheDefaultDoorWithAMessage) {
  MessageBoxScript boxes;
  const QString missing = dir_.filePath("missing.brd");
  app_->Start(StartOptions::Parse({"doortrim", missing}));
  EXPECT_TRUE(main_->isVisible());
  ASSERT_EQ(boxes.Asked().size(), 1u);
  EXPECT_TRUE(boxes.Asked()[0].Text.contains("missing.brd")) << boxes.Asked()[0].Text.toStdString();
  EXPECT_TRUE(main_->FileName().isEmpty());
  EXPECT_NEAR(app_->Document().Door().G, DoorInputs().G, kWeightTol);
  EXPECT_TRUE(app_->Desktop().Recent().Paths().isEmpty());
}

struct ArgumentsCase {
  QStringList Arguments;
  std::optional<QString> File;
  const char* ErrorNames;  // a word the error must name; nullptr: no error
  bool TextOnly;
};

// Names each case after its command line in the test list.
void PrintTo(const ArgumentsCase& c, std::ostream* out) {
  *out << c.Arguments.join(' ').toStdString();
}

class StartArguments : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(StartArguments, AreReadAsTheUserMeantThem) {
  const ArgumentsCase& c = GetParam();
  const StartOptions options = StartOptions::Parse(c.Arguments);
  EXPECT_EQ(options.File(), c.File);
  if (c.ErrorNames == nullptr) {
    EXPECT_EQ(options.Error(), "");
  } else {
    EXPECT_TRUE(options.Error().contains(c.ErrorNames)) << options.Error().toStdString();
  }
  EXPECT_EQ(StartOptions::WantsTextOnly(c.Arguments), c.TextOnly);
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, StartArguments,
    ::testing::Values(ArgumentsCase{{"doortrim"}, std::nullopt, nullptr, false},
                      ArgumentsCase{{"doortrim", "my door.brd"}, "my door.brd", nullptr, false},
                      ArgumentsCase{{"doortrim", "a.brd", "b.brd"}, std::nullopt, "b.brd", false},
                      ArgumentsCase{{"doortrim", "--bogus"}, std::nullopt, "bogus", false},
                      ArgumentsCase{{"doortrim", "--version"}, std::nullopt, nullptr, true},
                      ArgumentsCase{{"doortrim", "--data-folders"}, std::nullopt, nullptr, true},
                      ArgumentsCase{{"--version"}, std::nullopt, nullptr, false}));

TEST_F(Desktop, RecentDoorsListOpenedAndSavedFilesNewestFirstUnderFile) {
  QMenu* menu = RecentMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(main_->findChild<QMenu*>("File1")->actions().contains(menu->menuAction()));
  EXPECT_FALSE(menu->menuAction()->isEnabled());  // nothing to offer yet

  const QString opened = WriteDoor("opened.brd", 300);
  ASSERT_TRUE(main_->OpenFile(opened));
  const QString saved = dir_.filePath("saved.brd");
  FileDialogScript dialogs;
  dialogs.Choose(saved);
  ASSERT_TRUE(main_->SaveAs());

  EXPECT_TRUE(menu->menuAction()->isEnabled());
  ASSERT_NE(RecentEntry(1), nullptr);
  ASSERT_NE(RecentEntry(2), nullptr);
  EXPECT_EQ(RecentEntry(3), nullptr);
  EXPECT_EQ(RecentEntry(1)->data().toString(), saved);
  EXPECT_EQ(RecentEntry(2)->data().toString(), opened);
  EXPECT_TRUE(RecentEntry(2)->text().contains("opened.brd"));
}

// The test program's main gives it a home of its own: the recent list a test makes is written
// there, never into the settings of the user running the tests.
TEST_F(Desktop, RecentDoorsOfATestAreKeptOutsideTheUsersSettings) {
  ASSERT_TRUE(main_->OpenFile(WriteDoor("kept.brd", 300)));
  QSettings settings;
  settings.sync();
  const QFileInfo file(settings.fileName());
  ASSERT_TRUE(file.exists()) << settings.fileName().toStdString();
  const passwd* user = getpwuid(getuid());
  ASSERT_NE(user, nullptr);
  const QString usersConfig = QDir(QFile::decodeName(user->pw_dir)).filePath(".config") + "/";
  EXPECT_FALSE(file.canonicalFilePath().startsWith(usersConfig))
      << file.canonicalFilePath().toStdString();
  EXPECT_TRUE(file.canonicalFilePath().startsWith(
      QFileInfo(qEnvironmentVariable("XDG_CONFIG_HOME")).canonicalFilePath() + "/"))
      << file.canonicalFilePath().toStdString();
}

TEST_F(Desktop, ChoosingARecentDoorOpensIt) {
  const QString first = WriteDoor("first.brd", 310);
  const QString second = WriteDoor("second.brd", 320);
  ASSERT_TRUE(main_->OpenFile(first));
  ASSERT_TRUE(main_->OpenFile(second));
  ASSERT_NE(RecentEntry(2), nullptr);
  RecentEntry(2)->trigger();
  QTRY_COMPARE(main_->FileName(), first);
  EXPECT_NEAR(app_->Document().Door().G, 310, kWeightTol);
  EXPECT_EQ(app_->Desktop().Recent().Paths(), QStringList({first, second}));
}

TEST_F(Desktop, RecentDoorThatNoLongerExistsIsTakenOutWithAMessage) {
  const QString kept = WriteDoor("kept.brd", 330);
  const QString gone = WriteDoor("gone.brd", 340);
  ASSERT_TRUE(main_->OpenFile(gone));
  ASSERT_TRUE(main_->OpenFile(kept));
  ASSERT_TRUE(QFile::remove(gone));
  MessageBoxScript boxes;
  ASSERT_NE(RecentEntry(2), nullptr);
  RecentEntry(2)->trigger();
  QTRY_COMPARE(boxes.Asked().size(), 1u);
  EXPECT_EQ(boxes.Asked()[0].Icon, QMessageBox::Warning);
  EXPECT_TRUE(boxes.Asked()[0].Text.contains(QDir::toNativeSeparators(gone)));
  EXPECT_EQ(app_->Desktop().Recent().Paths(), QStringList{kept});
  EXPECT_EQ(RecentEntry(2), nullptr);
  EXPECT_EQ(main_->FileName(), kept);
  EXPECT_NEAR(app_->Document().Door().G, 330, kWeightTol);
}

// A path that now names a folder, a FIFO or a device exists: the message says it is no file
// rather than that it has gone.
TEST_F(Desktop, RecentDoorThatIsNoLongerAFileIsTakenOutSayingSo) {
  const QString kept = WriteDoor("kept.brd", 330);
  const QString replaced = WriteDoor("replaced.brd", 340);
  ASSERT_TRUE(main_->OpenFile(replaced));
  ASSERT_TRUE(main_->OpenFile(kept));
  ASSERT_TRUE(QFile::remove(replaced));
  ASSERT_TRUE(QDir().mkdir(replaced));
  MessageBoxScript boxes;
  ASSERT_NE(RecentEntry(2), nullptr);
  RecentEntry(2)->trigger();
  QTRY_COMPARE(boxes.Asked().size(), 1u);
  const QString text = boxes.Asked()[0].Text;
  EXPECT_TRUE(text.contains(QDir::toNativeSeparators(replaced))) << text.toStdString();
  EXPECT_TRUE(text.contains("not a regular file")) << text.toStdString();
  EXPECT_FALSE(text.contains("no longer exists")) << text.toStdString();
  EXPECT_EQ(app_->Desktop().Recent().Paths(), QStringList{kept});
}

// A name of a hundred thousand characters does not stretch the menu across the screen, and
// one with a right-to-left override reads as it is named, not reversed.
TEST_F(Desktop, RecentDoorEntriesStayShortAndReadInOrder) {
  const QString longName = QString(100000, 'd') + ".brd";
  const QString turned = QString("evil") + QChar(0x202E) + "drb.txt";
  app_->Desktop().Recent().Add("/tmp/" + longName);
  app_->Desktop().Recent().Add("/tmp/" + turned);
  ASSERT_NE(RecentEntry(1), nullptr);
  ASSERT_NE(RecentEntry(2), nullptr);
  const QString turnedEntry = RecentEntry(1)->text();
  const QString longEntry = RecentEntry(2)->text();
  EXPECT_FALSE(turnedEntry.contains(QChar(0x202E))) << turnedEntry.toStdString();
  EXPECT_TRUE(turnedEntry.contains("evil")) << turnedEntry.toStdString();
  EXPECT_LT(longEntry.size(), 200);
  EXPECT_TRUE(longEntry.endsWith(".brd")) << longEntry.right(20).toStdString();
}

TEST_F(Desktop, DroppedDoorFileIsOpened) {
  const QString door = WriteDoor("dropped.brd", 350);
  Drop(door);
  QTRY_COMPARE(main_->FileName(), door);
  EXPECT_NEAR(app_->Document().Door().G, 350, kWeightTol);
}

TEST_F(Desktop, DropOnUnsavedChangesAsksFirstAndCancelKeepsTheDoor) {
  const QString door = WriteDoor("dropped.brd", 360);
  EditTheDoor(app_->Document(), [](DoorInputs& d) { d.G = 999; });
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Cancel);
  Drop(door);
  QTRY_COMPARE(boxes.Asked().size(), 1u);
  EXPECT_EQ(boxes.Asked()[0].Text, "Save Data?");
  EXPECT_TRUE(main_->FileName().isEmpty());
  EXPECT_NEAR(app_->Document().Door().G, 999, kWeightTol);
  EXPECT_TRUE(app_->Document().IsModified());
}

TEST_F(Desktop, DropOnUnsavedChangesOpensTheDoorWhenTheyAreGivenUp) {
  const QString door = WriteDoor("dropped.brd", 370);
  ChangeTheDoor(app_->Document());
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::No);
  Drop(door);
  QTRY_COMPARE(main_->FileName(), door);
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Save Data?"});
  EXPECT_NEAR(app_->Document().Door().G, 370, kWeightTol);
  EXPECT_FALSE(app_->Document().IsModified());
}

TEST_F(Desktop, DragOfAnythingButOneLocalDoorFileIsRefused) {
  const QString door = WriteDoor("door.brd", 380);
  EXPECT_TRUE(DragEnter({QUrl::fromLocalFile(door)}));
  EXPECT_TRUE(DragEnter({QUrl::fromLocalFile(dir_.filePath("UPPER.BRD"))}));
  EXPECT_FALSE(DragEnter({QUrl::fromLocalFile(dir_.filePath("notes.txt"))}));
  EXPECT_FALSE(DragEnter({QUrl::fromLocalFile(door), QUrl::fromLocalFile(door)}));
  EXPECT_FALSE(DragEnter({QUrl("https://example.org/door.brd")}));
  EXPECT_FALSE(DragEnter({}));
}

TEST_F(Desktop, OpeningWithoutADoorFileStartsAmongTheSampleDoors) {
  FileDialogScript dialogs;
  dialogs.Choose(std::nullopt);
  main_->findChild<QAction*>("Open1")->trigger();
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_EQ(QFileInfo(dialogs.Asked()[0].Directory).canonicalFilePath(),
            QFileInfo(DOORTRIM_SAMPLE_DOORS).canonicalFilePath());
}

}  // namespace
