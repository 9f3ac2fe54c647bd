#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "MainWindow.h"
#include "ProjectionsDialog.h"
#include "TSpinButton.h"
#include "VariableSolveDialog.h"
#include "gui/DoorChanges.h"
#include "gui/ModalAnswer.h"

// Every way a user changes the door, each through the window that offers it: the change is
// exactly one step of the door's history, named; the door differs from its file and the main
// window's title says so with "*"; Undo gives the door of the file back, unmarked, and Redo
// the change again.

namespace {

// A search over the variable's range ends within this on a loaded machine.
constexpr int kSearchTimeoutMs = 60000;

void TypeAndLeave(QLineEdit* field, const QString& text) {
  ASSERT_NE(field, nullptr);
  field->setFocus(Qt::TabFocusReason);
  field->selectAll();
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Tab);
}

void TypeAndLeave(QWidget* window, const char* field, const QString& text) {
  TypeAndLeave(window->findChild<QLineEdit*>(field), text);
}

void Click(QWidget* window, const char* button) {
  auto* found = window->findChild<QPushButton*>(button);
  ASSERT_NE(found, nullptr) << button;
  found->click();
}

class Program {
 public:
  Program() {
    app_.Main().show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&app_.Main()));
    EXPECT_TRUE(app_.Document().Load(DOORTRIM_SAMPLE_DOORS "/oval.brd"));
  }
  ~Program() {
    app_.Proj().hide();
    app_.Balance().hide();
    CloseWithoutSaving(app_.Main());
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DoorTrimApp& App() { return app_; }
  DoorDocument& Document() { return app_.Document(); }

  // Clicks a button of the main window and lets `answer` work on the dialog it opens.
  void Through(const char* button, std::function<void(QWidget*)> answer) {
    AnswerNextModal(std::move(answer));
    Click(&app_.Main(), button);
  }

  // The projections dialog, shown beside the main window as the user leaves it open.
  ProjectionsDialog& Projections() {
    ProjectionsDialog& dialog = app_.Proj();
    if (!dialog.isVisible()) {
      dialog.show();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    return dialog;
  }
  QLineEdit* Field(const char* param) {
    return Projections().findChild<QLineEdit*>(QString("Edit_") + param);
  }
  // Right-clicks a field of the first page and chooses a command of its context menu.
  void ContextCommand(const char* param, const char* command) {
    QLineEdit* field = Field(param);
    ASSERT_NE(field, nullptr) << param;
    field->setFocus(Qt::MouseFocusReason);
    const QPoint at = field->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &event);
    auto* menu = Projections().findChild<QMenu*>("PopupMenu2");
    ASSERT_NE(menu, nullptr);
    QTRY_VERIFY(menu->isVisible());
    QAction* item = Projections().findChild<QAction*>(command);
    ASSERT_NE(item, nullptr) << command;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
  }

  BalanceWindow& Balance() {
    BalanceWindow& window = app_.Balance();
    if (!window.isVisible()) {
      window.show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    return window;
  }

  // The title as the window system shows it: "[*]" is "*" while the door is modified.
  QString ShownTitle() { return app_.Main().windowHandle()->title(); }

 private:
  DoorTrimApp app_;
};

struct EditingPath {
  const char* Name;
  // Brings the program to where the user begins (a variable marked, a window open): no step.
  std::function<void(Program&)> Prepare;
  // The change, as the user makes it.
  std::function<void(Program&)> Change;
  // What the Undo item names the step (after "Undo ").
  const char* Step;

  friend std::ostream& operator<<(std::ostream& out, const EditingPath& path) {
    return out << path.Name;
  }
};

void Nothing(Program&) {}

const EditingPath kPaths[] = {
    {"ProjectionsField", Nothing, [](Program& p) { TypeAndLeave(p.Field("G"), "14000"); },
     "Weight G: 13500 → 14000"},
    {"ProjectionsDialogOk", Nothing,
     [](Program& p) {
       p.Through("Button1", [](QWidget* d) {
         TypeAndLeave(d, "Edit_x0", "1.05");
         Click(d, "OKBtn");
       });
     },
     "Warp point abscissa x0: 0.9 → 1.05"},
    {"Range", Nothing,
     [](Program& p) {
       AnswerNextModal([](QWidget* d) {
         TypeAndLeave(d, "Edit1", "12000");
         TypeAndLeave(d, "Edit2", "15000");
         Click(d, "OKBtn");
       });
       p.ContextCommand("G", "PopRange");
     },
     "Range of G: 12000 … 15000"},
    {"HydrodynamicEditorOk", Nothing,
     [](Program& p) {
       p.Through("Button4", [](QWidget* d) {
         TypeAndLeave(d, "Edit1", "75");
         TypeAndLeave(d, "Edit2", "0.4");
         TypeAndLeave(d, "Edit3", "0.75");
         TypeAndLeave(d, "Edit4", "0.35");
         Click(d, "Button1");
         Click(d, "OKBtn");
       });
     },
     "Hydrodynamic"},
    {"GroundEditorOk", Nothing,
     [](Program& p) {
       p.Through("Button7", [](QWidget* d) {
         Click(d, "Button3");  // the selected row deleted
         Click(d, "OKBtn");
       });
     },
     "Ground"},
    {"KeelGeometryEditorOk", Nothing,
     [](Program& p) {
       p.Through("Button8", [](QWidget* d) {
         Click(d, "Button3");
         Click(d, "OKBtn");
       });
     },
     "Geometry of keel"},
    {"EnvironmentDialogOk", Nothing,
     [](Program& p) {
       p.Through("Button5", [](QWidget* d) {
         TypeAndLeave(d, "Edit1", "1025");
         Click(d, "OKBtn");
       });
     },
     "Environment"},
    {"TrawlDialogOk", Nothing,
     [](Program& p) {
       p.Through("Button6", [](QWidget* d) {
         TypeAndLeave(d, "Edit1", "12");
         Click(d, "OKBtn");
       });
     },
     "Influence of trawl"},
    {"KeelOriginDialogOk", Nothing,
     [](Program& p) {
       p.Through("Button9", [](QWidget* d) {
         TypeAndLeave(d, "Edit1", "1.2");
         Click(d, "OKBtn");
       });
     },
     "Keel position"},
    {"ModeSwitch", Nothing,
     [](Program& p) {
       QTest::mouseClick(p.App().Main().findChild<QRadioButton*>("RadioButton2"), Qt::LeftButton);
     },
     "Midwater trawling"},
    {"ModeSwitchInTheBalanceWindow", [](Program& p) { p.Balance(); },
     [](Program& p) { p.Balance().findChild<QAction*>("MnuBottom")->trigger(); },
     "Midwater trawling"},
    {"PictureSet", Nothing,
     [](Program& p) { p.App().Main().findChild<QAction*>("Vshape1")->trigger(); },
     "Pictures of the door"},
    {"VariablePanelArrow",
     [](Program& p) {
       p.ContextCommand("G", "PopMark");
       p.Balance();
     },
     [](Program& p) {
       auto* spin = p.Balance().findChild<TSpinButton*>("SpinButton4");
       QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
     },
     "Weight G: 13500 → 14500"},
    {"VariablePanelTypedValue",
     [](Program& p) {
       p.ContextCommand("G", "PopMark");
       p.Balance();
     },
     [](Program& p) {
       auto* shown = p.Balance().findChild<QLineEdit*>("Edit14");
       shown->setFocus(Qt::MouseFocusReason);
       shown->selectAll();
       QTest::keyClicks(shown, "12345");
       QTest::keyClick(shown, Qt::Key_Return);
     },
     "Weight G: 13500 → 12345"},
    {"SolveDialogOk",
     [](Program& p) {
       p.ContextCommand("G", "PopMark");
       p.Balance();
     },
     [](Program& p) {
       AnswerNextModal([](QWidget* d) {
         auto* dialog = qobject_cast<VariableSolveDialog*>(d);
         ASSERT_NE(dialog, nullptr);
         QSignalSpy finished(dialog, &VariableSolveDialog::SearchFinished);
         Click(dialog, "Button1");
         ASSERT_TRUE(finished.wait(kSearchTimeoutMs));
         Click(dialog, "OKBtn");
       });
       Click(&p.Balance(), "SolveButton");
     },
     "Weight G: 13500 → "},
    {"BalanceAnglesTyped", [](Program& p) { p.Balance(); },
     [](Program& p) {
       TypeAndLeave(&p.Balance(), "Edit9", "30");
       Click(&p.Balance(), "UpdateButton");
     },
     "Rotation z: 0 → 30"},
    {"StoredBalance", [](Program& p) { p.Balance(); },
     [](Program& p) {
       QTest::mouseClick(p.Balance().findChild<QPushButton*>("SpeedButton1"), Qt::LeftButton);
     },
     "Balance position"},
};

class EditingPaths : public ::testing::TestWithParam<EditingPath> {};

TEST_P(EditingPaths, AreOneNamedStepThatMarksTheDoorAndUndoes) {
  Program program;
  DoorDocument& document = program.Document();
  GetParam().Prepare(program);
  ASSERT_FALSE(document.IsModified());
  ASSERT_EQ(document.History().count(), 0);
  ASSERT_FALSE(program.ShownTitle().contains('*')) << program.ShownTitle().toStdString();
  const DoorState before = document.State();

  GetParam().Change(program);
  QApplication::processEvents();
  EXPECT_EQ(document.History().count(), 1);
  EXPECT_TRUE(document.History().undoText().startsWith(QString::fromUtf8(GetParam().Step)))
      << document.History().undoText().toStdString();
  const DoorState after = document.State();
  EXPECT_FALSE(after == before);
  EXPECT_TRUE(document.IsModified());
  EXPECT_TRUE(program.ShownTitle().endsWith('*')) << program.ShownTitle().toStdString();
  auto* undo = program.App().Main().findChild<QAction*>("Undo1");
  ASSERT_NE(undo, nullptr);
  EXPECT_EQ(undo->text(), "&Undo " + document.History().undoText());

  undo->trigger();
  EXPECT_TRUE(document.State() == before);
  EXPECT_FALSE(document.IsModified());
  EXPECT_FALSE(program.ShownTitle().contains('*')) << program.ShownTitle().toStdString();
  program.App().Main().findChild<QAction*>("Redo1")->trigger();
  EXPECT_TRUE(document.State() == after);
  EXPECT_TRUE(document.IsModified());
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, EditingPaths, ::testing::ValuesIn(kPaths),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
