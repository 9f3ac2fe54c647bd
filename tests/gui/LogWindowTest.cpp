// Show Log File on a desktop that cannot open the log: the program shows it itself.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "MainWindow.h"
#include "TextFileWindow.h"
#include "gui/ModalAnswer.h"

namespace {

class LogWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());  // the log is written in the current folder
    window_ = &app_.Balance();
    window_->SetTextFileOpener([this](const QString&) {
      ++desktopTries_;
      return false;  // no text editor registered
    });
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
  }
  void TearDown() override {
    window_->hide();
    QDir::setCurrent(previousDir_);
  }

  QString Log() const {
    QFile file(dir_.filePath("Calc_brd.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

  QTemporaryDir dir_;
  QString previousDir_;
  DoorTrimApp app_;
  BalanceWindow* window_ = nullptr;
  int desktopTries_ = 0;
};

TEST_F(LogWindow, ShowsTheLogItselfScrolledToTheNewReport) {
  QAction* show = window_->findChild<QAction*>("ShowLogFile1");
  ASSERT_NE(show, nullptr);
  show->trigger();
  show->trigger();  // the second report makes the log longer than the window

  auto* logWindow = window_->findChild<TextFileWindow*>("TextFileWindow");
  ASSERT_NE(logWindow, nullptr);
  EXPECT_EQ(desktopTries_, 2);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(logWindow));
  EXPECT_EQ(logWindow->windowTitle(), QDir(dir_.path()).absoluteFilePath("Calc_brd.log"));
  QPlainTextEdit* text = logWindow->Text;
  EXPECT_TRUE(text->isReadOnly());
  // The log's columns line up only in a fixed-pitch font: the window asks for one. Which
  // font the platform then matches depends on the fonts installed, not on the program.
  const QFont font = text->font();
  EXPECT_TRUE(font.fixedPitch());
  EXPECT_EQ(font.styleHint(), QFont::Monospace);
  EXPECT_EQ(font.family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
  EXPECT_EQ(text->toPlainText(), Log());
  QScrollBar* scroll = text->verticalScrollBar();
  EXPECT_GT(scroll->maximum(), 0);
  EXPECT_EQ(scroll->value(), scroll->maximum());
}

// Opened from the modal balance window, the log window can be read and closed with Escape.
TEST_F(LogWindow, UsableBesideTheModalBalanceWindow) {
  // As the user has it: the main window active, from which the balance window opens.
  window_->hide();
  app_.Main().show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&app_.Main()));
  bool active = false;
  bool closedByEscape = false;
  AnswerNextModal([&](QWidget* modal) {
    ASSERT_EQ(modal, window_);
    window_->findChild<QAction*>("ShowLogFile1")->trigger();
    auto* logWindow = window_->findChild<TextFileWindow*>("TextFileWindow");
    ASSERT_NE(logWindow, nullptr);
    active = QTest::qWaitForWindowActive(logWindow);
    QTest::keyClick(logWindow->Text, Qt::Key_Escape);
    closedByEscape = !logWindow->isVisible();
    window_->accept();
  });
  window_->exec();
  EXPECT_TRUE(active);
  EXPECT_TRUE(closedByEscape);
}

}  // namespace
