#include "ValidatedField.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "gui/MessageBoxScript.h"
#include "gui/ModalAnswer.h"

namespace {

// A rotation field of the balance window: Edit7 on Panel6, -90..90 with both ends, default
// 0, precision 3; a second field to move the focus to.
struct RotationField {
  QWidget Panel;
  ValidatedField* Edit;
  ValidatedField* Other;

  RotationField() {
    Panel.setObjectName("Panel6");
    auto* layout = new QVBoxLayout(&Panel);
    Edit = new ValidatedField(&Panel);
    Edit->setObjectName("Edit7");
    Edit->setValMin(-90);
    Edit->setValMax(90);
    Edit->setValDefault(0);
    Edit->setValPrecision(3);
    Other = new ValidatedField(&Panel);
    Other->setObjectName("Edit8");
    layout->addWidget(Edit);
    layout->addWidget(Other);
  }

  // Replaces the text as a user would: select everything, type.
  void Type(const QString& typed) {
    Edit->selectAll();
    QTest::keyClicks(Edit, typed);
  }

  bool WholeTextSelected() const {
    return Edit->hasSelectedText() && Edit->selectedText() == Edit->text();
  }

  void ShowActive() {
    Panel.show();
    Panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Panel));
  }
};

// Answers every real message box that opens (with OK) and counts them. A modal box opens and
// closes within the action that shows it, so once the action has returned the count is
// complete: no waiting for a box that might still come.
struct RealBoxCounter {
  std::shared_ptr<int> Count = std::make_shared<int>(0);
  std::shared_ptr<QStringList> Texts = std::make_shared<QStringList>();

  RealBoxCounter() { Watch(Count, Texts); }

 private:
  static void Watch(std::shared_ptr<int> count, std::shared_ptr<QStringList> texts) {
    AnswerNextModal([count, texts](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box == nullptr) return;
      ++*count;
      texts->append(box->text());
      Watch(count, texts);  // a second box would open while this one closes
      box->button(QMessageBox::Ok)->click();
    });
  }
};

TEST(ValidatedField, DefaultsAtCreation) {
  ValidatedField edit;
  EXPECT_EQ(edit.Val(), 0.0L);
  EXPECT_EQ(edit.ValDefault(), 0.0L);
  EXPECT_TRUE(edit.ValCheck());
  EXPECT_EQ(edit.ValMin(), 0.0L);
  EXPECT_EQ(edit.ValMax(), 1.0L);
  EXPECT_TRUE(edit.ValMinIncl());
  EXPECT_TRUE(edit.ValMaxIncl());
  EXPECT_EQ(edit.ValPrecision(), 3);
  EXPECT_EQ(edit.text(), "0");
  EXPECT_STREQ(edit.metaObject()->className(), "ValidatedField");
}

TEST(ValidatedField, PropertiesAreQtProperties) {
  ValidatedField edit;
  const QMetaObject* meta = edit.metaObject();
  for (const char* name : {"Val", "ValDefault", "ValCheck", "ValMin", "ValMax", "ValMinIncl",
                           "ValMaxIncl", "ValPrecision"}) {
    EXPECT_GE(meta->indexOfProperty(name), 0) << name;
  }
  EXPECT_TRUE(edit.setProperty("ValPrecision", 5));
  EXPECT_EQ(edit.ValPrecision(), 5);
  EXPECT_TRUE(edit.setProperty("ValCheck", false));
  EXPECT_FALSE(edit.ValCheck());
}

TEST(ValidatedField, EnterWithValueOutOfRangeShowsErrorAndFallsBackToDefault) {
  RotationField field;
  QSignalSpy inputs(field.Edit, &ValidatedField::OnInput);
  field.Type("95");
  MessageBoxScript boxes;
  QTest::keyClick(field.Edit, Qt::Key_Return);

  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Panel6 : Edit7Value is out of range: [-90..90]"});
  EXPECT_EQ(field.Edit->Val(), 0.0L);
  EXPECT_EQ(field.Edit->text(), "0");
  EXPECT_TRUE(field.WholeTextSelected());
  ASSERT_EQ(inputs.count(), 1);
  EXPECT_EQ(inputs.at(0).at(0).value<ValidatedField*>(), field.Edit);
}

// Through the real box, as the user sees it.
TEST(ValidatedField, ErrorMessageIsACriticalBoxWithOk) {
  RotationField field;
  field.Type("-95");
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QString message;
  AnswerNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    icon = box->icon();
    buttons = box->standardButtons();
    message = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  QTest::keyClick(field.Edit, Qt::Key_Enter);
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(message, "Panel6 : Edit7Value is out of range: [-90..90]");
  EXPECT_EQ(field.Edit->Val(), 0.0L);
}

TEST(ValidatedField, ErrorMessageStartsWithTheHint) {
  RotationField field;
  field.Edit->setToolTip("Rotation about x");
  field.Type("95");
  MessageBoxScript boxes;
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_EQ(
      boxes.Texts(),
      std::vector<QString>{"Rotation about x\r\rPanel6 : Edit7Value is out of range: [-90..90]"});
}

TEST(ValidatedField, UpperEndIsAcceptedWhenIncluded) {
  RotationField field;
  QSignalSpy inputs(field.Edit, &ValidatedField::OnInput);
  MessageBoxScript boxes;
  field.Type("90");
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_TRUE(boxes.Asked().empty());
  EXPECT_EQ(field.Edit->Val(), 90.0L);
  EXPECT_EQ(field.Edit->text(), "90");
  EXPECT_EQ(inputs.count(), 1);

  field.Type("-90");
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_EQ(field.Edit->Val(), -90.0L);
}

TEST(ValidatedField, UpperEndIsRefusedWhenExcluded) {
  RotationField field;
  field.Edit->setValMaxIncl(false);
  field.Type("90");
  MessageBoxScript boxes;
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Panel6 : Edit7Value is out of range: [-90..90["});
  EXPECT_EQ(field.Edit->Val(), 0.0L);
}

TEST(ValidatedField, LowerEndIsRefusedWhenExcluded) {
  RotationField field;
  field.Edit->setValMinIncl(false);
  field.Type("-90");
  MessageBoxScript boxes;
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Panel6 : Edit7Value is out of range: ]-90..90]"});
  EXPECT_EQ(field.Edit->Val(), 0.0L);
}

TEST(ValidatedField, UnreadableTextGivesTheDefaultSilentlyAndSelectsIt) {
  RotationField field;
  field.Edit->setValDefault(12.5);
  field.Edit->SetAndShow(45);
  QSignalSpy inputs(field.Edit, &ValidatedField::OnInput);
  MessageBoxScript boxes;
  field.Type("abc");
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_TRUE(boxes.Asked().empty());
  EXPECT_EQ(field.Edit->Val(), 12.5L);
  EXPECT_EQ(field.Edit->text(), "12.5");
  EXPECT_TRUE(field.WholeTextSelected());
  EXPECT_EQ(inputs.count(), 1);
}

TEST(ValidatedField, UnreadableTextWithADefaultOutOfRangeStillComplains) {
  RotationField field;
  field.Edit->setValCheck(false);
  field.Edit->BeginLoading();
  field.Edit->setValDefault(100);  // no consistency rule while loading
  field.Edit->EndLoading();
  field.Edit->setValCheck(true);
  field.Type("x");
  MessageBoxScript boxes;
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Panel6 : Edit7Value is out of range: [-90..90]"});
  EXPECT_EQ(field.Edit->Val(), 100.0L);
}

TEST(ValidatedField, ReadableTextIsTakenAndShownRounded) {
  RotationField field;
  field.Type("12.3456789");
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_EQ(field.Edit->Val(), 12.3456789L);
  EXPECT_EQ(field.Edit->text(), "12.346");
  field.Type(" -7.5 ");
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_EQ(field.Edit->Val(), -7.5L);
  field.Type("1e1");
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_EQ(field.Edit->Val(), 10.0L);
  field.Type("3,5");  // a "," that groups nothing stands for the decimal point
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_EQ(field.Edit->Val(), 3.5L);
  field.Type("3,5,1");  // but only once
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_EQ(field.Edit->Val(), 0.0L);
}

TEST(ValidatedField, DisplayRoundsHalfToEvenAtThePrecision) {
  RotationField field;
  field.Edit->SetAndShow(1.23456L);
  EXPECT_EQ(field.Edit->text(), "1.235");
  EXPECT_EQ(field.Edit->Val(), 1.23456L);  // Val keeps all digits
  field.Edit->SetAndShow(0.0625L);
  EXPECT_EQ(field.Edit->text(), "0.062");
  field.Edit->SetAndShow(0.0635L);
  EXPECT_EQ(field.Edit->DisplayText(), "0.064");
  field.Edit->SetAndShow(-45);
  EXPECT_EQ(field.Edit->text(), "-45");
  field.Edit->setValPrecision(1);
  EXPECT_EQ(field.Edit->text(), "-45");
  field.Edit->SetAndShow(0.25L);
  EXPECT_EQ(field.Edit->text(), "0.2");
  field.Edit->setValPrecision(5);
  EXPECT_EQ(field.Edit->text(), "0.25");
}

TEST(ValidatedField, TextWrittenByACallerIsReplacedAtTheNextPaint) {
  RotationField field;
  field.Panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&field.Panel));
  field.Edit->SetAndShow(12.5);
  field.Edit->setText("  12.500");  // as the balance window writes "###.###" texts
  EXPECT_EQ(field.Edit->text(), "  12.500");
  field.Edit->repaint();
  EXPECT_EQ(field.Edit->text(), "12.5");
  EXPECT_EQ(field.Edit->Val(), 12.5L);
}

TEST(ValidatedField, TypingIsNotRewrittenByAPaint) {
  RotationField field;
  field.ShowActive();
  field.Edit->setFocus();
  field.Type("33.33333");
  field.Edit->repaint();
  EXPECT_EQ(field.Edit->text(), "33.33333");
  EXPECT_EQ(field.Edit->Val(), 0.0L);
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_EQ(field.Edit->text(), "33.333");
  EXPECT_EQ(field.Edit->Val(), 33.33333L);
}

TEST(ValidatedField, SetAndShowValidates) {
  RotationField field;
  field.Edit->SetAndShow(30);
  EXPECT_EQ(field.Edit->Val(), 30.0L);
  EXPECT_EQ(field.Edit->text(), "30");
  MessageBoxScript boxes;
  field.Edit->SetAndShow(91);
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Panel6 : Edit7Value is out of range: [-90..90]"});
  EXPECT_EQ(field.Edit->Val(), 0.0L);
  EXPECT_EQ(field.Edit->text(), "0");
}

TEST(ValidatedField, ValSetterValidatesAndUncheckedFieldTakesAnything) {
  RotationField field;
  MessageBoxScript boxes;
  field.Edit->setVal(-200);
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Panel6 : Edit7Value is out of range: [-90..90]"});
  EXPECT_EQ(field.Edit->Val(), 0.0L);

  field.Edit->setValCheck(false);
  MessageBoxScript unchecked;
  field.Edit->setVal(-200);
  field.Type("1000");
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_TRUE(unchecked.Asked().empty());
  EXPECT_EQ(field.Edit->Val(), 1000.0L);
  EXPECT_TRUE(field.Edit->Validate());
}

TEST(ValidatedField, ValMinAboveValMaxBecomesValMaxMinusOne) {
  RotationField field;
  MessageBoxScript boxes;
  field.Edit->setValMin(100);
  EXPECT_EQ(field.Edit->ValMin(), 89.0L);
  // The default 0 lies below the new lower end: it moves to the midpoint.
  EXPECT_EQ(field.Edit->ValDefault(), 89.5L);
  // Val 0 is now out of range: the field complains and takes the default.
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Panel6 : Edit7Value is out of range: [89..90]"});
  EXPECT_EQ(field.Edit->Val(), 89.5L);
}

TEST(ValidatedField, ValMaxBelowValMinBecomesValMinPlusOne) {
  RotationField field;
  MessageBoxScript boxes;
  field.Edit->setValMax(-100);
  EXPECT_EQ(field.Edit->ValMax(), -89.0L);
  EXPECT_EQ(field.Edit->ValDefault(), -89.5L);
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Panel6 : Edit7Value is out of range: [-90..-89]"});
  EXPECT_EQ(field.Edit->Val(), -89.5L);
}

TEST(ValidatedField, IntervalSettersMoveTheDefaultToTheMidpoint) {
  ValidatedField edit;
  edit.setValCheck(false);  // the rules apply; no validation message
  edit.setValMax(10);
  edit.setValMin(2);  // default 0 lies below
  EXPECT_EQ(edit.ValMin(), 2.0L);
  EXPECT_EQ(edit.ValDefault(), 6.0L);

  edit.setValDefault(2);  // at the included end: kept
  EXPECT_EQ(edit.ValDefault(), 2.0L);
  edit.setValMinIncl(false);
  edit.setValMin(2);  // the default at an excluded lower end moves
  EXPECT_EQ(edit.ValDefault(), 6.0L);

  edit.setValDefault(10);  // at the included upper end: kept
  EXPECT_EQ(edit.ValDefault(), 10.0L);
  edit.setValMax(8);  // the default lies above
  EXPECT_EQ(edit.ValDefault(), 5.0L);
  edit.setValMaxIncl(false);
  edit.setValDefault(8);  // at the excluded upper end
  EXPECT_EQ(edit.ValDefault(), 5.0L);
  edit.setValDefault(2);  // at the excluded lower end
  EXPECT_EQ(edit.ValDefault(), 5.0L);
  edit.setValDefault(-50);
  EXPECT_EQ(edit.ValDefault(), 5.0L);
  edit.setValDefault(7.5);
  EXPECT_EQ(edit.ValDefault(), 7.5L);
  EXPECT_EQ(edit.IntervalText(), "]2..8[");
}

TEST(ValidatedField, ValMinOnlyLooksAtTheLowerEnd) {
  ValidatedField edit;
  edit.setValCheck(false);
  edit.setValMax(100);
  edit.setValDefault(100);
  edit.setValMin(50);  // the default is not below: kept
  EXPECT_EQ(edit.ValDefault(), 100.0L);
}

TEST(ValidatedField, NoRulesAndNoValidationWhileLoading) {
  RotationField field;
  MessageBoxScript boxes;
  field.Edit->BeginLoading();
  EXPECT_TRUE(field.Edit->Loading());
  field.Edit->setValMin(100);
  field.Edit->setValMax(50);
  field.Edit->setValDefault(500);
  field.Edit->setVal(1000);
  field.Edit->EndLoading();
  EXPECT_TRUE(boxes.Asked().empty());
  EXPECT_FALSE(field.Edit->Loading());
  EXPECT_EQ(field.Edit->ValMin(), 100.0L);
  EXPECT_EQ(field.Edit->ValMax(), 50.0L);
  EXPECT_EQ(field.Edit->ValDefault(), 500.0L);
  EXPECT_EQ(field.Edit->Val(), 1000.0L);
  EXPECT_EQ(field.Edit->text(), "1000");
}

TEST(ValidatedField, IntervalUsesTheGeneralFormat) {
  ValidatedField edit;
  edit.setValCheck(false);
  edit.setValMax(10000);
  EXPECT_EQ(edit.IntervalText(), "[0..10000]");
  edit.setValMax(0.35L);
  edit.setValMinIncl(false);
  edit.setValMaxIncl(false);
  EXPECT_EQ(edit.IntervalText(), "]0..0.35[");
}

// Through the real box, as the user sees it.
TEST(ValidatedField, F1ShowsTheRangeWithoutHint) {
  RotationField field;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QString message;
  AnswerNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    icon = box->icon();
    buttons = box->standardButtons();
    message = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  QTest::keyClick(field.Edit, Qt::Key_F1);
  EXPECT_EQ(message, "Range: [-90..90]");
  EXPECT_EQ(icon, QMessageBox::Information);
  EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(ValidatedField, F1ShowsTheHintBeforeTheRange) {
  RotationField field;
  field.Edit->setToolTip("Rotation about x");
  MessageBoxScript boxes;
  QTest::keyClick(field.Edit, Qt::Key_F1);
  EXPECT_EQ(boxes.Texts(), std::vector<QString>{"Rotation about x\r\rRange: [-90..90]"});
}

TEST(ValidatedField, F1DoesNotCommit) {
  RotationField field;
  QSignalSpy inputs(field.Edit, &ValidatedField::OnInput);
  field.Type("45");
  MessageBoxScript boxes;
  QTest::keyClick(field.Edit, Qt::Key_F1);
  EXPECT_EQ(boxes.Asked().size(), 1u);
  EXPECT_EQ(inputs.count(), 0);
  EXPECT_EQ(field.Edit->Val(), 0.0L);
}

TEST(ValidatedField, LeavingTheFieldCommits) {
  RotationField field;
  field.ShowActive();
  field.Edit->setFocus();
  ASSERT_TRUE(field.Edit->hasFocus());
  QSignalSpy inputs(field.Edit, &ValidatedField::OnInput);
  field.Type("45.12345");
  QTest::keyClick(field.Edit, Qt::Key_Tab);
  EXPECT_TRUE(field.Other->hasFocus());
  EXPECT_EQ(field.Edit->Val(), 45.12345L);
  EXPECT_EQ(field.Edit->text(), "45.123");
  EXPECT_EQ(inputs.count(), 1);

  field.Edit->setFocus();
  field.Type("12");
  field.Other->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(field.Edit->Val(), 12.0L);
  EXPECT_EQ(inputs.count(), 2);
}

TEST(ValidatedField, LeavingWithValueOutOfRangeShowsOneMessageOnly) {
  RotationField field;
  field.ShowActive();
  field.Edit->setFocus();
  QSignalSpy inputs(field.Edit, &ValidatedField::OnInput);
  field.Type("95");
  RealBoxCounter boxes;  // the real box takes the focus, which must not commit again
  QTest::keyClick(field.Edit, Qt::Key_Tab);
  EXPECT_EQ(*boxes.Count, 1);
  ASSERT_EQ(boxes.Texts->size(), 1);
  EXPECT_EQ(boxes.Texts->at(0), "Panel6 : Edit7Value is out of range: [-90..90]");
  EXPECT_EQ(field.Edit->Val(), 0.0L);
  EXPECT_EQ(field.Edit->text(), "0");
  EXPECT_EQ(inputs.count(), 1);
}

TEST(ValidatedField, EnterWithValueOutOfRangeInFocusShowsOneMessageOnly) {
  RotationField field;
  field.ShowActive();
  field.Edit->setFocus();
  QSignalSpy inputs(field.Edit, &ValidatedField::OnInput);
  field.Type("-95");
  RealBoxCounter boxes;  // the real box takes the focus, which must not commit again
  QTest::keyClick(field.Edit, Qt::Key_Return);
  EXPECT_EQ(*boxes.Count, 1);
  EXPECT_EQ(field.Edit->Val(), 0.0L);
  EXPECT_EQ(inputs.count(), 1);
}

TEST(ValidatedField, EnterStillReachesTheDefaultButtonOfADialog) {
  QDialog dialog;
  dialog.setObjectName("Envir_f");
  auto* layout = new QVBoxLayout(&dialog);
  auto* edit = new ValidatedField(&dialog);
  edit->setObjectName("Edit1");
  edit->setValMax(10000);
  edit->setValDefault(1000);
  edit->SetAndShow(1034);
  auto* ok = new QPushButton("OK", &dialog);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  layout->addWidget(edit);
  layout->addWidget(ok);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QSignalSpy accepted(&dialog, &QDialog::accepted);
  edit->selectAll();
  QTest::keyClicks(edit, "1025.5");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(edit->Val(), 1025.5L);
  EXPECT_EQ(accepted.count(), 1);
}

}  // namespace
