#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>
#include <vector>

#include "AboutBox.h"
#include "DoorTrimApp.h"
#include "HelpBrowser.h"
#include "MainWindow.h"
#include "gui/DoorChanges.h"
#include "gui/FileDialogScript.h"
#include "gui/MessageBoxScript.h"
#include "gui/ModalAnswer.h"
#include "io/DoorFileWriter.h"
#include "model/ViewSettings.h"
#include "support/DoorLoad.h"

namespace {

// Answers the next real file dialog with the given path (or cancels it for an empty path).
void AnswerFileDialog(const QString& path) {
  AnswerNextModal([path](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr) << modal->metaObject()->className();
    if (path.isEmpty()) {
      dialog->reject();
      return;
    }
    ChooseInFileDialog(dialog, path);
  });
}

class MainWindowTest : public ::testing::Test {
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

  template <class T>
  T* Find(const char* name) {
    T* widget = main_->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QAction* Action(const char* name) { return Find<QAction>(name); }

  // A door file of our own, different from the default door in weight and mode.
  QString WriteDoor(const QString& name, long double weight, bool bottom) {
    DoorInputs door;
    door.G = weight;
    door.Bottom = bottom;
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(DoorFileWriter().Save(path.toStdString(), door, ViewSettings{}));
    return path;
  }
  // The title as the window's bar shows it: "*" where the door differs from its file.
  QString Title() const {
    return main_->windowTitle().replace("[*]", main_->isWindowModified() ? "*" : "");
  }

  QTemporaryDir dir_;
  std::unique_ptr<DoorTrimApp> app_;
  MainWindow* main_ = nullptr;
};

TEST_F(MainWindowTest, ShowsEveryControlWithItsCaption) {
  EXPECT_EQ(Title(), "DoorTrim");
  EXPECT_EQ(main_->centralWidget()->size(), QSize(411, 292));
  EXPECT_EQ(main_->minimumSize(), main_->maximumSize());  // fixed size
  const std::pair<const char*, const char*> buttons[] = {
      {"Button1", "Projections"},        {"Button4", "Hydrodynamic "}, {"Button5", "Environment"},
      {"Button6", "Influence of Trawl"}, {"Button7", "Ground"},        {"Button8", "Keel Geometry"},
      {"Button9", "Origin of Keel"},     {"Button10", "Balance"},      {"BitBtn1", "Exit"}};
  for (const auto& [name, caption] : buttons) {
    QPushButton* button = Find<QPushButton>(name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), caption);
  }
  EXPECT_EQ(Find<QRadioButton>("RadioButton1")->text(), "Bottom trawling");
  EXPECT_EQ(Find<QRadioButton>("RadioButton2")->text(), "Midwater trawling");
  for (const char* image :
       {"Image1", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9", "Image10"}) {
    QLabel* label = Find<QLabel>(image);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->size(), QSize(37, 37));
    EXPECT_FALSE(label->pixmap().isNull()) << image;
    EXPECT_FALSE(label->toolTip().isEmpty()) << image;
  }
  EXPECT_EQ(Find<QLabel>("Image6")->toolTip(), "Attack angle of bridle");
  for (const char* action :
       {"Open1", "Save1", "SaveAs1", "Language1", "English1", "Russian1", "Norwegian1", "Exit1",
        "Oval1", "Vshape1", "Spherical1", "Rectangular1", "N2", "A1"}) {
    EXPECT_NE(Action(action), nullptr) << action;
  }
  EXPECT_EQ(Action("Open1")->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(Action("Save1")->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(Action("SaveAs1")->shortcut(), QKeySequence("Ctrl+A"));
  EXPECT_EQ(Action("Exit1")->shortcut(), QKeySequence("Alt+X"));
  EXPECT_EQ(Action("N2")->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(Action("N2")->text(), "Contents");
}

TEST_F(MainWindowTest, KeelCommandsOnlyInBottomTrawling) {
  for (const char* name : {"Button1", "Button4", "Button5", "Button6", "Button7", "Button8",
                           "Button9", "Button10", "BitBtn1"}) {
    EXPECT_TRUE(Find<QPushButton>(name)->isEnabled()) << name;
  }
  QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
  for (const char* name : {"Button7", "Button8", "Button9"}) {
    EXPECT_FALSE(Find<QPushButton>(name)->isEnabled()) << name;
  }
  EXPECT_TRUE(Find<QPushButton>("Button5")->isEnabled());
  // A file whose mode is midwater greys them too.
  QTest::mouseClick(Find<QRadioButton>("RadioButton1"), Qt::LeftButton);
  EXPECT_TRUE(Find<QPushButton>("Button7")->isEnabled());
  ASSERT_TRUE(main_->OpenFile(WriteDoor("midwater.brd", 9000, false)));
  EXPECT_FALSE(Find<QPushButton>("Button7")->isEnabled());
  // The interface languages stay in use in either mode.
  for (const char* name : {"English1", "Russian1", "Norwegian1"}) {
    EXPECT_TRUE(Action(name)->isEnabled()) << name;
  }
}

TEST_F(MainWindowTest, ModeButtonsSetTheModel) {
  EXPECT_TRUE(Find<QRadioButton>("RadioButton1")->isChecked());
  QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
  EXPECT_FALSE(app_->Document().Door().Bottom);
  EXPECT_FALSE(Find<QRadioButton>("RadioButton1")->isChecked());
  QTest::mouseClick(Find<QRadioButton>("RadioButton1"), Qt::LeftButton);
  EXPECT_TRUE(app_->Document().Door().Bottom);
}

TEST_F(MainWindowTest, OpenReadsTheDoorAndShowsItsFileAndMode) {
  const QString path = WriteDoor("midwater.brd", 9000, false);
  FileDialogScript files;
  files.Choose(path);
  Action("Open1")->trigger();
  ASSERT_EQ(files.Asked().size(), 1u);
  EXPECT_EQ(files.Asked()[0].ObjectName, "OpenDialog1");
  EXPECT_EQ(files.Asked()[0].Title, "Open Data File");
  EXPECT_EQ(files.Asked()[0].Kind, FileDialogRequest::Mode::Open);
  EXPECT_EQ(app_->Document().Door().G, 9000);
  EXPECT_FALSE(app_->Document().Door().Bottom);
  EXPECT_FALSE(app_->Document().IsModified());
  EXPECT_EQ(Title(), "DoorTrim - " + path);
  EXPECT_TRUE(Find<QRadioButton>("RadioButton2")->isChecked());
  EXPECT_EQ(main_->FileName(), path);
}

TEST_F(MainWindowTest, OpenCancelledChangesNothing) {
  FileDialogScript files;
  files.Choose(std::nullopt);
  Action("Open1")->trigger();
  EXPECT_EQ(files.Asked().size(), 1u);
  EXPECT_EQ(Title(), "DoorTrim");
  EXPECT_EQ(app_->Document().Door().G, 11513);
}

TEST_F(MainWindowTest, FailedOpenShowsTheLoaderMessageAndKeepsEverything) {
  const QString good = WriteDoor("good.brd", 9000, false);
  ASSERT_TRUE(main_->OpenFile(good));
  const QString bad = dir_.filePath("bad.brd");
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("7\n0 0.1 0.01 abc\n");
  file.close();

  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Ok);
  EXPECT_FALSE(main_->OpenFile(bad));
  ASSERT_EQ(boxes.Asked().size(), 1u);
  EXPECT_EQ(boxes.Asked()[0].Icon, QMessageBox::Critical);
  const QString message = boxes.Asked()[0].Text;
  EXPECT_TRUE(message.contains("bad.brd")) << message.toStdString();
  EXPECT_TRUE(message.contains("line 2")) << message.toStdString();
  EXPECT_EQ(app_->Document().Door().G, 9000);
  EXPECT_FALSE(app_->Document().Door().Bottom);
  EXPECT_EQ(Title(), "DoorTrim - " + good);
  EXPECT_TRUE(Find<QRadioButton>("RadioButton2")->isChecked());
}

// Through the real file dialog, which adds the suffix to a name typed without one.
TEST_F(MainWindowTest, SaveWithoutFileNameActsAsSaveAsAndClearsModified) {
  EditTheDoor(app_->Document(), [](DoorInputs& d) { d.G = 12345; });
  const QString path = dir_.filePath("saved");  // the dialog adds the .brd suffix
  AnswerFileDialog(path);
  Action("Save1")->trigger();
  EXPECT_FALSE(app_->Document().IsModified());
  EXPECT_EQ(main_->FileName(), path + ".brd");
  EXPECT_EQ(Title(), "DoorTrim - " + path + ".brd");
  EXPECT_EQ(LoadedInputs((path + ".brd").toStdString()).G, 12345);

  // A second Save writes to the same file without asking.
  EditTheDoor(app_->Document(), [](DoorInputs& d) { d.G = 222; });
  Action("Save1")->trigger();
  EXPECT_FALSE(app_->Document().IsModified());
  EXPECT_EQ(LoadedInputs((path + ".brd").toStdString()).G, 222);
}

TEST_F(MainWindowTest, CloseWithUnchangedDataAsksNothing) {
  MessageBoxScript boxes;
  main_->close();
  EXPECT_FALSE(main_->isVisible());
  EXPECT_TRUE(boxes.Asked().empty());
}

TEST_F(MainWindowTest, CloseQueryCancelKeepsTheWindow) {
  ChangeTheDoor(app_->Document());
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Cancel);
  main_->close();
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Save Data?"});
  EXPECT_EQ(boxes.Asked()[0].Buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_TRUE(main_->isVisible());
  EXPECT_TRUE(app_->Document().IsModified());
}

TEST_F(MainWindowTest, CloseQueryNoClosesWithoutSaving) {
  const QString path = WriteDoor("door.brd", 9000, true);
  ASSERT_TRUE(main_->OpenFile(path));
  EditTheDoor(app_->Document(), [](DoorInputs& d) { d.G = 1; });
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::No);
  main_->close();
  EXPECT_EQ(boxes.Asked().size(), 1u);
  EXPECT_FALSE(main_->isVisible());
  EXPECT_EQ(LoadedInputs(path.toStdString()).G, 9000);
}

TEST_F(MainWindowTest, CloseQueryYesSavesThenCloses) {
  const QString path = WriteDoor("door.brd", 9000, true);
  ASSERT_TRUE(main_->OpenFile(path));
  EditTheDoor(app_->Document(), [](DoorInputs& d) { d.G = 7777; });
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Yes);
  main_->close();
  EXPECT_EQ(boxes.Asked().size(), 1u);
  EXPECT_FALSE(main_->isVisible());
  EXPECT_EQ(LoadedInputs(path.toStdString()).G, 7777);
}

TEST_F(MainWindowTest, CloseQueryYesWithCancelledSaveAsKeepsTheWindow) {
  ChangeTheDoor(app_->Document());
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Yes);
  FileDialogScript files;
  files.Choose(std::nullopt);
  main_->close();
  ASSERT_EQ(files.Asked().size(), 1u);
  EXPECT_EQ(files.Asked()[0].ObjectName, "SaveDialog1");
  EXPECT_EQ(files.Asked()[0].Kind, FileDialogRequest::Mode::Save);
  EXPECT_TRUE(main_->isVisible());
  EXPECT_TRUE(app_->Document().IsModified());
}

TEST_F(MainWindowTest, CloseQueryYesWithFailingSaveKeepsTheWindow) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("sub"));
  const QString path = WriteDoor("sub/door.brd", 9000, true);
  ASSERT_TRUE(main_->OpenFile(path));
  ASSERT_TRUE(QDir(dir_.filePath("sub")).removeRecursively());  // the folder is gone
  ChangeTheDoor(app_->Document());
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Yes);
  boxes.Answer(QMessageBox::Ok);
  main_->close();
  EXPECT_TRUE(main_->isVisible());
  EXPECT_TRUE(app_->Document().IsModified());
  ASSERT_EQ(boxes.Asked().size(), 2u);
  const QString error = boxes.Asked()[1].Text;
  EXPECT_TRUE(error.contains("door.brd")) << error.toStdString();
}

// The whole path by keyboard, through the real file dialog and message box: Ctrl+O (the file is
// chosen in its dialog), a dialog changed and confirmed with the keys, Alt+X, and the
// "Save Data?" question answered with its keys.
TEST_F(MainWindowTest, OpenChangeAndCloseByKeyboard) {
  const QString path = WriteDoor("keys.brd", 9000, true);
  QApplication::setActiveWindow(main_);
  AnswerFileDialog(path);
  QTest::keyClick(main_, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Title(), "DoorTrim - " + path);
  EXPECT_EQ(app_->Document().Door().G, 9000);

  // Influence of Trawl: type the angle, Tab on, and press OK with the space bar.
  auto* trawl = Find<QPushButton>("Button6");
  trawl->setFocus();
  AnswerNextModal([](QWidget* modal) {
    auto* angle = modal->findChild<QLineEdit*>("Edit1");
    angle->setFocus();
    angle->selectAll();
    QTest::keyClicks(angle, "12");
    QTest::keyClick(angle, Qt::Key_Tab);
    auto* ok = modal->findChild<QPushButton*>("OKBtn");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Space);
  });
  QTest::keyClick(trawl, Qt::Key_Space);
  EXPECT_EQ(app_->Document().Door().BridleAngleH, 12);
  EXPECT_TRUE(app_->Document().IsModified());

  // The offscreen platform activates no window by itself once a dialog has closed.
  QApplication::setActiveWindow(main_);
  QString question;
  AnswerNextModal([&question](QWidget* modal) {
    question = qobject_cast<QMessageBox*>(modal)->text();
    QTest::keyClick(modal, Qt::Key_Escape);  // Cancel
  });
  QTest::keyClick(main_, Qt::Key_X, Qt::AltModifier);
  EXPECT_EQ(question, "Save Data?");
  EXPECT_TRUE(main_->isVisible());

  QApplication::setActiveWindow(main_);
  AnswerNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Y); });  // Yes
  QTest::keyClick(main_, Qt::Key_X, Qt::AltModifier);
  EXPECT_FALSE(main_->isVisible());
  EXPECT_EQ(LoadedInputs(path.toStdString()).BridleAngleH, 12);
}

TEST_F(MainWindowTest, HelpAndAbout) {
  Action("N2")->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(app_->Help().isVisible());
  app_->Help().close();
  bool shown = false;
  AnswerNextModal([&shown](QWidget* modal) {
    shown = modal->objectName() == "AboutBox" && modal->windowTitle() == "About";
    qobject_cast<QDialog*>(modal)->accept();
  });
  Action("A1")->trigger();
  EXPECT_TRUE(shown);
}

// The door differs from its file: whatever would give it up asks first, and Cancel keeps it.
struct GiveUpCase {
  const char* Name;
  std::function<void(MainWindow& main, FileDialogScript& files, const QString& other)> Do;
};

class GivingUpTheDoor : public MainWindowTest, public ::testing::WithParamInterface<GiveUpCase> {};

TEST_P(GivingUpTheDoor, AsksAfterAnEditAndCancelKeepsTheEdit) {
  const QString other = WriteDoor("other.brd", 9000, true);
  // An edit of the Projections dialog, kept with OK.
  AnswerNextModal([](QWidget* dialog) {
    auto* weight = dialog->findChild<QLineEdit*>("Edit_G");
    weight->setFocus(Qt::MouseFocusReason);
    weight->selectAll();
    QTest::keyClicks(weight, "14000");
    QTest::keyClick(weight, Qt::Key_Tab);
    dialog->findChild<QPushButton*>("OKBtn")->click();
  });
  Find<QPushButton>("Button1")->click();
  ASSERT_EQ(app_->Document().Door().G, 14000);
  EXPECT_TRUE(Title().endsWith("*")) << Title().toStdString();
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Cancel);
  FileDialogScript files;
  GetParam().Do(*main_, files, other);
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Save Data?"});
  EXPECT_TRUE(main_->isVisible());
  EXPECT_EQ(app_->Document().Door().G, 14000);
  EXPECT_TRUE(main_->FileName().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, GivingUpTheDoor,
    ::testing::Values(
        GiveUpCase{"ExitButton",
                   [](MainWindow& main, FileDialogScript&, const QString&) {
                     main.findChild<QPushButton*>("BitBtn1")->click();
                   }},
        GiveUpCase{"ExitItem",
                   [](MainWindow& main, FileDialogScript&, const QString&) {
                     main.findChild<QAction*>("Exit1")->trigger();
                   }},
        GiveUpCase{"TitleBarClose",
                   [](MainWindow& main, FileDialogScript&, const QString&) { main.close(); }},
        GiveUpCase{"Escape", [](MainWindow& main, FileDialogScript&,
                                const QString&) { QTest::keyClick(&main, Qt::Key_Escape); }},
        GiveUpCase{"FileOpen",
                   [](MainWindow& main, FileDialogScript& files, const QString& other) {
                     files.Choose(other);
                     main.findChild<QAction*>("Open1")->trigger();
                   }}),
    [](const auto& info) { return std::string(info.param.Name); });

// File > Open after an edit: No gives the edit up and opens the chosen door.
TEST_F(MainWindowTest, OpenAfterAnEditAsksAndNoOpensTheDoor) {
  const QString other = WriteDoor("other.brd", 9000, false);
  ChangeTheDoor(app_->Document());
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::No);
  FileDialogScript files;
  files.Choose(other);
  QTest::keyClick(main_, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Save Data?"});
  EXPECT_EQ(app_->Document().Door().G, 9000);
  EXPECT_EQ(Title(), "DoorTrim - " + other);
  // A fresh history for the door opened.
  EXPECT_FALSE(Action("Undo1")->isEnabled());
}

// The trawling mode is stored with the door: switching it is a change like any other.
TEST_F(MainWindowTest, ModeSwitchThenExitAsks) {
  const QString path = WriteDoor("door.brd", 9000, true);
  ASSERT_TRUE(main_->OpenFile(path));
  QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
  EXPECT_TRUE(app_->Document().IsModified());
  EXPECT_EQ(Title(), "DoorTrim - " + path + "*");
  EXPECT_EQ(Action("Undo1")->text().toStdString(), "&Undo Midwater trawling");
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Cancel);
  Action("Exit1")->trigger();
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Save Data?"});
  EXPECT_TRUE(main_->isVisible());
  // Switched back, the door is its file's again: nothing to ask about.
  QTest::mouseClick(Find<QRadioButton>("RadioButton1"), Qt::LeftButton);
  EXPECT_FALSE(app_->Document().IsModified());
  EXPECT_EQ(Title(), "DoorTrim - " + path);
}

// Edit > Undo and Redo in the main window, by Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y; the mode
// buttons, the title and the keel buttons follow.
TEST_F(MainWindowTest, UndoAndRedoByKeyboardAndTheWindowFollows) {
  QApplication::setActiveWindow(main_);
  QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
  ASSERT_FALSE(Find<QPushButton>("Button7")->isEnabled());
  QTest::keyClick(main_, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(app_->Document().Door().Bottom);
  EXPECT_TRUE(Find<QRadioButton>("RadioButton1")->isChecked());
  EXPECT_TRUE(Find<QPushButton>("Button7")->isEnabled());
  EXPECT_EQ(Title(), "DoorTrim");
  EXPECT_EQ(Action("Redo1")->text().toStdString(), "&Redo Midwater trawling");
  QTest::keyClick(main_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_FALSE(app_->Document().Door().Bottom);
  EXPECT_TRUE(Find<QRadioButton>("RadioButton2")->isChecked());
  QTest::keyClick(main_, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(main_, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_FALSE(app_->Document().Door().Bottom);
  EXPECT_EQ(Title(), "DoorTrim*");
}

}  // namespace
