#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <functional>
#include <memory>
#include <set>

#include "BalanceDetailsWindow.h"
#include "BalanceWindow.h"
#include "DoorDocument.h"
#include "DoorTrimApp.h"
#include "EnvironmentDialog.h"
#include "GroundEditor.h"
#include "HydrodynamicEditor.h"
#include "KeelGeometryEditor.h"
#include "LanguageSwitch.h"
#include "MainWindow.h"
#include "ProjectionsDialog.h"
#include "RangeDialog.h"
#include "SweepWindow.h"
#include "TestTolerances.h"
#include "TrawlDialog.h"
#include "ValidatedField.h"
#include "VariableBindings.h"
#include "gui/AppInLanguage.h"
#include "gui/ModalAnswer.h"

namespace {

// Enough Tab presses to go round any window of the program once.
constexpr int kTabLimit = 80;
constexpr int kMenuItemLimit = 20;

QWidget* Focused() {
  return QApplication::focusWidget();
}

// What a key goes to when no menu is open: the focused control, else the active window.
QWidget* KeyTarget() {
  if (QWidget* focused = Focused()) return focused;
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

// Sends a key to whatever has the keyboard: the open menu, else the focused control.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = QApplication::activePopupWidget();
  if (target == nullptr) target = KeyTarget();
  ASSERT_NE(target, nullptr) << "nothing takes the keyboard";
  QTest::keyClick(target, Qt::Key(key), modifiers);
}

// Presses Tab until `wanted` has the focus; false when a whole round did not reach it.
bool TabTo(const QWidget* wanted) {
  for (int i = 0; i < kTabLimit && Focused() != wanted && KeyTarget() != nullptr; ++i)
    QTest::keyClick(KeyTarget(), Qt::Key_Tab);
  return Focused() == wanted;
}

// Presses Down in the open menu until the item named `name` is marked.
bool DownTo(const char* name) {
  for (int i = 0; i < kMenuItemLimit; ++i) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return false;
    if (menu->activeAction() != nullptr && menu->activeAction()->objectName() == name) return true;
    QTest::keyClick(menu, Qt::Key_Down);
  }
  return false;
}

// Presses Right from menu to menu of the bar until the one named `name` is open.
bool RightTo(const char* name) {
  for (int i = 0; i < kMenuItemLimit; ++i) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return false;
    if (menu->objectName() == name) return true;
    QTest::keyClick(menu, Qt::Key_Right);
  }
  return false;
}

QMenuBar* BarOf(QWidget& window) {
  if (auto* main = qobject_cast<QMainWindow*>(&window)) return main->menuBar();
  return window.findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
}

// Shows the window and gives it the keyboard, as the user's click on it would.
void Activate(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << window.objectName().toStdString();
}

class KeyboardAccess : public testing::Test {
 protected:
  void SetUp() override { app_ = std::make_unique<DoorTrimApp>(); }
  void TearDown() override {
    QSettings().remove("Language");  // the next test starts in English
    app_.reset();
  }

  std::unique_ptr<DoorTrimApp> app_;
};

struct MenuBarCase {
  int Language;
  const char* Window;
};

class MenuTitleMnemonics : public testing::TestWithParam<MenuBarCase> {
 protected:
  void TearDown() override { QSettings().remove("Language"); }
};

QWidget& WindowNamed(DoorTrimApp& app, const std::string& name) {
  if (name == "Balance") return app.Balance();
  if (name == "Projections") return app.Proj();
  return app.Main();
}

// Every title of the window's menu bar opens with Alt and a letter of its own, in each
// language: a letter two titles shared would open only the first of them.
TEST_P(MenuTitleMnemonics, EveryTitleHasALetterNoOtherTitleOfItsBarHas) {
  DoorTrimApp app;
  ASSERT_TRUE(app.Language().Switch(GetParam().Language));
  QMenuBar* bar = BarOf(WindowNamed(app, GetParam().Window));
  ASSERT_NE(bar, nullptr);
  QStringList letters;
  for (const QAction* title : bar->actions()) {
    if (title->isSeparator() || !title->isVisible()) continue;
    const QKeySequence mnemonic = QKeySequence::mnemonic(title->text());
    EXPECT_FALSE(mnemonic.isEmpty()) << title->text().toStdString();
    const QString letter = mnemonic.toString();
    EXPECT_FALSE(letters.contains(letter))
        << title->text().toStdString() << " repeats " << letter.toStdString();
    letters << letter;
  }
  EXPECT_GE(letters.size(), 3);
}

std::string CaseName(const testing::TestParamInfo<MenuBarCase>& info) {
  const char* const languages[] = {"English", "Russian", "Norwegian"};
  return std::string(languages[info.param.Language]) + info.param.Window;
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, MenuTitleMnemonics,
                         testing::Values(MenuBarCase{LanguageSwitch::English, "Main"},
                                         MenuBarCase{LanguageSwitch::English, "Balance"},
                                         MenuBarCase{LanguageSwitch::English, "Projections"},
                                         MenuBarCase{LanguageSwitch::Russian, "Main"},
                                         MenuBarCase{LanguageSwitch::Russian, "Balance"},
                                         MenuBarCase{LanguageSwitch::Russian, "Projections"},
                                         MenuBarCase{LanguageSwitch::Norwegian, "Main"},
                                         MenuBarCase{LanguageSwitch::Norwegian, "Balance"},
                                         MenuBarCase{LanguageSwitch::Norwegian, "Projections"}),
                         CaseName);

// The controls of the window that Tab could stop at now: its own, shown and in use.
std::set<QWidget*> TabStops(QWidget& window) {
  std::set<QWidget*> stops;
  for (QWidget* control : window.findChildren<QWidget*>())
    if (control->window() == &window && (control->focusPolicy() & Qt::TabFocus) != 0 &&
        control->isVisible() && control->isEnabled() && control->focusProxy() == nullptr)
      stops.insert(control);
  return stops;
}

struct TabWindow {
  const char* Name;
  QWidget& (*Of)(DoorTrimApp&);
};

class TabCycle : public testing::TestWithParam<TabWindow> {};

// Tab, from wherever the window starts, reaches every control once and comes round again: no
// control is out of reach and none holds the keyboard (a grid whose Tab walks its cells is
// left with Ctrl+Tab).
TEST_P(TabCycle, ReachesEveryControlAndComesRound) {
  DoorTrimApp app;
  QWidget& window = GetParam().Of(app);
  Activate(window);
  const std::set<QWidget*> stops = TabStops(window);
  ASSERT_GE(stops.size(), 2u);
  QWidget* start = Focused();
  ASSERT_NE(start, nullptr);
  std::set<QWidget*> reached;
  for (std::size_t i = 0; i <= 2 * stops.size() + 2; ++i) {
    QWidget* now = Focused();
    ASSERT_NE(now, nullptr);
    reached.insert(now);
    const auto* grid = qobject_cast<QAbstractItemView*>(now);
    QTest::keyClick(
        now, Qt::Key_Tab,
        grid != nullptr && grid->tabKeyNavigation() ? Qt::ControlModifier : Qt::NoModifier);
    if (Focused() == start) break;
  }
  EXPECT_EQ(Focused(), start) << "Tab does not come round to where it started";
  for (QWidget* stop : stops)
    EXPECT_TRUE(reached.count(stop) == 1) << stop->objectName().toStdString();
  window.hide();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, TabCycle,
    testing::Values(
        TabWindow{"Main", [](DoorTrimApp& a) -> QWidget& { return a.Main(); }},
        TabWindow{"Balance", [](DoorTrimApp& a) -> QWidget& { return a.Balance(); }},
        TabWindow{"Details", [](DoorTrimApp& a) -> QWidget& { return a.Detail(); }},
        TabWindow{"Ground", [](DoorTrimApp& a) -> QWidget& { return a.Ground(); }},
        TabWindow{"Environment", [](DoorTrimApp& a) -> QWidget& { return a.Envir(); }},
        TabWindow{"Hydrodynamic", [](DoorTrimApp& a) -> QWidget& { return a.Hydro(); }},
        TabWindow{"KeelGeometry", [](DoorTrimApp& a) -> QWidget& { return a.KGeom(); }},
        TabWindow{"Projections", [](DoorTrimApp& a) -> QWidget& { return a.Proj(); }},
        TabWindow{"Range", [](DoorTrimApp& a) -> QWidget& { return a.Variables().RangeEditor(); }},
        TabWindow{"Trawl", [](DoorTrimApp& a) -> QWidget& { return a.Trawl(); }}),
    [](const testing::TestParamInfo<TabWindow>& info) { return std::string(info.param.Name); });

class FileMenuMnemonics : public testing::TestWithParam<int> {
 protected:
  void TearDown() override { QSettings().remove("Language"); }
};

// In the File menu the commands and the submenus (Recent Doors, Language) each have a letter
// of their own in every language: Alt+F and the letter reach them.
TEST_P(FileMenuMnemonics, EveryItemHasALetterNoOtherItemHas) {
  DoorTrimApp app;
  ASSERT_TRUE(app.Language().Switch(GetParam()));
  auto* file = app.Main().findChild<QMenu*>("File1");
  ASSERT_NE(file, nullptr);
  QStringList letters;
  for (const QAction* item : file->actions()) {
    if (item->isSeparator() || !item->isVisible()) continue;
    const QKeySequence mnemonic = QKeySequence::mnemonic(item->text());
    EXPECT_FALSE(mnemonic.isEmpty()) << item->text().toStdString();
    EXPECT_FALSE(letters.contains(mnemonic.toString()))
        << item->text().toStdString() << " repeats " << mnemonic.toString().toStdString();
    letters << mnemonic.toString();
  }
  EXPECT_GE(letters.size(), 6);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, FileMenuMnemonics,
                         testing::Values(LanguageSwitch::English, LanguageSwitch::Russian,
                                         LanguageSwitch::Norwegian),
                         LanguageName);

// F10 opens the first menu of the window that has the keyboard, its first command marked.
TEST_F(KeyboardAccess, F10OpensTheFirstMenuOfTheActiveWindow) {
  Activate(app_->Main());
  Press(Qt::Key_F10);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->objectName(), "File1");
  ASSERT_NE(menu->activeAction(), nullptr);
  EXPECT_EQ(menu->activeAction()->objectName(), "Open1");
  Press(Qt::Key_Escape);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// Alt alone hands the keyboard to the menu bar; Down then opens the marked menu.
TEST_F(KeyboardAccess, AltAloneGivesTheMenuBarTheKeyboard) {
  Activate(app_->Main());
  QWidget* before = Focused();
  ASSERT_NE(before, nullptr);
  QTest::keyPress(before, Qt::Key_Alt, Qt::AltModifier);
  QTest::keyRelease(before, Qt::Key_Alt, Qt::AltModifier);
  EXPECT_EQ(Focused(), app_->Main().menuBar());
  ASSERT_NE(app_->Main().menuBar()->activeAction(), nullptr);
  Press(Qt::Key_Down);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->objectName(), "File1");
  Press(Qt::Key_Escape);
}

// The main commands by key events alone: a picture from the Picture menu, the language from
// File > Language, a field of Projections, and the balance position.
TEST_F(KeyboardAccess, MainCommandsWithoutAMouse) {
  DoorDocument& document = app_->Document();
  Activate(app_->Main());

  // Alt+P, Enter: the first drawing of the Picture menu.
  Press(Qt::Key_P, Qt::AltModifier);
  ASSERT_TRUE(DownTo("Oval1"));
  Press(Qt::Key_Return);
  EXPECT_EQ(document.Door().FrontPicture, "oval_front.svg");

  // Alt+F, down to Language, right into it, down to Russian.
  Press(Qt::Key_F, Qt::AltModifier);
  ASSERT_TRUE(DownTo("Language1"));
  Press(Qt::Key_Right);
  ASSERT_TRUE(DownTo("Russian1"));
  Press(Qt::Key_Return);
  EXPECT_EQ(app_->Language().Current(), LanguageSwitch::Russian);

  // Tab to Projections, Space opens it; in it Tab to the weight, type, Tab on, Enter closes.
  Activate(app_->Main());
  bool edited = false;
  AnswerNextModal([&edited](QWidget* dialog) {
    auto* weight = dialog->findChild<QLineEdit*>("Edit_G");
    if (weight == nullptr || !TabTo(weight)) return;
    QTest::keyClick(weight, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(weight, "14000");
    QTest::keyClick(weight, Qt::Key_Tab);
    edited = true;
    auto* ok = dialog->findChild<QPushButton*>("OKBtn");
    if (ok == nullptr || !TabTo(ok)) return;
    QTest::keyClick(ok, Qt::Key_Space);
  });
  ASSERT_TRUE(TabTo(app_->Main().findChild<QPushButton*>("Button1")));
  Press(Qt::Key_Space);
  EXPECT_TRUE(edited);
  EXPECT_NEAR(double(document.Door().G), 14000.0, double(kExact));
  EXPECT_FALSE(app_->Proj().isVisible());
  Activate(app_->Main());

  // Tab to Balance, Space opens it; Tab to the solver's button, Space balances, Escape closes.
  long double roll = 0;
  AnswerNextModal([&roll](QWidget* balance) {
    auto* solve = balance->findChild<QWidget*>("SpeedButton1");
    if (solve == nullptr || !TabTo(solve)) return;
    QTest::keyClick(solve, Qt::Key_Space);
    if (auto* x = balance->findChild<ValidatedField*>("Edit7")) roll = x->Val();
    QTest::keyClick(KeyTarget(), Qt::Key_Escape);
  });
  ASSERT_TRUE(TabTo(app_->Main().findChild<QPushButton*>("Button10")));
  Press(Qt::Key_Space);
  EXPECT_NE(roll, 0.0L);
  EXPECT_FALSE(app_->Balance().isVisible());
}

// The balance window's commands from its own menu bar: Alt+P prints (the preview opens),
// F10 and the arrows reach Dialogs > Sweep ..., Escape closes what was opened.
TEST_F(KeyboardAccess, BalanceWindowCommandsWithoutAMouse) {
  BalanceWindow& balance = app_->Balance();
  QString previewTitle;
  QObject::connect(&balance, &BalanceWindow::reportPreviewOpened, &balance,
                   [&previewTitle](QDialog* preview) {
                     previewTitle = preview->windowTitle();
                     QMetaObject::invokeMethod(preview, &QDialog::reject, Qt::QueuedConnection);
                   });
  Activate(balance);
  Press(Qt::Key_P, Qt::AltModifier);  // returns once the preview is closed
  EXPECT_FALSE(previewTitle.isEmpty());

  Activate(balance);
  Press(Qt::Key_F10);
  ASSERT_NE(QApplication::activePopupWidget(), nullptr);
  ASSERT_TRUE(RightTo("Dialogs1"));
  ASSERT_TRUE(DownTo("MnuSweep"));
  Press(Qt::Key_Return);
  ASSERT_NE(balance.Sweep(), nullptr);
  EXPECT_TRUE(balance.Sweep()->isVisible());
  Activate(*balance.Sweep());
  Press(Qt::Key_Escape);
  EXPECT_FALSE(balance.Sweep()->isVisible());
  balance.hide();
}

}  // namespace
