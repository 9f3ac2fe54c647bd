#include "ValueEntryDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "gui/ModalAnswer.h"

namespace {

// The solver-sensitivity request of the balance window.
long double AskSensitivity(ValueEntryDialog& dialog, long double& value) {
  return dialog.Ask("Solver sensitivity",
                    "Value from 5.0 to 1000.0\nLess - coarse, quick solving.\nGreat - fine, "
                    "slow solving.",
                    value, 5, 1000, 50, 15, 1);
}

// Answers the dialog: types `typed` over the selected value, then presses `button`.
void TypeAndPress(const QString& typed, const char* button) {
  AnswerNextModal([typed, button](QWidget* modal) {
    auto* dialog = qobject_cast<ValueEntryDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->findChild<QLineEdit*>("Edit1"), typed);
    dialog->findChild<QPushButton*>(button)->click();
  });
}

TEST(ValueEntryDialog, Layout) {
  ValueEntryDialog dialog;
  EXPECT_EQ(dialog.objectName(), "AskAny");
  EXPECT_EQ(dialog.size(), QSize(476, 147));
  EXPECT_TRUE(dialog.font().bold());
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
  auto* label = dialog.findChild<QLabel*>("Label1");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->size(), QSize(359, 73));
  EXPECT_TRUE(label->wordWrap());
  EXPECT_EQ(label->alignment(), Qt::AlignCenter);
  EXPECT_NE(dialog.findChild<QLineEdit*>("Edit1"), nullptr);
  auto* ok = dialog.findChild<QPushButton*>("OKBtn");
  ASSERT_NE(ok, nullptr);
  EXPECT_TRUE(ok->isDefault());
  EXPECT_NE(dialog.findChild<QPushButton*>("CancelBtn"), nullptr);
}

TEST(ValueEntryDialog, ShowsCaptionPromptAndTheFormattedValueSelectedAndFocused) {
  ValueEntryDialog dialog;
  long double value = 62.25L;
  QString title, prompt, shown;
  bool selected = false, focused = false;
  AnswerNextModal([&](QWidget* modal) {
    auto* d = qobject_cast<ValueEntryDialog*>(modal);
    ASSERT_NE(d, nullptr);
    title = d->windowTitle();
    prompt = d->findChild<QLabel*>("Label1")->text();
    shown = d->findChild<QLineEdit*>("Edit1")->text();
    selected = d->findChild<QLineEdit*>("Edit1")->selectedText() ==
               d->findChild<QLineEdit*>("Edit1")->text();
    focused = d->focusWidget() == d->findChild<QLineEdit*>("Edit1");
    d->findChild<QPushButton*>("CancelBtn")->click();
  });
  const long double result = AskSensitivity(dialog, value);
  EXPECT_EQ(title, "Solver sensitivity");
  EXPECT_EQ(prompt,
            "Value from 5.0 to 1000.0\nLess - coarse, quick solving.\nGreat - fine, slow solving.");
  EXPECT_EQ(shown, "62.2");  // one decimal, the tie to even
  EXPECT_TRUE(selected);
  EXPECT_TRUE(focused);
  EXPECT_EQ(result, 62.2L);
  EXPECT_EQ(value, 62.25L);  // Cancel: unchanged
}

TEST(ValueEntryDialog, InitialValueFormatting) {
  ValueEntryDialog dialog;
  for (const auto& [value, expected] :
       std::initializer_list<std::pair<long double, QString>>{{100.0L, "100"},
                                                              {50.0L, "50"},
                                                              {12.34L, "12.3"},
                                                              {999.96L, "1000"},
                                                              {7.25L, "7.2"},
                                                              {0.5L, ".5"}}) {
    QString shown;
    AnswerNextModal([&shown](QWidget* modal) {
      auto* d = qobject_cast<ValueEntryDialog*>(modal);
      shown = d->findChild<QLineEdit*>("Edit1")->text();
      d->findChild<QPushButton*>("CancelBtn")->click();
    });
    long double v = value;
    AskSensitivity(dialog, v);
    EXPECT_EQ(shown, expected) << static_cast<double>(value);
  }
}

TEST(ValueEntryDialog, BelowTheMinimumGivesTheDefault) {
  ValueEntryDialog dialog;
  long double value = 100;
  TypeAndPress("3", "OKBtn");
  EXPECT_EQ(AskSensitivity(dialog, value), 50.0L);
  EXPECT_EQ(value, 50.0L);
  EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit1")->text(), "50");
}

TEST(ValueEntryDialog, AboveTheMaximumGivesTheDefault) {
  ValueEntryDialog dialog;
  long double value = 100;
  TypeAndPress("1200", "OKBtn");
  EXPECT_EQ(AskSensitivity(dialog, value), 50.0L);
  EXPECT_EQ(value, 50.0L);
}

TEST(ValueEntryDialog, ValueInRangeIsTaken) {
  ValueEntryDialog dialog;
  long double value = 100;
  TypeAndPress("250", "OKBtn");
  EXPECT_EQ(AskSensitivity(dialog, value), 250.0L);
  EXPECT_EQ(value, 250.0L);
}

TEST(ValueEntryDialog, BothEndsAreAllowed) {
  ValueEntryDialog dialog;
  long double value = 100;
  TypeAndPress("5", "OKBtn");
  EXPECT_EQ(AskSensitivity(dialog, value), 5.0L);
  TypeAndPress("1000", "OKBtn");
  EXPECT_EQ(AskSensitivity(dialog, value), 1000.0L);
  EXPECT_EQ(value, 1000.0L);
}

TEST(ValueEntryDialog, ValueIsRoundedToTheDecimals) {
  ValueEntryDialog dialog;
  long double value = 100;
  TypeAndPress("123.456", "OKBtn");
  EXPECT_EQ(AskSensitivity(dialog, value), 123.5L);
  EXPECT_EQ(value, 123.5L);
}

TEST(ValueEntryDialog, CancelLeavesTheValueButReturnsTheNumber) {
  ValueEntryDialog dialog;
  long double value = 100;
  TypeAndPress("250", "CancelBtn");
  EXPECT_EQ(AskSensitivity(dialog, value), 250.0L);
  EXPECT_EQ(value, 100.0L);
  TypeAndPress("3", "CancelBtn");  // Cancel validates as well
  EXPECT_EQ(AskSensitivity(dialog, value), 50.0L);
  EXPECT_EQ(value, 100.0L);
}

TEST(ValueEntryDialog, EscapeCancelsAndValidates) {
  ValueEntryDialog dialog;
  long double value = 100;
  AnswerNextModal([](QWidget* modal) {
    auto* d = qobject_cast<ValueEntryDialog*>(modal);
    QTest::keyClicks(d->findChild<QLineEdit*>("Edit1"), "2000");
    QTest::keyClick(d->findChild<QLineEdit*>("Edit1"), Qt::Key_Escape);
  });
  EXPECT_EQ(AskSensitivity(dialog, value), 50.0L);
  EXPECT_EQ(value, 100.0L);
}

TEST(ValueEntryDialog, EnterPressesOk) {
  ValueEntryDialog dialog;
  long double value = 100;
  AnswerNextModal([](QWidget* modal) {
    auto* d = qobject_cast<ValueEntryDialog*>(modal);
    QTest::keyClicks(d->findChild<QLineEdit*>("Edit1"), "75.5");
    QTest::keyClick(d->findChild<QLineEdit*>("Edit1"), Qt::Key_Return);
  });
  EXPECT_EQ(AskSensitivity(dialog, value), 75.5L);
  EXPECT_EQ(value, 75.5L);
}

TEST(ValueEntryDialog, LeavingEdit1Validates) {
  ValueEntryDialog dialog;
  long double value = 100;
  QString afterLeaving, afterLeavingInRange;
  AnswerNextModal([&](QWidget* modal) {
    auto* d = qobject_cast<ValueEntryDialog*>(modal);
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    ASSERT_TRUE(d->findChild<QLineEdit*>("Edit1")->hasFocus());
    QTest::keyClicks(d->findChild<QLineEdit*>("Edit1"), "3");
    d->findChild<QPushButton*>("OKBtn")->setFocus(Qt::TabFocusReason);
    afterLeaving = d->findChild<QLineEdit*>("Edit1")->text();
    d->findChild<QLineEdit*>("Edit1")->setFocus(Qt::TabFocusReason);
    d->findChild<QLineEdit*>("Edit1")->selectAll();
    QTest::keyClicks(d->findChild<QLineEdit*>("Edit1"), " 0250.00 ");
    d->findChild<QPushButton*>("CancelBtn")->setFocus(Qt::TabFocusReason);
    afterLeavingInRange = d->findChild<QLineEdit*>("Edit1")->text();
    d->findChild<QPushButton*>("CancelBtn")->click();
  });
  EXPECT_EQ(AskSensitivity(dialog, value), 250.0L);
  EXPECT_EQ(afterLeaving, "50");
  EXPECT_EQ(afterLeavingInRange, "250");
  EXPECT_EQ(value, 100.0L);
}

TEST(ValueEntryDialog, UnreadableTextIsReadLeniently) {
  ValueEntryDialog dialog;
  long double value = 100;
  TypeAndPress("300kg", "OKBtn");  // ReadNumber falls back to the lenient reading
  EXPECT_EQ(AskSensitivity(dialog, value), 300.0L);
  TypeAndPress("abc", "OKBtn");  // 0: below the minimum
  EXPECT_EQ(AskSensitivity(dialog, value), 50.0L);
}

TEST(ValueEntryDialog, DialogIsReusable) {
  ValueEntryDialog dialog;
  long double value = 100;
  TypeAndPress("250", "OKBtn");
  AskSensitivity(dialog, value);
  QString shown;
  AnswerNextModal([&shown](QWidget* modal) {
    auto* d = qobject_cast<ValueEntryDialog*>(modal);
    shown = d->findChild<QLineEdit*>("Edit1")->text();
    d->findChild<QPushButton*>("OKBtn")->click();
  });
  EXPECT_EQ(dialog.Ask("Other", "Prompt", value, 0, 10, 1, 10, 2), 1.0L);  // 250 > 10
  EXPECT_EQ(shown, "250");
  EXPECT_EQ(value, 1.0L);
}

}  // namespace
