// Opens and closes every dialog of the main window many times: each one must come up every
// time, leave no window or object behind, and (under LeakSanitizer) leak nothing.
// DOORTRIM_DIALOG_CYCLES sets the count (default 20); the sanitizer build is run with 200:
//   DOORTRIM_DIALOG_CYCLES=200 ctest --test-dir build-asan -R DialogLeak

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "AboutBox.h"
#include "DoorTrimApp.h"
#include "HelpBrowser.h"
#include "MainWindow.h"
#include "ValueEntryDialog.h"
#include "gui/DoorChanges.h"
#include "gui/ModalAnswer.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

constexpr int kDefaultCycles = 20;

int Cycles() {
  bool ok = false;
  const int cycles = qEnvironmentVariableIntValue("DOORTRIM_DIALOG_CYCLES", &ok);
  return ok && cycles > 1 ? cycles : kDefaultCycles;
}

// What a dialog could leave behind: windows, and objects hanging off the main window.
struct Census {
  qsizetype TopLevelWidgets = 0;
  qsizetype MainWindowObjects = 0;
  bool operator==(const Census&) const = default;
};

class DialogLeak : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    app_ = std::make_unique<DoorTrimApp>();
    main_ = &app_->Main();
    main_->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    CloseWithoutSaving(*main_);
    app_.reset();
  }

  QAction* Action(const char* name) {
    QAction* action = main_->findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name;
    return action;
  }

  Census Count() {
    // Widgets closed with deleteLater go only once their deferred deletion has run.
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {QApplication::topLevelWidgets().size(), main_->findChildren<QObject*>().size()};
  }

  // Runs one open-and-close `cycle` Cycles() times. The first run may create what Qt keeps
  // for the whole program (style data, font caches), so the census is taken after it.
  void Repeat(const std::function<void()>& cycle) {
    const int cycles = Cycles();
    cycle();
    const Census first = Count();
    for (int i = 1; i < cycles && !HasFailure(); ++i)
      cycle();
    const Census last = Count();
    EXPECT_EQ(last.TopLevelWidgets, first.TopLevelWidgets) << "windows left behind";
    EXPECT_EQ(last.MainWindowObjects, first.MainWindowObjects) << "objects left behind";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
#if defined(__SANITIZE_ADDRESS__)
    // Reports each leak with its allocation stack and goes on; the result counts them.
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "LeakSanitizer found leaks, see above";
#endif
  }

  QTemporaryDir dir_;
  std::unique_ptr<DoorTrimApp> app_;
  MainWindow* main_ = nullptr;
};

TEST_F(DialogLeak, AboutBox) {
  int shown = 0;
  Repeat([&] {
    AnswerNextModal([&](QWidget* modal) {
      shown += qobject_cast<AboutBox*>(modal) != nullptr;
      qobject_cast<QDialog*>(modal)->accept();
    });
    Action("A1")->trigger();
  });
  EXPECT_EQ(shown, Cycles());
}

TEST_F(DialogLeak, AskAnyWithBadAndGoodEntries) {
  int cycle = 0;
  int answered = 0;
  Repeat([&] {
    // Alternately a word, a number out of range and a good number.
    const char* typed[] = {"abc", "1e300", "7.5"};
    const long double expected[] = {0, 5, 7.5L};
    const int which = cycle++ % 3;
    AnswerNextModal([&](QWidget* modal) {
      auto* ask = qobject_cast<ValueEntryDialog*>(modal);
      if (!ask) return;
      ask->findChild<QLineEdit*>("Edit1")->clear();
      QTest::keyClicks(ask->findChild<QLineEdit*>("Edit1"), typed[which]);
      ask->findChild<QPushButton*>("OKBtn")->click();
    });
    long double value = 1;
    const long double got =
        app_->AskAny().Ask("Test", "A value from 0 to 10", value, 0, 10, 5, 15, 1);
    answered += got == expected[which] && value == expected[which];
  });
  EXPECT_EQ(answered, Cycles());
}

TEST_F(DialogLeak, OpenAndSaveAsCancelled) {
  const QString title = main_->windowTitle();
  int shown = 0;
  for (const char* command : {"Open1", "SaveAs1"}) {
    SCOPED_TRACE(command);
    shown = 0;
    Repeat([&] {
      AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        shown += dialog != nullptr;
        qobject_cast<QDialog*>(modal)->reject();
      });
      Action(command)->trigger();
    });
    EXPECT_EQ(shown, Cycles());
  }
  EXPECT_EQ(main_->windowTitle(), title);
  EXPECT_FALSE(main_->isWindowModified());
}

TEST_F(DialogLeak, FailedOpenMessage) {
  const QString bad = dir_.filePath("bad.brd");
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("7\n0 0.1 0.01 abc\n");
  file.close();
  int reported = 0;
  Repeat([&] {
    QString message;
    AnswerMessageBox(QMessageBox::Ok, &message);
    EXPECT_FALSE(main_->OpenFile(bad));
    reported += message.contains("line 2");
  });
  EXPECT_EQ(reported, Cycles());
}

TEST_F(DialogLeak, HelpWindow) {
  int shown = 0;
  Repeat([&] {
    Action("N2")->trigger();
    QApplication::processEvents();
    shown += app_->Help().isVisible();
    app_->Help().close();
  });
  EXPECT_EQ(shown, Cycles());
  EXPECT_FALSE(app_->Help().isVisible());
}

// Every dialog button of the main window: each dialog opens, is closed with Cancel (the
// balance window with OK), and the main window runs its geometry update after it.
TEST_F(DialogLeak, EveryDialogButton) {
  for (const char* button :
       {"Button1", "Button4", "Button5", "Button6", "Button7", "Button8", "Button9", "Button10"}) {
    SCOPED_TRACE(button);
    int shown = 0;
    Repeat([&] {
      AnswerNextModal([&](QWidget* modal) {
        ++shown;
        auto* cancel = modal->findChild<QPushButton*>("CancelBtn");
        auto* ok = modal->findChild<QPushButton*>("OKBtn");
        (cancel ? cancel : ok)->click();
      });
      main_->findChild<QPushButton*>(button)->click();
    });
    EXPECT_EQ(shown, Cycles());
  }
  EXPECT_FALSE(app_->Document().IsModified());
}

}  // namespace
