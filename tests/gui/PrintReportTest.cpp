// The balance window's Print: the report in a print preview window, built from the program's
// windows as they stand, each linked text printed by the exact class of its control.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "LanguageSwitch.h"
#include "MainWindow.h"
#include "PrintedReport.h"
#include "ProjectionsDialog.h"
#include "ValidatedField.h"
#include "WindowReportSource.h"
#include "model/TBoard.h"
#include "print/LinkedControl.h"
#include "print/PrintTexts.h"

namespace {

class PrintReport : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<DoorTrimApp>();
    ASSERT_TRUE(app_->Main().OpenFile(QString(DOORTRIM_SAMPLE_DOORS) + "/oval.brd"));
    window_ = &app_->Balance();
    window_->show();
    QApplication::processEvents();
    // The preview is closed as soon as it runs, after it has laid out its pages.
    QObject::connect(window_, &BalanceWindow::reportPreviewOpened, window_,
                     [this](QDialog* preview) {
                       QMetaObject::invokeMethod(
                           preview,
                           [this, preview] {
                             const auto* pages = preview->findChild<QPrintPreviewWidget*>();
                             previewPages_.push_back(pages == nullptr ? -1 : pages->pageCount());
                             preview->reject();
                           },
                           Qt::QueuedConnection);
                     });
  }
  void TearDown() override {
    window_->hide();
    app_->Document().SetModified(false);
    QSettings().remove("Language");  // the next test starts in English
    app_.reset();
  }

  void PressPrint() {
    QAction* print = window_->findChild<QAction*>("Print2");
    ASSERT_NE(print, nullptr);
    ASSERT_TRUE(print->isEnabled());
    print->trigger();  // returns once the preview is closed
  }

  const PrintedReport::PageRecord& Page(const std::string& name) {
    for (const auto& page : window_->Report().Pages())
      if (page.Name == name) return page;
    throw std::runtime_error("no page " + name);
  }

  QString FieldText(QWidget* window, const char* name) {
    const auto* field = window->findChild<QLineEdit*>(name);
    return field == nullptr ? QString() : field->text();
  }

  std::unique_ptr<DoorTrimApp> app_;
  BalanceWindow* window_ = nullptr;
  std::vector<int> previewPages_;
};

TEST_F(PrintReport, PreviewShowsTheSevenPagesOfTheWindowsControls) {
  PressPrint();
  ASSERT_EQ(previewPages_, std::vector<int>{7});
  std::vector<std::string> names;
  for (const auto& page : window_->Report().Pages()) {
    names.push_back(page.Name);
    // Every control the pages link to is found in its window.
    EXPECT_FALSE(page.Texts.contains("Empty !!!")) << page.Name;
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Rep", "Rep2", "Rep3", "RepHydro", "RepKeel", "RepKT",
                                             "RepBalance"}));
  // The values as the windows show them.
  const QString gravity = FieldText(&app_->Proj(), "Edit_G");
  EXPECT_FALSE(gravity.isEmpty());
  EXPECT_TRUE(Page("Rep").Texts.contains(gravity));
  EXPECT_TRUE(Page("RepBalance").Texts.contains(FieldText(window_, "Edit13")));
  EXPECT_EQ(Page("RepHydro").TableRows, app_->Board().Inputs().Hydro.Count);
  EXPECT_EQ(Page("RepKT").TableRows, app_->Board().Inputs().Ground.Count);
}

// After a switch to Russian the report's own headings are Russian and the windows' captions
// it copies are the Russian ones of the language file.
TEST_F(PrintReport, AfterARussianSwitchReadsRussian) {
  const QString englishTitle = app_->Proj().windowTitle();
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Russian));
  ASSERT_NE(app_->Proj().windowTitle(), englishTitle);
  PressPrint();
  EXPECT_TRUE(
      Page("RepBalance").Texts.contains(QString::fromUtf8(PrintTexts::kBalancePosition.Russian)));
  EXPECT_FALSE(
      Page("RepBalance").Texts.contains(QString::fromUtf8(PrintTexts::kBalancePosition.English)));
  EXPECT_TRUE(Page("Rep").Texts.contains(QString::fromUtf8(PrintTexts::kGeneralData.Russian)));
}

TEST_F(PrintReport, PrintingTwiceGivesTheSameLayout) {
  PressPrint();
  const std::vector<PrintedReport::PageRecord> first = window_->Report().Pages();
  PressPrint();
  ASSERT_EQ(previewPages_, (std::vector<int>{7, 7}));
  const auto& second = window_->Report().Pages();
  ASSERT_EQ(second.size(), first.size());
  for (std::size_t p = 0; p < first.size(); ++p) {
    ASSERT_EQ(second[p].Pictures.size(), first[p].Pictures.size());
    for (std::size_t i = 0; i < first[p].Pictures.size(); ++i) {
      EXPECT_DOUBLE_EQ(second[p].Pictures[i].Left, first[p].Pictures[i].Left) << first[p].Name;
      EXPECT_DOUBLE_EQ(second[p].Pictures[i].Top, first[p].Pictures[i].Top) << first[p].Name;
      EXPECT_DOUBLE_EQ(second[p].Pictures[i].Width, first[p].Pictures[i].Width) << first[p].Name;
      EXPECT_DOUBLE_EQ(second[p].Pictures[i].Height, first[p].Pictures[i].Height) << first[p].Name;
    }
  }
}

// A control's exact class decides what a linked text prints.
struct ControlCase {
  const char* Name;
  bool HintSource;
  std::string Expected;
};

class LinkedWindowControl : public ::testing::TestWithParam<ControlCase> {};

TEST_P(LinkedWindowControl, PrintsByTheControlsExactClass) {
  QWidget window;
  window.setObjectName("Form_f");
  const auto add = [&window](QWidget* control, const char* name) {
    control->setParent(&window);
    control->setObjectName(name);
    control->setToolTip("Hint");
  };
  add(new QLabel("Caption"), "Label");
  auto* edit = new QLineEdit;
  edit->setText("2.5");
  add(edit, "Edit");
  auto* numeric = new ValidatedField;
  numeric->setText("7");
  add(numeric, "EditF");
  add(new QGroupBox("Group"), "Group");
  auto* on = new QCheckBox("Keel");
  on->setChecked(true);
  add(on, "On");
  add(new QCheckBox("Keel"), "Off");
  add(new QPushButton("Press"), "Button");
  add(new QRadioButton("Choice"), "Choice");
  TBoard door;
  WindowReportSource source(door, {});
  const ControlCase& c = GetParam();
  EXPECT_EQ(LinkLabelText(source.Control("Form_f", c.Name), c.HintSource, "Design"), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, LinkedWindowControl,
    ::testing::Values(ControlCase{"Missing", false, "Empty !!!"},
                      ControlCase{"Label", false, "Caption"}, ControlCase{"Label", true, "Hint"},
                      ControlCase{"Edit", false, "2.5"}, ControlCase{"Edit", true, "Hint 2.5"},
                      ControlCase{"EditF", true, "Hint 7"}, ControlCase{"Group", false, "Group"},
                      ControlCase{"On", false, "Keel: Yes"}, ControlCase{"Off", true, "Keel: No"},
                      ControlCase{"Button", false, "Design"},
                      ControlCase{"Choice", true, "Design"}),
    [](const ::testing::TestParamInfo<ControlCase>& info) {
      return std::string(info.param.Name) + (info.param.HintSource ? "Hint" : "");
    });

}  // namespace
