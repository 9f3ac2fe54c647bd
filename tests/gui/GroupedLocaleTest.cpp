// Numbers typed where "." or a no-break space groups thousands and "," is the decimal
// separator: a plain field, a validated field and the enter-a-value dialog take "0.6" and
// "1030.5" as the decimal numbers the user meant, and the locale's own grouped notation
// ("1.030,5") as well.

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "DoorDocument.h"
#include "EnvironmentDialog.h"
#include "HelpBrowser.h"
#include "KeelOriginDialog.h"
#include "TestTolerances.h"
#include "ValidatedField.h"
#include "ValueEntryDialog.h"
#include "gui/DoorChanges.h"
#include "gui/ModalAnswer.h"
#include "model/TBoard.h"

namespace {

// The application's number locale for one test; the previous one comes back afterwards.
class DefaultLocale {
 public:
  explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~DefaultLocale() { QLocale::setDefault(saved_); }
  DefaultLocale(const DefaultLocale&) = delete;
  DefaultLocale& operator=(const DefaultLocale&) = delete;

 private:
  QLocale saved_;  // initialised before the constructor's body changes the default
};

struct LocaleCase {
  const char* Name;
  QLocale::Language Language;
  QLocale::Territory Territory;
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
  *os << c.Name;
}

class GroupedLocaleGui : public ::testing::TestWithParam<LocaleCase> {
 protected:
  GroupedLocaleGui() : locale_(QLocale(GetParam().Language, GetParam().Territory)) {}

  // The test's own assumptions about the locale: a decimal comma and some other grouping.
  void SetUp() override {
    ASSERT_EQ(QLocale().decimalPoint(), ",");
    ASSERT_NE(QLocale().groupSeparator(), ",");
  }

  // Runs `dialog` modally and lets `answer` act on it once it is the active window; a
  // dialog the answer left open is cancelled, so a failed step cannot hang the test.
  static int RunModal(QDialog& dialog, const std::function<void()>& answer) {
    AnswerNextModal([&dialog, answer](QWidget*) {
      // A click gives the focus only to a field of the active window.
      EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
      answer();
      if (dialog.isVisible()) dialog.reject();
    });
    return dialog.exec();
  }

  // Replaces the field's text as a user would and leaves the field with Tab.
  static void TypeAndLeave(QLineEdit* field, const QString& typed) {
    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_TRUE(field->hasFocus());
    field->selectAll();
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_FALSE(field->hasFocus());
  }

  DefaultLocale locale_;
  DoorDocument document_;
  HelpBrowser help_;
};

TEST_P(GroupedLocaleGui, PlainFieldReadsAPointAsTheDecimalPoint) {
  EditTheDoor(document_, [&](DoorInputs& d) {
    d.xk = 1;
    d.yk = 0.2L;
  });
  KeelOriginDialog dialog(document_, help_);
  auto* xField = dialog.findChild<QLineEdit*>("Edit1");
  auto* yField = dialog.findChild<QLineEdit*>("Edit2");
  ASSERT_TRUE(xField && yField);
  QString x, y;
  RunModal(dialog, [&] {
    TypeAndLeave(xField, "0.6");  // within the field's (0, 10) either way
    x = xField->text();
    TypeAndLeave(yField, "1.5");
    y = yField->text();
    dialog.findChild<QPushButton*>("OKBtn")->click();
  });
  EXPECT_EQ(x, QLocale().toString(0.6));
  EXPECT_EQ(y, QLocale().toString(1.5));
  EXPECT_NEAR(document_.Door().xk, 0.6, kExact);
  EXPECT_NEAR(document_.Door().yk, 1.5, kExact);
}

TEST_P(GroupedLocaleGui, ValidatedFieldTakesAPointAndTheGroupedNotation) {
  EditTheDoor(document_, [&](DoorInputs& d) {
    d.WaterDensity = 1025;
    d.GroundDensity = 1500;
    d.Bottom = true;
  });
  EnvironmentDialog dialog(document_, help_);
  dialog.AdaptToMode(true);
  long double water = 0;
  long double ground = 0;
  auto* waterField = dialog.findChild<ValidatedField*>("Edit1");
  auto* groundField = dialog.findChild<ValidatedField*>("Edit2");
  ASSERT_TRUE(waterField && groundField);
  const int result = RunModal(dialog, [&] {
    TypeAndLeave(waterField, "1030.5");
    water = waterField->Val();
    // 1 850,25 in the locale's own notation, with its group separator.
    TypeAndLeave(groundField, QLocale().toString(1850.25, 'f', 2));
    ground = groundField->Val();
    dialog.findChild<QPushButton*>("OKBtn")->click();
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_NEAR(water, 1030.5, kExact);
  EXPECT_NEAR(ground, 1850.25, kExact);
  EXPECT_NEAR(document_.Door().WaterDensity, 1030.5, kExact);
  EXPECT_NEAR(document_.Door().GroundDensity, 1850.25, kExact);
}

TEST_P(GroupedLocaleGui, EnterAValueDialogReadsAPointAsTheDecimalPoint) {
  ValueEntryDialog dialog;
  for (const auto& [typed, expected] : {std::pair{"0.6", 0.6}, std::pair{"1.25", 1.25}}) {
    long double value = 3;
    AnswerNextModal([text = typed](QWidget* modal) {
      auto* ask = qobject_cast<ValueEntryDialog*>(modal);
      ASSERT_NE(ask, nullptr);
      QTest::keyClicks(ask->findChild<QLineEdit*>("Edit1"), text);
      ask->findChild<QPushButton*>("OKBtn")->click();
    });
    // Between 0 and 10, default 9: a point read as a group separator would give 6 or 125.
    const long double read = dialog.Ask("Value", "From 0 to 10", value, 0, 10, 9, 10, 3);
    EXPECT_NEAR(read, expected, kExact) << typed;
    EXPECT_NEAR(value, expected, kExact) << typed;
  }
}

const LocaleCase kLocales[] = {
    {"German", QLocale::German, QLocale::Germany},
    {"Russian", QLocale::Russian, QLocale::Russia},
};

INSTANTIATE_TEST_SUITE_P(Locales, GroupedLocaleGui, ::testing::ValuesIn(kLocales),
                         [](const ::testing::TestParamInfo<LocaleCase>& info) {
                           return std::string(info.param.Name);
                         });

}  // namespace
