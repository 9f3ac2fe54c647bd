// A dialog refills its fields from the door when it becomes active again after another window
// of the program, which may have changed the door; coming back from its help keeps what the
// user typed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "DoorDocument.h"
#include "GroundEditor.h"
#include "HelpBrowser.h"
#include "HydrodynamicEditor.h"
#include "KeelGeometryEditor.h"
#include "TrawlDialog.h"
#include "gui/ModalAnswer.h"
#include "model/TBoard.h"

namespace {

struct Case {
  const char* Dialog;
  std::function<std::unique_ptr<QDialog>(DoorDocument&, HelpBrowser&)> Create;
  const char* FieldName;
  const char* Typed;  // a value the field's check keeps
};

template <class Dialog>
std::unique_ptr<QDialog> Make(DoorDocument& document, HelpBrowser& help) {
  return std::make_unique<Dialog>(document, help);
}

const Case kCases[] = {
    {"Influence of trawl", Make<TrawlDialog>, "Edit1", "30"},
    {"Hydrodynamic", Make<HydrodynamicEditor>, "Edit2", "0.77"},
    {"Keel geometry", Make<KeelGeometryEditor>, "Edit3", "0.02"},
    {"Ground", Make<GroundEditor>, "Edit2", "4.5"},
};

void TypeAndLeave(QLineEdit* field, const QString& text) {
  QTest::mouseClick(field, Qt::LeftButton);
  field->selectAll();
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Tab);
}

bool Reactivate(QWidget& window) {
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

TEST(HelpReturn, ComingBackFromHelpKeepsTheTypedText) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.Dialog);
    DoorDocument document;
    HelpBrowser help;
    const std::unique_ptr<QDialog> dialog = c.Create(document, help);
    auto* field = dialog->findChild<QLineEdit*>(c.FieldName);
    ASSERT_NE(field, nullptr);
    QString afterHelp;
    AnswerNextModal([&](QWidget*) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
      TypeAndLeave(field, c.Typed);
      QTest::mouseClick(dialog->findChild<QPushButton*>("HelpBtn"), Qt::LeftButton);
      ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
      help.close();
      ASSERT_TRUE(Reactivate(*dialog));
      afterHelp = field->text();
      dialog->reject();
    });
    dialog->exec();
    EXPECT_EQ(afterHelp, c.Typed);
  }
}

TEST(HelpReturn, ComingBackFromAnotherWindowOfTheProgramRefills) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.Dialog);
    DoorDocument document;
    HelpBrowser help;
    const std::unique_ptr<QDialog> dialog = c.Create(document, help);
    auto* field = dialog->findChild<QLineEdit*>(c.FieldName);
    ASSERT_NE(field, nullptr);
    QWidget other;
    other.show();
    dialog->show();
    ASSERT_TRUE(Reactivate(*dialog));
    const QString filled = field->text();
    ASSERT_NE(filled, c.Typed);
    TypeAndLeave(field, c.Typed);

    // Another program keeps the text; another window of this one shows the door afresh.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(dialog->isActiveWindow());
    EXPECT_EQ(field->text(), c.Typed);
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(other.isActiveWindow());
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(dialog->isActiveWindow());
    EXPECT_EQ(field->text(), filled);
  }
}

}  // namespace
