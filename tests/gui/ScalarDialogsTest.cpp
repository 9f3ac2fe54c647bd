#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>

#include "DoorDocument.h"
#include "EnvironmentDialog.h"
#include "HelpBrowser.h"
#include "KeelOriginDialog.h"
#include "TrawlDialog.h"
#include "ValidatedField.h"
#include "gui/DoorChanges.h"
#include "gui/MessageBoxScript.h"
#include "model/TBoard.h"

namespace {

// Values stored from a field text or a field's Val: exact up to the text conversion.
constexpr double kTol = 1e-12;
// Centring: the window system may shift a frame by a pixel or two.
constexpr int kCentreSlack = 2;

// Runs `dialog` modally; once it is the active modal window and has the focus, `answer`
// acts on it. A dialog the answer left open is cancelled, so a failed step cannot hang.
int RunModal(QDialog& dialog, std::function<void()> answer) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [&dialog, answer, poll]() {
    if (QApplication::activeModalWidget() != &dialog || !dialog.isVisible()) {
      QTimer::singleShot(10, *poll);
      return;
    }
    *poll = nullptr;  // break the self-reference
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    answer();
    if (dialog.isVisible()) dialog.reject();
  };
  QTimer::singleShot(0, *poll);
  return dialog.exec();
}

// Replaces the text of `field` as a user would and leaves it with Tab.
void TypeAndLeave(QLineEdit* field, const QString& typed) {
  QTest::mouseClick(field, Qt::LeftButton);
  ASSERT_TRUE(field->hasFocus());
  field->selectAll();
  QTest::keyClicks(field, typed);
  QTest::keyClick(field, Qt::Key_Tab);
  EXPECT_FALSE(field->hasFocus());
}

template <typename T>
T* Find(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

bool ShownOn(QWidget* widget, QWidget& dialog) {
  return widget->isVisibleTo(&dialog);
}

class ScalarDialogs : public ::testing::Test {
 protected:
  DoorDocument document_;
  HelpBrowser help_;

  // The three buttons, OK focused while shown, the dialog centred, and Help opening the
  // hydrodynamics topic.
  void CheckCommonParts(QDialog& dialog) {
    auto* ok = Find<QPushButton>(dialog, "OKBtn");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(Find<QPushButton>(dialog, "CancelBtn")->text(), "Cancel");
    auto* helpBtn = Find<QPushButton>(dialog, "HelpBtn");
    ASSERT_NE(helpBtn, nullptr);
    EXPECT_EQ(helpBtn->text(), "Help");
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());

    bool okFocused = false;
    QPoint centre, screenCentre;
    RunModal(dialog, [&] {
      okFocused = dialog.focusWidget() == ok;
      centre = dialog.frameGeometry().center();
      screenCentre = dialog.screen()->availableGeometry().center();
      Find<QPushButton>(dialog, "CancelBtn")->click();
    });
    EXPECT_TRUE(okFocused);
    EXPECT_LE(std::abs(centre.x() - screenCentre.x()), kCentreSlack);
    EXPECT_LE(std::abs(centre.y() - screenCentre.y()), kCentreSlack);

    helpBtn->click();
    QApplication::processEvents();
    EXPECT_TRUE(help_.isVisible());
    EXPECT_TRUE(help_.findChild<QTextBrowser*>("HelpText")
                    ->source()
                    .toString()
                    .contains("doors_hydro.html"));
    help_.close();
  }
};

// --- Environment -------------------------------------------------------------------------

TEST_F(ScalarDialogs, EnvironmentLayoutAndDesignValues) {
  EditTheDoor(document_, [&](DoorInputs& d) { d.WaterDensity = 1025; });
  EnvironmentDialog dialog(document_, help_);
  EXPECT_EQ(dialog.objectName(), "Envir_f");
  EXPECT_EQ(dialog.windowTitle(), "Environment");

  auto* water = Find<QLabel>(dialog, "Label1");
  EXPECT_TRUE(water->autoFillBackground());
  EXPECT_EQ(water->palette().color(QPalette::Window), QColor(0, 64, 128));
  EXPECT_EQ(water->palette().color(QPalette::WindowText), QColor(Qt::white));
  for (const char* ground : {"Label2", "Label3"}) {
    auto* label = Find<QLabel>(dialog, ground);
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(128, 128, 128)) << ground;
  }

  struct Expected {
    const char* name;
    long double max, fallback;
    int precision;
    long double initial;
    const char* hint;
  };
  for (const Expected& e : {Expected{"Edit1", 10000, 1000, 3, 1034, "Density of Water, [kg/m^3]"},
                            Expected{"Edit2", 10000, 2000, 3, 2000, "Density of Ground, [kg/m^3]"},
                            Expected{"Edit3", 100, 0.35L, 5, 0.35L,
                                     "Coefficient of force out from ground,  [cm^3/newton]"}}) {
    auto* field = Find<ValidatedField>(dialog, e.name);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->ValMin(), 0.0L) << e.name;
    EXPECT_EQ(field->ValMax(), e.max) << e.name;
    EXPECT_TRUE(field->ValMinIncl() && field->ValMaxIncl() && field->ValCheck()) << e.name;
    EXPECT_EQ(field->ValDefault(), e.fallback) << e.name;
    EXPECT_EQ(field->ValPrecision(), e.precision) << e.name;
    // Design values until the first showing, whatever the model holds.
    EXPECT_EQ(field->Val(), e.initial) << e.name;
    EXPECT_EQ(field->toolTip(), e.hint) << e.name;
  }
  EXPECT_EQ(Find<QLineEdit>(dialog, "Edit1")->text(), "1034");

  CheckCommonParts(dialog);
  EXPECT_EQ(Find<ValidatedField>(dialog, "Edit1")->Val(),
            1025.0L);  // filled from the model when shown
}

TEST_F(ScalarDialogs, EnvironmentAdaptsToTheMode) {
  EnvironmentDialog dialog(document_, help_);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  auto* waterLabel = Find<QLabel>(dialog, "Label1");
  auto* waterField = Find<QLineEdit>(dialog, "Edit1");
  int waterTop[2] = {0, 0};
  for (const bool bottom : {false, true}) {
    dialog.AdaptToMode(bottom);
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(ShownOn(Find<QLabel>(dialog, "Image1"), dialog), bottom);
    EXPECT_EQ(ShownOn(Find<QLabel>(dialog, "Image2"), dialog), !bottom);
    for (QWidget* groundRow : std::initializer_list<QWidget*>{
             Find<QLabel>(dialog, "Label2"), Find<QLabel>(dialog, "Label3"),
             Find<QLineEdit>(dialog, "Edit2"), Find<QLineEdit>(dialog, "Edit3")})
      EXPECT_EQ(ShownOn(groundRow, dialog), bottom) << groundRow->objectName().toStdString();
    EXPECT_TRUE(ShownOn(waterLabel, dialog));
    EXPECT_TRUE(ShownOn(waterField, dialog));
    // The field beside its caption, on one row.
    const int fieldMiddle = waterField->geometry().center().y();
    EXPECT_GE(fieldMiddle, waterLabel->geometry().top());
    EXPECT_LE(fieldMiddle, waterLabel->geometry().bottom());
    waterTop[bottom ? 1 : 0] = waterLabel->y();
  }
  // Midwater trawling has no sea bed: the water row moves down into the middle.
  EXPECT_GT(waterTop[0], waterTop[1]);
}

TEST_F(ScalarDialogs, EnvironmentMidwaterOkStoresAllThreeFields) {
  // A ground density outside the field's interval, as a data file may hold, is replaced
  // by the field's fallback when shown; the hidden ground rows are stored all the same.
  EditTheDoor(document_, [&](DoorInputs& d) {
    d.WaterDensity = 1025;
    d.GroundDensity = 20000;
    d.GroundCoef = 0.5L;
    d.Bottom = false;  // the dialog shows the rows of the door's mode
  });
  KeepTheDoorAsSaved(document_);
  EnvironmentDialog dialog(document_, help_);
  MessageBoxScript boxes;  // the ground density out of the field's interval is told
  bool onlyWaterRow = false;
  const int result = RunModal(dialog, [&] {
    onlyWaterRow = Find<QLineEdit>(dialog, "Edit1")->isVisible() &&
                   Find<QLabel>(dialog, "Label1")->isVisible() &&
                   !Find<QLineEdit>(dialog, "Edit2")->isVisible() &&
                   !Find<QLineEdit>(dialog, "Edit3")->isVisible() &&
                   !Find<QLabel>(dialog, "Label2")->isVisible() &&
                   !Find<QLabel>(dialog, "Label3")->isVisible();
    TypeAndLeave(Find<QLineEdit>(dialog, "Edit1"), "1030");
    Find<QPushButton>(dialog, "OKBtn")->click();
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_TRUE(onlyWaterRow);
  ASSERT_EQ(boxes.Asked().size(), 1u);
  const QString message = boxes.Asked()[0].Text;
  EXPECT_TRUE(message.contains("Edit2Value is out of range: [0..10000]")) << message.toStdString();
  EXPECT_NEAR(document_.Door().WaterDensity, 1030, kTol);
  EXPECT_NEAR(document_.Door().GroundDensity, 2000, kTol);
  EXPECT_NEAR(document_.Door().GroundCoef, 0.5, kTol);
  EXPECT_TRUE(document_.IsModified());
}

TEST_F(ScalarDialogs, EnvironmentWaterDensityOutOfRangeGivesTheFallback) {
  EditTheDoor(document_, [&](DoorInputs& d) { d.WaterDensity = 1025; });
  EnvironmentDialog dialog(document_, help_);
  dialog.AdaptToMode(true);
  MessageBoxScript boxes;
  QString shownAfter;
  RunModal(dialog, [&] {
    TypeAndLeave(Find<QLineEdit>(dialog, "Edit1"), "20000");
    shownAfter = Find<QLineEdit>(dialog, "Edit1")->text();
    Find<QPushButton>(dialog, "OKBtn")->click();
  });
  ASSERT_EQ(boxes.Asked().size(), 1u);
  const QString message = boxes.Asked()[0].Text;
  EXPECT_TRUE(message.startsWith("Density of Water, [kg/m^3]\r\r")) << message.toStdString();
  EXPECT_TRUE(message.endsWith(" : Edit1Value is out of range: [0..10000]"))
      << message.toStdString();
  EXPECT_EQ(shownAfter, "1000");
  EXPECT_NEAR(document_.Door().WaterDensity, 1000, kTol);
}

TEST_F(ScalarDialogs, EnvironmentCancelWritesNothing) {
  EditTheDoor(document_, [&](DoorInputs& d) {
    d.WaterDensity = 1025;
    d.GroundDensity = 1800;
  });
  KeepTheDoorAsSaved(document_);
  EnvironmentDialog dialog(document_, help_);
  const int result = RunModal(dialog, [&] {
    TypeAndLeave(Find<QLineEdit>(dialog, "Edit1"), "1050");
    TypeAndLeave(Find<QLineEdit>(dialog, "Edit2"), "1900");
    Find<QPushButton>(dialog, "CancelBtn")->click();
  });
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_EQ(document_.Door().WaterDensity, 1025.0L);
  EXPECT_EQ(document_.Door().GroundDensity, 1800.0L);
  EXPECT_FALSE(document_.IsModified());
}

// --- Influence of trawl ----------------------------------------------------------------------

TEST_F(ScalarDialogs, TrawlLayout) {
  TrawlDialog dialog(document_, help_);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(dialog.objectName(), "Trawl_f");
  EXPECT_EQ(dialog.windowTitle(), "Influence of trawl");
  // Horizontal projection top right, vertical bottom left, each under its caption.
  auto* horizontal = Find<QLineEdit>(dialog, "Edit1");
  auto* vertical = Find<QLineEdit>(dialog, "Edit2");
  const QPoint h = horizontal->mapTo(&dialog, QPoint(0, 0));
  const QPoint v = vertical->mapTo(&dialog, QPoint(0, 0));
  EXPECT_GT(h.x(), dialog.width() / 2);
  EXPECT_LT(h.y(), dialog.height() / 2);
  EXPECT_LT(v.x(), dialog.width() / 2);
  EXPECT_GT(v.y(), dialog.height() / 2);
  EXPECT_EQ(Find<QLabel>(dialog, "Label1")->text(),
            "Bridle attack angle\n(horizontal projection), deg");
  EXPECT_EQ(Find<QLabel>(dialog, "Label2")->text(),
            "Bridle attack angle\n(vertical projection), deg");
  EXPECT_LT(Find<QLabel>(dialog, "Label1")->geometry().bottom(), horizontal->y());
  EXPECT_LT(Find<QLabel>(dialog, "Label2")->geometry().bottom(), vertical->y());
  dialog.hide();
  CheckCommonParts(dialog);
}

TEST_F(ScalarDialogs, TrawlAnglesOutsideTheOpenIntervalsGiveTheFallbacks) {
  EditTheDoor(document_, [&](DoorInputs& d) {
    d.BridleAngleH = 15;
    d.BridleAngleV = 5;
  });
  KeepTheDoorAsSaved(document_);
  TrawlDialog dialog(document_, help_);
  QStringList horizontal, vertical;
  RunModal(dialog, [&] {
    for (const char* typed : {"90", "89", "0", "45.5"}) {
      TypeAndLeave(Find<QLineEdit>(dialog, "Edit1"), typed);
      horizontal << Find<QLineEdit>(dialog, "Edit1")->text();
    }
    for (const char* typed : {"-89", "-30"}) {
      TypeAndLeave(Find<QLineEdit>(dialog, "Edit2"), typed);
      vertical << Find<QLineEdit>(dialog, "Edit2")->text();
    }
    Find<QPushButton>(dialog, "OKBtn")->click();
  });
  EXPECT_EQ(horizontal, QStringList({"10", "10", "10", "45.5"}));
  EXPECT_EQ(vertical, QStringList({"-5", "-30"}));
  EXPECT_NEAR(document_.Door().BridleAngleH, 45.5, kTol);
  EXPECT_NEAR(document_.Door().BridleAngleV, -30, kTol);
  EXPECT_TRUE(document_.IsModified());
}

TEST_F(ScalarDialogs, TrawlOkWithoutTypingWritesNothing) {
  // More decimals than shown: storing the shown texts would round them.
  EditTheDoor(document_, [&](DoorInputs& d) {
    d.BridleAngleH = 12.34567L;
    d.BridleAngleV = -7.89012L;
  });
  TrawlDialog dialog(document_, help_);
  // Changed after creation: the showing writes new texts.
  EditTheDoor(document_, [](DoorInputs& d) { d.BridleAngleH = 23.45678L; });
  KeepTheDoorAsSaved(document_);
  QString shownH, shownV;
  const int result = RunModal(dialog, [&] {
    shownH = Find<QLineEdit>(dialog, "Edit1")->text();
    shownV = Find<QLineEdit>(dialog, "Edit2")->text();
    Find<QPushButton>(dialog, "OKBtn")->click();
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(shownH, "23.457");
  EXPECT_EQ(shownV, "-7.89");
  EXPECT_EQ(document_.Door().BridleAngleH, 23.45678L);
  EXPECT_EQ(document_.Door().BridleAngleV, -7.89012L);
  EXPECT_FALSE(document_.IsModified());
}

TEST_F(ScalarDialogs, TrawlCancelWritesNothing) {
  EditTheDoor(document_, [&](DoorInputs& d) { d.BridleAngleH = 15; });
  KeepTheDoorAsSaved(document_);
  TrawlDialog dialog(document_, help_);
  RunModal(dialog, [&] {
    TypeAndLeave(Find<QLineEdit>(dialog, "Edit1"), "30");
    Find<QPushButton>(dialog, "CancelBtn")->click();
  });
  EXPECT_EQ(document_.Door().BridleAngleH, 15.0L);
  EXPECT_FALSE(document_.IsModified());
}

// --- Keel position ---------------------------------------------------------------------------

TEST_F(ScalarDialogs, KeelLayout) {
  KeelOriginDialog dialog(document_, help_);
  EXPECT_EQ(dialog.objectName(), "KOrg_f");
  EXPECT_EQ(dialog.windowTitle(), "Keel position");
  auto* picture = Find<QLabel>(dialog, "Image1");
  const int pictureRight = picture->mapTo(&dialog, QPoint(picture->width(), 0)).x();
  // The fields in a column right of the picture, each beside its label, the buttons below.
  const char* labels[] = {"Label1", "Label2", "Label3"};
  const char* texts[] = {"X keel:", "Y keel:", "Z keel:"};
  const char* hints[] = {"Abscissa of keel origin point, [m]", "Ordinata of keel origin point, [m]",
                         "Applicata of keel origin point, [m]"};
  const char* edits[] = {"Edit1", "Edit2", "Edit3"};
  int lastTop = -1;
  for (int i = 0; i < 3; ++i) {
    auto* label = Find<QLabel>(dialog, labels[i]);
    auto* edit = Find<QLineEdit>(dialog, edits[i]);
    EXPECT_EQ(label->text(), texts[i]);
    EXPECT_EQ(edit->toolTip(), hints[i]);
    EXPECT_GT(label->x(), pictureRight);
    EXPECT_GT(edit->x(), label->x());
    EXPECT_GT(edit->y(), lastTop);
    EXPECT_EQ(edit->x(), Find<QLineEdit>(dialog, "Edit1")->x());
    lastTop = edit->y();
  }
  for (QPushButton* button :
       {Find<QPushButton>(dialog, "OKBtn"), Find<QPushButton>(dialog, "CancelBtn"),
        Find<QPushButton>(dialog, "HelpBtn")}) {
    EXPECT_GT(button->x(), pictureRight);
    EXPECT_GT(button->y(), lastTop);
  }
  CheckCommonParts(dialog);
}

TEST_F(ScalarDialogs, KeelCoordinatesOutsideTheOpenIntervalGiveTheFallbacks) {
  EditTheDoor(document_, [&](DoorInputs& d) {
    d.xk = 1.5L;
    d.yk = 0.2L;
    d.zk = 0.1L;
  });
  KeepTheDoorAsSaved(document_);
  KeelOriginDialog dialog(document_, help_);
  QString x, y, z;
  RunModal(dialog, [&] {
    TypeAndLeave(Find<QLineEdit>(dialog, "Edit2"), "-0.5");
    y = Find<QLineEdit>(dialog, "Edit2")->text();
    TypeAndLeave(Find<QLineEdit>(dialog, "Edit1"), "10");
    x = Find<QLineEdit>(dialog, "Edit1")->text();
    TypeAndLeave(Find<QLineEdit>(dialog, "Edit3"), "0.25");
    z = Find<QLineEdit>(dialog, "Edit3")->text();
    Find<QPushButton>(dialog, "OKBtn")->click();
  });
  EXPECT_EQ(y, "0");
  EXPECT_EQ(x, "1");
  EXPECT_EQ(z, "0.25");
  EXPECT_NEAR(document_.Door().xk, 1, kTol);
  EXPECT_NEAR(document_.Door().yk, 0, kTol);
  EXPECT_NEAR(document_.Door().zk, 0.25, kTol);
  EXPECT_TRUE(document_.IsModified());
}

TEST_F(ScalarDialogs, KeelShownAfterAModelChangeStoresTheShownValues) {
  EditTheDoor(document_, [&](DoorInputs& d) {
    d.xk = 1.5L;
    d.yk = 0.2L;
    d.zk = 0.1L;
  });
  KeelOriginDialog dialog(document_, help_);
  // A data file read since the dialog was created.
  EditTheDoor(document_, [&](DoorInputs& d) {
    d.xk = 2.34567L;
    d.yk = 0.1237L;
    d.zk = 0.5L;
  });
  KeepTheDoorAsSaved(document_);
  RunModal(dialog, [&] { Find<QPushButton>(dialog, "OKBtn")->click(); });
  EXPECT_NEAR(document_.Door().xk, 2.346, kTol);
  EXPECT_NEAR(document_.Door().yk, 0.124, kTol);
  EXPECT_NEAR(document_.Door().zk, 0.5, kTol);
  EXPECT_TRUE(document_.IsModified());
}

TEST_F(ScalarDialogs, KeelShownUnchangedOkWritesNothing) {
  EditTheDoor(document_, [&](DoorInputs& d) { d.xk = 2.34567L; });
  KeepTheDoorAsSaved(document_);
  KeelOriginDialog dialog(document_, help_);
  RunModal(dialog, [&] { Find<QPushButton>(dialog, "OKBtn")->click(); });
  EXPECT_EQ(document_.Door().xk, 2.34567L);
  EXPECT_FALSE(document_.IsModified());
}

TEST_F(ScalarDialogs, KeelCancelWritesNothing) {
  EditTheDoor(document_, [&](DoorInputs& d) { d.xk = 1.5L; });
  KeepTheDoorAsSaved(document_);
  KeelOriginDialog dialog(document_, help_);
  const int result = RunModal(dialog, [&] {
    TypeAndLeave(Find<QLineEdit>(dialog, "Edit1"), "3");
    Find<QPushButton>(dialog, "CancelBtn")->click();
  });
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_EQ(document_.Door().xk, 1.5L);
  EXPECT_FALSE(document_.IsModified());
}

}  // namespace
