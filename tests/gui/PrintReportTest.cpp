// The balance window's Print: the report in a print preview window, built from the door as its
// document holds it, its results and the language shown: the same pages as the command line
// prints for the same door.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
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
#include "model/TBoard.h"
#include "support/ShippedTexts.h"

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

TEST_F(PrintReport, PreviewShowsTheSevenPagesOfTheDoor) {
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
  EXPECT_EQ(Page("RepHydro").TableRows, app_->Document().Door().Hydro.Count);
  EXPECT_EQ(Page("RepKT").TableRows, app_->Document().Door().Ground.Count);
}

// After a switch to Russian the report's own headings are Russian and the windows' captions
// it copies are the Russian ones of the language file.
TEST_F(PrintReport, AfterARussianSwitchReadsRussian) {
  const QString englishTitle = app_->Proj().windowTitle();
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Russian));
  ASSERT_NE(app_->Proj().windowTitle(), englishTitle);
  PressPrint();
  EXPECT_TRUE(
      Page("RepBalance")
          .Texts.contains(QString::fromStdString(
              ShippedTexts(DOORTRIM_LANGUAGE_FILES, 1).Texts.Text(PrintTexts::kBalancePosition))));
  EXPECT_FALSE(
      Page("RepBalance")
          .Texts.contains(QString::fromStdString(
              ShippedTexts(DOORTRIM_LANGUAGE_FILES, 0).Texts.Text(PrintTexts::kBalancePosition))));
  EXPECT_TRUE(Page("Rep").Texts.contains(QString::fromStdString(
      ShippedTexts(DOORTRIM_LANGUAGE_FILES, 1).Texts.Text(PrintTexts::kGeneralData))));
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

// The pages carry the door's own values, whatever the dialogs showed last: the environment and
// the keel position of oval.brd, which no dialog has been opened for.
TEST_F(PrintReport, PagesCarryTheFilesEnvironmentAndKeelValues) {
  PressPrint();
  const QStringList& general = Page("Rep").Texts;
  for (const char* value : {"1027", "1700", "0.33"})
    EXPECT_TRUE(general.contains(value)) << value << ": " << general.join(" | ").toStdString();
  for (const char* design : {"1034", "2000", "0.35"})
    EXPECT_FALSE(general.contains(design)) << design;
  EXPECT_TRUE(Page("RepKT").Texts.contains("1.35"))
      << Page("RepKT").Texts.join(" | ").toStdString();
  EXPECT_FALSE(Page("RepKT").Texts.contains("1.5"));
}

// The text of a PDF as a text extractor reads it, the date and time of the printing left out.
QString PdfText(const QString& pdf) {
  QProcess extractor;
  extractor.start("pdftotext", {"-raw", "-enc", "UTF-8", pdf, "-"});
  EXPECT_TRUE(extractor.waitForFinished(60000));
  const QString text = QString::fromUtf8(extractor.readAllStandardOutput());
  static const QRegularExpression date(R"(\b\d{1,2} [A-Z][a-z]{2} \d{4}\b)");
  static const QRegularExpression time(R"(\b\d{2}:\d{2}:\d{2}( [A-Z][A-Za-z+0-9]{1,5})?\b)");
  return QString(text).replace(date, "<date>").replace(time, "<time>");
}

// The window prints the pages the command line prints for the same door: the same texts and
// values in the same order, the same scheme drawings with their labels.
TEST_F(PrintReport, WindowAndCommandLinePrintTheSamePages) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString fromWindow = folder.filePath("window.pdf");
  {
    QPdfWriter writer(fromWindow);
    ASSERT_TRUE(window_->PrintTo(writer));
  }
  const QString fromCli = folder.filePath("cli.pdf");
  QProcess cli;
  cli.start(DOORTRIM_CLI_PATH,
            {"print", QString(DOORTRIM_SAMPLE_DOORS) + "/oval.brd", "--pdf", fromCli});
  ASSERT_TRUE(cli.waitForFinished(60000));
  ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  const QString windowText = PdfText(fromWindow);
  EXPECT_TRUE(windowText.contains("1027"));
  EXPECT_EQ(windowText.toStdString(), PdfText(fromCli).toStdString());
}

}  // namespace
