// A Russian or Norwegian user meets no English word the program could have said in the
// language chosen: every window and dialog the program opens, and the messages that are easy
// to bring up, read through the real language switch and compared word by word with the same
// windows in English.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>

#include "AboutBox.h"
#include "BalanceDetailsWindow.h"
#include "BalanceWindow.h"
#include "CalculatorLauncher.h"
#include "DoorTrimApp.h"
#include "EnvironmentDialog.h"
#include "GroundEditor.h"
#include "HelpBrowser.h"
#include "HydrodynamicEditor.h"
#include "KeelGeometryEditor.h"
#include "KeelOriginDialog.h"
#include "LanguageSwitch.h"
#include "MainWindow.h"
#include "OperatingMapWindow.h"
#include "ProjectionsDialog.h"
#include "RangeDialog.h"
#include "SettingChoice.h"
#include "TargetWindow.h"
#include "TrawlDialog.h"
#include "ValidatedField.h"
#include "VariableBindings.h"
#include "gui/FileDialogScript.h"
#include "gui/MessageBoxScript.h"
#include "gui/ModalAnswer.h"
#include "gui/ReadableTexts.h"
#include "io/DoorFileReader.h"
#include "lang/TranslatedForms.h"
#include "model/CoefTable.h"
#include "support/ShippedTexts.h"

namespace {

const QString kData = DOORTRIM_TEST_DATA;
const std::string kLanguageFolder = DOORTRIM_LANGUAGE_FILES;
// Only a guard against a hang: the visible relaxation ends by itself after its last step.
constexpr int kSearchEndTimeoutMs = 200000;

using Texts = std::map<std::string, QString>;

// The words of the caption and hint lines of a delivered language file (not the section
// and control names, which no user reads).
std::set<QString> WordsOfFile(int language) {
  std::ifstream in(kLanguageFolder + "/" +
                   std::string(kLanguageFileNames[static_cast<std::size_t>(language)]));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  std::set<QString> words;
  std::size_t at = 1;  // after the header
  while (at < lines.size()) {
    if (QString::fromStdString(lines[at]).trimmed().isEmpty()) {
      ++at;
      continue;
    }
    const int count = std::atoi(at + 1 < lines.size() ? lines[at + 1].c_str() : "0");
    at += 2;
    for (int entry = 0; entry < count && at + 2 < lines.size() + 1; ++entry, at += 3)
      for (std::size_t line = at + 1; line <= at + 2 && line < lines.size(); ++line)
        words.merge(LatinWords(QString::fromStdString(lines[line])));
  }
  return words;
}

// The box's buttons as the toolkit labels them in the language installed.
QStringList ButtonTexts(QMessageBox::StandardButtons buttons) {
  QStringList texts;
  QDialogButtonBox box;
  for (uint mask = QMessageBox::FirstButton; mask <= QMessageBox::LastButton; mask <<= 1)
    if ((buttons & mask) != 0)
      texts << box.addButton(static_cast<QDialogButtonBox::StandardButton>(mask))->text();
  return texts;
}

// Reads the texts of every window and dialog of a new program in `language`, switched to
// through the File > Language menu, and of the message boxes the easy paths bring up.
class ProgramInLanguage {
 public:
  explicit ProgramInLanguage(int language) : language_(language) {
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());  // the calculation log is written in the current folder
    app_ = std::make_unique<DoorTrimApp>();
    const char* const items[] = {"English1", "Russian1", "Norwegian1"};
    auto* item = app_->Main().findChild<QAction*>(items[language]);
    if (item != nullptr) item->trigger();
  }
  ~ProgramInLanguage() {
    app_.reset();
    QSettings().remove("Language");  // the next test starts in English
    QDir::setCurrent(previousDir_);
  }

  int Current() const { return app_->Language().Current(); }

  Texts Read() {
    // The keel position dialog speaks English by design, as its picture does.
    ReadableTexts texts({&app_->KOrg()}, {"TextFileWindow.TextFileWindow.title"});
    OpenTheWindowsMadeOnDemand();
    ReadTheSolveDialog(texts);
    // While the balance search runs the editing commands say why they rest.
    BalanceWindow& balance = app_->Balance();
    // Shown step by step, the search runs on while the windows are read.
    balance.findChild<QAction*>("MnuShProces")->trigger();
    QTest::mouseClick(balance.findChild<QPushButton*>("SpeedButton1"), Qt::LeftButton);
    for (QWidget* window : std::initializer_list<QWidget*>{
             &app_->Main(), &balance, &app_->Detail(), &app_->Proj(), &app_->Envir(),
             &app_->Trawl(), &app_->Ground(), &app_->Hydro(), &app_->KGeom(),
             &app_->Variables().RangeEditor(), &app_->About(), &app_->Help()})
      texts.Walk(*window);
    EXPECT_TRUE(
        QTest::qWaitFor([&balance] { return !balance.BalanceRunning(); }, kSearchEndTimeoutMs));
    ReadMessages(texts);
    balance.hide();
    return texts.Texts();
  }

 private:
  void OpenTheWindowsMadeOnDemand() {
    BalanceWindow& balance = app_->Balance();
    balance.SetTextFileOpener([](const QString&) { return false; });  // the log in a window
    balance.show();
    for (const char* item : {"MnuSweep", "ShowLogFile1"})
      if (auto* action = balance.findChild<QAction*>(item)) action->trigger();
  }

  void ReadTheSolveDialog(ReadableTexts& texts) {
    app_->Variables().MarkVariable(app_->Proj().findChild<QLineEdit*>("Edit_G"));
    AnswerNextModal([&texts](QWidget* modal) {
      texts.Walk(*modal);
      qobject_cast<QDialog*>(modal)->reject();
    });
    QTest::mouseClick(app_->Balance().findChild<QPushButton*>("SolveButton"), Qt::LeftButton);
  }

  void ReadMessages(ReadableTexts& texts) {
    MessageBoxScript boxes;
    FileDialogScript files;
    // Each path's boxes are named after it.
    std::size_t read = 0;
    const auto took = [&](const QString& path) {
      for (; read < boxes.Asked().size(); ++read) {
        const MessageBoxRequest& asked = boxes.Asked()[read];
        const QString where = "MessageBox." + path + QString::number(read) + ".";
        texts.Add(where + "title", asked.Title);
        // The field's message names it by its control's name and its parent's, which are no
        // language.
        QString text = asked.Text;
        if (auto* field = qobject_cast<QWidget*>(asked.Parent); field && field->parentWidget())
          text.remove(field->parentWidget()->objectName() + " : " + field->objectName());
        // A file's message names the file and quotes what it found ('TMain_f'): no language.
        text.remove(QRegularExpression("/\\S*"));
        text.remove(QRegularExpression("'[^']*'"));
        texts.Add(where + "text", text);
        const QStringList buttons = ButtonTexts(asked.Buttons);
        for (int button = 0; button < buttons.size(); ++button)
          texts.Add(where + "button" + QString::number(button), buttons[button]);
      }
    };
    // A field refused for its range, and its range asked for with F1.
    EnvironmentDialog& environment = app_->Envir();
    environment.show();
    auto* field = environment.findChild<ValidatedField*>("Edit1");
    if (field != nullptr) {
      field->setText("-1");
      field->Commit();
      took("FieldRefused");
      QTest::keyClick(field, Qt::Key_F1);
      took("FieldRange");
    }
    environment.hide();
    // Run Calculator where no calculator is installed.
    CalculatorLauncher none({"calculator"}, [](const QString&) { return QString(); });
    none.RunCalculator(&app_->Balance());
    took("Calculator");
    // A language file that cannot be used.
    app_->Language().SwitchWithFile(language_, kData + "/lang/bad_lang_truncated.lru");
    took("LanguageFile");
    // A door saved where no file can be made, and over a file made read-only. (The files'
    // names are no words: the paths are taken out of the texts, the names stay.)
    files.Choose(dir_.filePath("x9/d0.brd"));
    if (auto* saveAs = app_->Main().findChild<QAction*>("SaveAs1")) saveAs->trigger();
    took("SaveAs");
    const QString readOnly = dir_.filePath("d1.brd");
    WriteFile(readOnly, "0\n");
    QFile::setPermissions(readOnly, QFile::ReadOwner);
    files.Choose(readOnly);
    if (auto* saveAs = app_->Main().findChild<QAction*>("SaveAs1")) saveAs->trigger();
    took("SaveReadOnly");
    // Door files that cannot be opened: missing, a folder, a FIFO, one too large.
    const QString folder = dir_.filePath("d3.brd");
    QDir().mkdir(folder);
    const QString fifo = dir_.filePath("d4.brd");
    ::mkfifo(fifo.toLocal8Bit().constData(), 0666);
    const QString large = dir_.filePath("d5.brd");
    WriteFile(large, "");
    QFile(large).resize(static_cast<qint64>(DoorFileReader::kMaxFileSize) + 1);
    // And door files with a line that does not read, one of each kind of problem (their
    // tokens and the fields' symbols are the file's, not words).
    const std::pair<const char*, QString> opened[] = {
        {"OpenMissing", dir_.filePath("d2.brd")},
        {"OpenFolder", folder},
        {"OpenFifo", fifo},
        {"OpenLarge", large},
        {"OpenBadNumber", kData + "/bad_param_token.brd"},
        {"OpenLongToken", kData + "/bad_param_token_too_long.brd"},
        {"OpenOutOfField", kData + "/bad_param_beyond_field.brd"},
        {"OpenIntegerOutOfRange", kData + "/bad_mode_out_of_range.brd"},
        {"OpenCutShort", kData + "/bad_ends_before_pictures.brd"},
        {"OpenShortRow", kData + "/bad_hydro_short_row.brd"},
        {"OpenKeysNotIncreasing", kData + "/bad_keel_depths_not_increasing.brd"},
        {"OpenNegativeKey", kData + "/bad_keel_depths_negative.brd"},
        {"OpenTooSmall", kData + "/bad_keel_underflow.brd"}};
    for (const auto& [name, door] : opened) {
      // A door changed by the search is not saved first.
      if (app_->Document().IsModified()) boxes.Answer(QMessageBox::No);
      files.Choose(door);
      if (auto* open = app_->Main().findChild<QAction*>("Open1")) open->trigger();
      took(name);
    }
    for (std::size_t dialog = 0; dialog < files.Asked().size(); ++dialog) {
      const QString where = "FileDialog." + files.Asked()[dialog].ObjectName + ".";
      texts.Add(where + "title", files.Asked()[dialog].Title);
      texts.Add(where + "filter", files.Asked()[dialog].NameFilter);
    }
  }

  static void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  }

  int language_;
  QTemporaryDir dir_;
  QString previousDir_;
  std::unique_ptr<DoorTrimApp> app_;
};

class EnglishLeft : public testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    ProgramInLanguage english(LanguageSwitch::English);
    englishTexts_ = new Texts(english.Read());
    englishWords_ = new std::set<QString>;
    for (const auto& [where, text] : *englishTexts_)
      englishWords_->merge(LatinWords(text));
  }
  static void TearDownTestSuite() {
    delete englishTexts_;
    delete englishWords_;
  }

  static Texts* englishTexts_;
  static std::set<QString>* englishWords_;
};

Texts* EnglishLeft::englishTexts_ = nullptr;
std::set<QString>* EnglishLeft::englishWords_ = nullptr;

TEST_P(EnglishLeft, NoTextHoldsAnEnglishWord) {
  // The check would pass on nothing: the English windows give many texts and words.
  ASSERT_GT(englishTexts_->size(), 500u);
  ASSERT_GT(englishWords_->size(), 300u);
  ProgramInLanguage program(GetParam());
  ASSERT_EQ(program.Current(), GetParam());
  const Texts shown = program.Read();
  // The texts were read while the balance search ran: the editing commands gave its reason.
  const QString lock = QString::fromStdString(
      ShippedTexts(DOORTRIM_LANGUAGE_FILES, GetParam()).Texts.Text(MessageTexts::kSearchLock));
  EXPECT_TRUE(std::any_of(shown.begin(), shown.end(),
                          [&lock](const auto& text) { return text.second.contains(lock); }));
  // What the language's own file writes in Latin letters (symbols, units, the program's
  // name, "English" in the language menu, and in Norwegian its own words that English
  // spells alike: "for", "over") is not a word left untranslated.
  const std::set<QString> kept = WordsOfFile(GetParam());
  // Nor, in the box of a door file that does not read, are the names the file gives its
  // tables and their columns ("KeelGeom", "Angle"): they name the line's record in every
  // language. Elsewhere they are still words to translate.
  std::set<QString> fileNames;
  for (const TableShape* shape : {&kHydroShape, &kGroundShape, &kKeelGeomShape}) {
    fileNames.merge(
        LatinWords(QString::fromUtf8(shape->Name.data(), qsizetype(shape->Name.size()))));
    for (int column = 0; column < shape->ColumnCount; ++column) {
      const std::string_view name = shape->Columns[static_cast<std::size_t>(column)];
      fileNames.merge(LatinWords(QString::fromUtf8(name.data(), qsizetype(name.size()))));
    }
  }
  EXPECT_GT(shown.size(), englishTexts_->size() * 9 / 10);
  for (const auto& [where, text] : shown) {
    QStringList english;
    const bool brokenDoor = where.starts_with("MessageBox.Open");
    for (const QString& word : LatinWords(text))
      if (englishWords_->contains(word) && !kept.contains(word) &&
          !(brokenDoor && fileNames.contains(word)))
        english << word;
    if (!english.isEmpty())
      ADD_FAILURE() << where << " \"" << text.toStdString() << "\" ("
                    << english.join(", ").toStdString() << ")";
  }
}

// The message paths above were all taken: a box that did not come checks nothing.
TEST_P(EnglishLeft, EveryMessagePathWasTaken) {
  for (const char* path :
       {"FieldRefused", "FieldRange", "Calculator", "LanguageFile", "SaveAs", "SaveReadOnly",
        "OpenMissing", "OpenFolder", "OpenFifo", "OpenLarge", "OpenBadNumber", "OpenLongToken",
        "OpenOutOfField", "OpenIntegerOutOfRange", "OpenCutShort", "OpenShortRow",
        "OpenKeysNotIncreasing", "OpenNegativeKey", "OpenTooSmall"}) {
    bool found = false;
    for (const auto& [where, text] : *englishTexts_)
      found = found ||
              (where.starts_with(std::string("MessageBox.") + path) && where.ends_with(".title"));
    EXPECT_TRUE(found) << path;
  }
}

INSTANTIATE_TEST_SUITE_P(Translations, EnglishLeft,
                         testing::Values(LanguageSwitch::Russian, LanguageSwitch::Norwegian),
                         [](const testing::TestParamInfo<int>& info) {
                           return info.param == LanguageSwitch::Russian ? "Russian" : "Norwegian";
                         });

// The target and the operating map list the environment values by their names in the
// language shown; the value chosen is still the field it names, whatever the item reads.
TEST(SettingNames, FollowTheLanguageAndStillChooseTheirField) {
  DoorTrimApp app;
  ASSERT_TRUE(app.Language().Switch(LanguageSwitch::Norwegian));
  const TextCatalogue norwegian = ShippedTexts(DOORTRIM_LANGUAGE_FILES, 2).Texts;
  QWidget& target = app.Balance().Target();
  auto* setting = target.findChild<QComboBox*>("TargetSetting");
  auto* mapX = app.Balance().OperatingMapView().findChild<QComboBox*>("OpMapX");
  ASSERT_NE(setting, nullptr);
  ASSERT_NE(mapX, nullptr);
  const char* const fields[] = {"WaterDensity", "GroundDensity", "GroundCoef", "BridleAngleH",
                                "BridleAngleV"};
  for (std::size_t f = 0; f < std::size(fields); ++f) {
    const QString name = norwegian.Text(SettingTexts::kEnvironment[f]).c_str();
    EXPECT_EQ(setting->itemText(setting->findData(fields[f])), name) << fields[f];
    EXPECT_EQ(mapX->itemText(mapX->findData(fields[f])), name) << fields[f];
  }
  setting->setCurrentIndex(setting->findData("WaterDensity"));
  EXPECT_DOUBLE_EQ(target.findChild<QDoubleSpinBox*>("TargetFrom")->value(),
                   static_cast<double>(app.Document().Door().WaterDensity));
  // The results name the field as the list does; the main parameters keep their symbols,
  // which every language writes alike.
  EXPECT_EQ(SettingChoice::Shown(*setting, "GroundCoef").toStdString(),
            norwegian.Text(SettingTexts::kEnvironment[2]));
  EXPECT_EQ(SettingChoice::Shown(*setting, "zc0"), "zc0");
  EXPECT_GE(setting->findText("zc0"), 0);
  QSettings().remove("Language");  // the next test starts in English
}

}  // namespace
