// The program's windows as a whole: the main window ends the program whatever else is open,
// titles appear once, and the keys that close, explain and start work.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

#include "DoorTrimApp.h"
#include "HelpBrowser.h"
#include "MainWindow.h"
#include "gui/DoorChanges.h"
#include "gui/MessageBoxScript.h"
#include "gui/ModalAnswer.h"

namespace {

// Far above the time the program takes to end; only reached when it does not.
constexpr int kEndGuardMs = 10000;

// Runs the program's event loop as main() does, with `steps` run once it is going. Returns
// whether the loop ended by itself rather than by the guard.
bool EndsWhile(const std::function<void()>& steps) {
  bool guarded = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&guarded] {
    guarded = true;
    QApplication::exit(1);
  });
  guard.start(kEndGuardMs);
  QTimer::singleShot(0, steps);
  QApplication::exec();
  return !guarded;
}

class ProgramWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.Main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&app_.Main()));
  }
  void TearDown() override { CloseWithoutSaving(app_.Main()); }

  // F1 in the main window opens the help, which then has the focus.
  void OpenHelp() {
    QApplication::setActiveWindow(&app_.Main());
    QTest::keyClick(&app_.Main(), Qt::Key_F1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app_.Help()));
    QApplication::setActiveWindow(&app_.Main());
  }

  DoorTrimApp app_;
};

TEST_F(ProgramWindows, ClosingTheMainWindowEndsTheProgramWhileHelpIsOpen) {
  struct Way {
    const char* Name;
    std::function<void(MainWindow&)> Close;
  };
  const Way ways[] = {
      {"Exit button",
       [](MainWindow& main) {
         QTest::mouseClick(main.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
       }},
      {"Alt+X", [](MainWindow& main) { QTest::keyClick(&main, Qt::Key_X, Qt::AltModifier); }},
      // Exit is the window's cancel button.
      {"Escape", [](MainWindow& main) { QTest::keyClick(&main, Qt::Key_Escape); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.Name);
    app_.Main().show();
    const bool ended = EndsWhile([&] {
      OpenHelp();
      way.Close(app_.Main());
    });
    EXPECT_TRUE(ended);
    EXPECT_FALSE(app_.Main().isVisible());
  }
}

TEST_F(ProgramWindows, ChangedDataAreAskedForBeforeTheProgramEnds) {
  ChangeTheDoor(app_.Document());
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Cancel);
  boxes.Answer(QMessageBox::No);
  const bool ended = EndsWhile([&] {
    OpenHelp();
    QTest::keyClick(app_.Main().focusWidget(), Qt::Key_Escape);
    // Cancel keeps the program; No ends it without saving.
    EXPECT_TRUE(app_.Main().isVisible());
    QApplication::setActiveWindow(&app_.Main());
    QTest::keyClick(&app_.Main(), Qt::Key_X, Qt::AltModifier);
  });
  EXPECT_EQ(boxes.Texts(), (std::vector<QString>{"Save Data?", "Save Data?"}));
  EXPECT_TRUE(ended);
}

TEST_F(ProgramWindows, EscapeClosesTheHelp) {
  OpenHelp();
  QApplication::setActiveWindow(&app_.Help());
  QTest::keyClick(app_.Help().findChild<QTextBrowser*>("HelpText"), Qt::Key_Escape);
  EXPECT_FALSE(app_.Help().isVisible());
  EXPECT_TRUE(app_.Main().isVisible());
}

// F1 on a page of the projections dialog explains that page; Escape takes the help away again.
TEST_F(ProgramWindows, F1OnAProjectionsPageOpensItsPartOfTheHelp) {
  const char* const anchors[] = {"front", "plan", "side"};
  QStringList opened;
  QStringList stillOpen;
  AnswerNextModal([&](QWidget* modal) {
    auto* tabs = modal->findChild<QTabBar*>("TabSet1");
    ASSERT_NE(tabs, nullptr);
    for (int page = 0; page < tabs->count(); ++page) {
      QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(page).center());
      QTest::keyClick(modal, Qt::Key_F1);
      if (!QTest::qWaitForWindowActive(&app_.Help())) break;
      auto* text = app_.Help().findChild<QTextBrowser*>("HelpText");
      opened << text->source().toString();
      QTest::keyClick(text, Qt::Key_Escape);
      if (app_.Help().isVisible()) stillOpen << anchors[page];
    }
    modal->findChild<QPushButton*>("CancelBtn")->click();
  });
  QTest::mouseClick(app_.Main().findChild<QPushButton*>("Button1"), Qt::LeftButton);

  QFile page(":/help/doors_proj.html");
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(page.readAll());
  ASSERT_EQ(opened.size(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(opened[i], QString("qrc:/help/doors_proj.html#") + anchors[i]);
    EXPECT_TRUE(html.contains(QString("name=\"%1\"").arg(anchors[i]))) << anchors[i];
  }
  EXPECT_TRUE(stillOpen.isEmpty()) << stillOpen.join(" ").toStdString();
}

TEST_F(ProgramWindows, TheBalanceWindowOpensWithTheFocusOnBalance) {
  QString focused;
  bool enterStartedBalance = true;
  AnswerNextModal([&](QWidget* modal) {
    // The window becomes the active modal one before the desktop hands it the focus.
    (void)QTest::qWaitFor([modal] {
      QWidget* focus = QApplication::focusWidget();
      return focus != nullptr && modal->isAncestorOf(focus);
    });
    if (QWidget* focus = QApplication::focusWidget()) focused = focus->objectName();
    // Enter still presses Update, the window's default button, not the focused Balance.
    auto* balance = modal->findChild<QPushButton*>("SpeedButton1");
    QTest::keyClick(modal, Qt::Key_Return);
    enterStartedBalance = balance->isChecked();
    qobject_cast<QDialog*>(modal)->accept();
  });
  QTest::mouseClick(app_.Main().findChild<QPushButton*>("Button10"), Qt::LeftButton);
  EXPECT_EQ(focused, "SpeedButton1");
  EXPECT_FALSE(enterStartedBalance);
}

// Each title once, as the program gives it. A desktop adds the application's display name
// to every window title when the program has set one; the program must not set it.
TEST(WindowTitles, TheDesktopAddsNoNameToTheTitles) {
  DoorTrimApp::NameTheApplication();  // as the program starts
  EXPECT_EQ(QApplication::applicationName(), "DoorTrim");
  // Without a display name of its own, the application's one follows its name.
  QApplication::setApplicationName("DoorTrimTitleProbe");
  const QString displayName = QApplication::applicationDisplayName();
  DoorTrimApp::NameTheApplication();
  EXPECT_EQ(displayName, "DoorTrimTitleProbe");

  HelpBrowser help;
  EXPECT_EQ(help.windowTitle(), "DoorTrim Help");
}

}  // namespace
