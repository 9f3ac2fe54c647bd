#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <functional>
#include <memory>

#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "LanguageSwitch.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "QtOwnTexts.h"
#include "gui/AppInLanguage.h"
#include "gui/ModalAnswer.h"

// The words around the program's own texts: each language named in its own words, and the
// toolkit's buttons and windows in the language chosen.
namespace {

using InEveryLanguage = AppInLanguage;

// Whatever language is shown, each language is named in its own words, so a user who cannot
// read the one shown still finds theirs.
TEST_P(InEveryLanguage, LanguageMenuNamesEachLanguageInItsOwnWords) {
  const std::pair<const char*, const char*> items[] = {
      {"English1", "English"}, {"Russian1", "Русский"}, {"Norwegian1", "Norsk bokmål"}};
  for (const auto& [name, caption] : items) {
    const auto* item = app_->Main().findChild<QAction*>(name);
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->text().remove('&').toStdString(), caption);
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, InEveryLanguage,
                         testing::Values(LanguageSwitch::English, LanguageSwitch::Russian,
                                         LanguageSwitch::Norwegian),
                         LanguageName);

// The words a real box of the program shows on its buttons, read off the box as the user
// sees it.
struct ButtonWords {
  QString Yes, No, Cancel, Ok;
};

ButtonWords WordsOfAQuestion(QWidget* parent) {
  ButtonWords words;
  AnswerNextModal([&words](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) return;
    const auto text = [box](QMessageBox::StandardButton which) {
      QAbstractButton* button = box->button(which);
      return button == nullptr ? QString() : button->text().remove('&');
    };
    words = {text(QMessageBox::Yes), text(QMessageBox::No), text(QMessageBox::Cancel), {}};
    box->button(QMessageBox::Cancel)->click();
  });
  MessageBoxes::Question(parent, "DoorTrim", "Save Data?",
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  AnswerNextModal([&words](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr || box->button(QMessageBox::Ok) == nullptr) return;
    words.Ok = box->button(QMessageBox::Ok)->text().remove('&');
    box->button(QMessageBox::Ok)->click();
  });
  MessageBoxes::Information(parent, "DoorTrim", "Done");
  return words;
}

class ToolkitTexts : public testing::Test {
 protected:
  void SetUp() override { app_ = std::make_unique<DoorTrimApp>(); }
  void TearDown() override {
    app_.reset();
    QSettings().remove("Language");
  }

  // Prints from the balance window and hands the print preview to `read` before closing it.
  void ReadPrintPreview(const std::function<void(QDialog&)>& read) {
    BalanceWindow& balance = app_->Balance();
    const QMetaObject::Connection watch = QObject::connect(
        &balance, &BalanceWindow::reportPreviewOpened, &balance, [&read](QDialog* preview) {
          read(*preview);
          QMetaObject::invokeMethod(preview, &QDialog::reject, Qt::QueuedConnection);
        });
    balance.show();
    QAction* print = balance.findChild<QAction*>("Print2");
    ASSERT_NE(print, nullptr);
    print->trigger();  // returns once the preview is closed
    balance.hide();
    QObject::disconnect(watch);
  }

  std::unique_ptr<DoorTrimApp> app_;
};

// Russian buttons come from the toolkit's own Russian catalogue, a dependency of the program:
// its absence is a broken installation, not a case to skip.
TEST_F(ToolkitTexts, RussianBoxesHaveRussianButtons) {
  ASSERT_TRUE(QFileInfo::exists(QtOwnTexts::RussianCatalogue()))
      << QtOwnTexts::RussianCatalogue().toStdString()
      << " is missing: install the package qt6-translations-l10n (scripts/lib/common.sh)";
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Russian));
  const ButtonWords words = WordsOfAQuestion(&app_->Main());
  EXPECT_EQ(words.Yes.toStdString(), "Да");
  EXPECT_EQ(words.No.toStdString(), "Нет");
  EXPECT_EQ(words.Cancel.toStdString(), "Отмена");
  EXPECT_FALSE(words.Ok.isEmpty());
}

// Norwegian bokmål, which the toolkit has no catalogue of, takes the words from its file.
TEST_F(ToolkitTexts, NorwegianBoxesTakeTheirButtonsFromTheLanguageFile) {
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Norwegian));
  const ButtonWords words = WordsOfAQuestion(&app_->Main());
  EXPECT_EQ(words.Yes.toStdString(), "Ja");
  EXPECT_EQ(words.No.toStdString(), "Nei");
  EXPECT_EQ(words.Cancel.toStdString(), "Avbryt");
  EXPECT_EQ(words.Ok.toStdString(), "OK");
}

// Back to English, nothing of the language before is left on the buttons.
TEST_F(ToolkitTexts, SwitchingBackToEnglishRemovesTheOtherLanguagesButtons) {
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Russian));
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Norwegian));
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::English));
  const ButtonWords words = WordsOfAQuestion(&app_->Main());
  EXPECT_EQ(words.Yes.toStdString(), "Yes");
  EXPECT_EQ(words.No.toStdString(), "No");
  EXPECT_EQ(words.Cancel.toStdString(), "Cancel");
}

// The print preview's title follows the language.
TEST_F(ToolkitTexts, PrintPreviewTitleFollowsTheLanguage) {
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Norwegian));
  QString title;
  ReadPrintPreview([&title](QDialog& preview) { title = preview.windowTitle(); });
  EXPECT_EQ(title.toStdString(), "DoorTrim: likevektsrapport");
}

// The commands of the print preview's tool bar follow the language as well: Russian from the
// toolkit's catalogue or the file, Norwegian from the file.
TEST_F(ToolkitTexts, PrintPreviewCommandsFollowTheLanguage) {
  const QStringList english = {"Next page",
                               "Previous page",
                               "First page",
                               "Last page",
                               "Fit width",
                               "Fit page",
                               "Zoom in",
                               "Zoom out",
                               "Portrait",
                               "Landscape",
                               "Show single page",
                               "Show facing pages",
                               "Show overview of all pages",
                               "Print",
                               "Page setup"};
  for (const int language : {LanguageSwitch::Russian, LanguageSwitch::Norwegian}) {
    ASSERT_TRUE(app_->Language().Switch(language));
    QStringList commands;
    ReadPrintPreview([&commands](QDialog& preview) {
      for (const QAction* action : preview.findChildren<QAction*>())
        if (!action->text().isEmpty()) commands << QString(action->text()).remove('&');
    });
    ASSERT_GE(commands.size(), english.size()) << "language " << language;
    for (const QString& command : commands)
      EXPECT_FALSE(english.contains(command))
          << "language " << language << ": \"" << command.toStdString() << "\"";
  }
}

}  // namespace
