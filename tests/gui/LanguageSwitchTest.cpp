#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "AboutBox.h"
#include "BalanceAnalysisPanel.h"
#include "BalanceDetailsWindow.h"
#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "EnvironmentDialog.h"
#include "GroundEditor.h"
#include "HydrodynamicEditor.h"
#include "KeelGeometryEditor.h"
#include "LanguageApplier.h"
#include "LanguageSwitch.h"
#include "MainWindow.h"
#include "OperatingMapWindow.h"
#include "ProjectionsDialog.h"
#include "RangeDialog.h"
#include "RecentDoorsMenu.h"
#include "SingleVariablePanel.h"
#include "StartOptions.h"
#include "SweepWindow.h"
#include "TargetWindow.h"
#include "TrawlDialog.h"
#include "ValidatedField.h"
#include "VariableBindings.h"
#include "VariableSolveDialog.h"
#include "gui/DoorChanges.h"
#include "gui/MessageBoxScript.h"
#include "gui/ModalAnswer.h"
#include "gui/ShownTexts.h"
#include "install/ProgramVersion.h"
#include "lang/LanguageClasses.h"
#include "lang/MessageTables.h"
#include "lang/TranslatedForms.h"
#include "report/ReportTexts.h"
#include "support/ShippedTexts.h"
#include "support/UsedTextKeys.h"

namespace {

const QString kData = DOORTRIM_TEST_DATA;

// The translated windows that live as long as the program, in the switch's order.
std::vector<QWidget*> LastingForms(DoorTrimApp& app) {
  return {&app.Main(),
          &app.Balance(),
          &app.Detail(),
          &app.Ground(),
          &app.Envir(),
          &app.Hydro(),
          &app.KGeom(),
          &app.Proj(),
          &app.Variables().RangeEditor(),
          &app.Trawl(),
          &app.Balance().Target(),
          &app.Balance().OperatingMapView(),
          &app.Detail().Analysis()};
}

QStringList TabCaptions(ProjectionsDialog& proj) {
  auto* tabs = proj.findChild<QTabBar*>("TabSet1");
  QStringList captions;
  for (int tab = 0; tab < tabs->count(); ++tab)
    captions << tabs->tabText(tab);
  return captions;
}

// A built text of a delivered language file: 0 English, 1 Russian, 2 Norwegian.
std::string In(int language, TextKey key) {
  return ShippedTexts(DOORTRIM_LANGUAGE_FILES, language).Texts.Text(key);
}

QStringList TabCaptionsIn(int language) {
  const TextCatalogue texts = ShippedTexts(DOORTRIM_LANGUAGE_FILES, language).Texts;
  QStringList captions;
  for (const TextKey key : {ProjTexts::kFrontView, ProjTexts::kPlanView, ProjTexts::kSideView})
    captions << QString::fromStdString(texts.Text(key));
  return captions;
}

// Names each text that differs, so that a failure says which control is wrong.
void ExpectSameTexts(const QMap<QString, QString>& actual, const QMap<QString, QString>& expected) {
  EXPECT_EQ(actual.keys(), expected.keys());
  for (auto it = expected.begin(); it != expected.end(); ++it)
    EXPECT_EQ(actual.value(it.key()).toStdString(), it->toStdString()) << it.key().toStdString();
}

class LanguageSwitching : public testing::Test {
 protected:
  void SetUp() override { app_ = std::make_unique<DoorTrimApp>(); }
  void TearDown() override {
    // The next test starts in English, as a new user does.
    QSettings().remove("Language");
  }

  // The message the projections dialog's Variable menu gives without a focused field.
  QString SelectFieldMessage() {
    MessageBoxScript boxes;
    app_->Variables().onSpecifyRangeClicked();
    return boxes.Texts().empty() ? QString() : boxes.Texts().front();
  }

  // The title of the solve dialog as it opens for a marked variable.
  QString SolveDialogTitle() {
    app_->Variables().MarkVariable(app_->Proj().findChild<QLineEdit*>("Edit_G"));
    QString title;
    AnswerNextModal([&title](QWidget* modal) {
      title = modal->windowTitle();
      qobject_cast<QDialog*>(modal)->reject();
    });
    app_->Balance().show();
    QTest::mouseClick(app_->Balance().findChild<QPushButton*>("SolveButton"), Qt::LeftButton);
    app_->Balance().hide();
    return title;
  }

  std::unique_ptr<DoorTrimApp> app_;
};

// Russian from the menu: every entry of every window shows its text where the control's class puts
// it, the tabs read in Russian and so do the program's own messages, in windows created later too.
TEST_F(LanguageSwitching, RussianReachesEveryWindowItsTabsAndItsMessages) {
  const QMap<QString, QString> english = TextsOf(LastingForms(*app_));
  MessageBoxScript boxes;
  auto* russianItem = app_->Main().findChild<QAction*>("Russian1");
  ASSERT_NE(russianItem, nullptr);
  ASSERT_TRUE(russianItem->isEnabled());
  russianItem->trigger();
  EXPECT_TRUE(boxes.Asked().empty());
  EXPECT_EQ(app_->Language().Current(), LanguageSwitch::Russian);
  const LanguageFile::Result russian =
      LanguageFile::Read(LanguageSwitch::FileOf(LanguageSwitch::Russian).toStdString())
          .FindSections(kTranslatedForms);
  ASSERT_TRUE(russian.Ok) << russian.Message;
  const std::vector<QWidget*> forms = LastingForms(*app_);
  const QMap<QString, QString> translated = TextsOf(forms);
  std::size_t form = 0;
  for (std::size_t s = 0; s < kTranslatedForms.size(); ++s) {
    // Open only while solving, or once opened: below.
    if (kTranslatedForms[s] == "SSolve_f" || kTranslatedForms[s] == "Sweep_f") continue;
    QWidget& window = *forms[form++];
    SCOPED_TRACE(window.objectName().toStdString());
    int changed = 0;
    for (const LanguageFile::Entry& entry : russian.Sections[s].Entries) {
      const QObject* control =
          LanguageApplier::Of(window).FindComponent(QString::fromStdString(entry.Component));
      ASSERT_NE(control, nullptr) << entry.Component;
      const std::string className =
          control == &window ? "TForm" : LanguageApplier::LanguageClass(*control).toStdString();
      const LanguageClasses::Texts texts = LanguageClasses::TextsFor(entry, className);
      if (texts.Caption) {
        EXPECT_EQ(ShownCaption(*control).toStdString(), *texts.Caption);
      }
      if (texts.Hint) {
        EXPECT_EQ(ShownHint(*control).toStdString(), *texts.Hint);
      }
      if (texts.Title) {
        EXPECT_EQ(ShownTitle(*control).toStdString(), *texts.Title);
      }
    }
    for (auto it = translated.begin(); it != translated.end(); ++it)
      if (it.key().startsWith(window.objectName() + "/") && english.value(it.key()) != *it)
        ++changed;
    EXPECT_GT(changed, 0);
  }
  EXPECT_EQ(TabCaptions(app_->Proj()), TabCaptionsIn(1));
  EXPECT_EQ(SelectFieldMessage(), QString::fromStdString(In(1, ProjTexts::kSelectVariableFirst)));
  // The validated field's complaint begins with its hint, the enter-a-value box asks in
  // the window's language.
  auto* density = app_->Envir().findChild<ValidatedField*>("Edit1");
  density->setText("20000");
  density->Commit();
  ASSERT_EQ(boxes.Asked().size(), 1u);
  const QString complaint = boxes.Asked()[0].Text;
  EXPECT_TRUE(complaint.startsWith(density->toolTip() + "\r\r")) << complaint.toStdString();
  EXPECT_NE(english.value("Envir_f/Edit1/hint"), density->toolTip());
  QString sensitivityTitle;
  AnswerNextModal([&sensitivityTitle](QWidget* modal) {
    sensitivityTitle = modal->windowTitle();
    qobject_cast<QDialog*>(modal)->reject();
  });
  app_->Balance().findChild<QAction*>("SolverSensitivity")->trigger();
  EXPECT_EQ(sensitivityTitle.toStdString(),
            SolverSensitivityCaption(ShippedTexts(DOORTRIM_LANGUAGE_FILES, 1).Texts));
  const std::string solveTitle = SolveDialogTitle().toStdString();
  EXPECT_EQ(solveTitle, russian.Sections[9].Entries.front().Caption);
  // The sweep window, first opened after the switch, reads Russian: its controls and the
  // texts it builds.
  app_->Balance().findChild<QAction*>("MnuSweep")->trigger();
  SweepWindow* sweep = app_->Balance().Sweep();
  ASSERT_NE(sweep, nullptr);
  EXPECT_EQ(sweep->windowTitle().toStdString(), russian.Sections[11].Entries.front().Caption);
  EXPECT_EQ(sweep->findChild<QComboBox*>("SweepMethod")->itemText(0).toStdString(),
            In(1, SweepTexts::kRelaxation));
  sweep->close();
  // The details window's stability area builds its texts: Russian too.
  EXPECT_EQ(app_->Detail().findChild<QGroupBox*>("StabilityGroup")->title().toStdString(),
            In(1, StabilityTexts::kTitle));
  // The main window's close question and the Recent Doors menu's message.
  ChangeTheDoor(app_->Document());
  app_->Main().close();  // the question is answered Cancel: the window stays
  ASSERT_FALSE(boxes.Texts().empty());
  EXPECT_EQ(boxes.Texts().back().toStdString(), In(1, MainTexts::kSaveData));
  auto* recent = app_->Main().findChild<RecentDoorsMenu*>();
  ASSERT_NE(recent, nullptr);
  recent->Choose(QTemporaryDir().filePath("gone.brd"));
  EXPECT_EQ(boxes.Asked().back().Title.toStdString(), In(1, RecentTexts::kTitle));
}

// Norwegian sets the windows' texts (the variable panel's hint too) and the texts the program
// builds: the messages, the stability area, the sweep window's headings, the close question.
TEST_F(LanguageSwitching, NorwegianReachesTheProgramsOwnMessages) {
  app_->Variables().MarkVariable(app_->Proj().findChild<QLineEdit*>("Edit_G"));
  const QString englishHint = app_->Balance().findChild<QLabel*>("Label21")->toolTip();
  auto* keelSketch = app_->KGeom().findChild<QLabel*>("Image1");
  ASSERT_NE(keelSketch, nullptr);
  const QImage englishSketch = keelSketch->pixmap().toImage();
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Russian));
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Norwegian));
  EXPECT_EQ(SelectFieldMessage().toStdString(), "Velg først et felt som skal være variabel.");
  // The keel sketch is drawn again with its words in Norwegian.
  EXPECT_NE(keelSketch->pixmap().toImage(), englishSketch);
  EXPECT_EQ(TabCaptions(app_->Proj()),
            QStringList({"Sett forfra", "Sett ovenfra", "Sett fra siden"}));
  // The balance window's variable shows the hint of its field in the new language.
  const QString hint = app_->Balance().findChild<QLabel*>("Label21")->toolTip();
  EXPECT_EQ(hint, app_->Proj().findChild<QLabel*>("Label_G")->toolTip());
  EXPECT_NE(hint, englishHint);
  // The details window's stability area.
  auto* stability = app_->Detail().findChild<QGroupBox*>("StabilityGroup");
  ASSERT_NE(stability, nullptr);
  EXPECT_EQ(stability->title().toStdString(), "Stabilitetsmatrise dM/dθ, kN*m per grad");
  // The sweep window's own texts (its headings and status: see the analysis windows' tests).
  app_->Balance().findChild<QAction*>("MnuSweep")->trigger();
  SweepWindow* sweep = app_->Balance().Sweep();
  ASSERT_NE(sweep, nullptr);
  EXPECT_EQ(sweep->findChild<QComboBox*>("SweepMethod")->itemText(0).toStdString(), "Relaksasjon");
  sweep->close();
  // The main window's close question.
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Cancel);
  ChangeTheDoor(app_->Document());
  app_->Main().close();  // answered Cancel: the window stays
  ASSERT_FALSE(boxes.Texts().empty());
  EXPECT_EQ(boxes.Texts().back().toStdString(), "Lagre data?");
}

// Back in English every text is the design text again: the English file sets all that the
// others change, and nothing stays behind from them.
TEST_F(LanguageSwitching, EnglishAfterTheOthersRestoresEveryText) {
  const QString solveTitle = SolveDialogTitle();  // marks a variable: a text set by code
  // The sweep window is open through the switches: it follows each one.
  app_->Balance().findChild<QAction*>("MnuSweep")->trigger();
  std::vector<QWidget*> forms = LastingForms(*app_);
  forms.push_back(app_->Balance().Sweep());
  const QString methodText =
      app_->Balance().Sweep()->findChild<QComboBox*>("SweepMethod")->itemText(1);
  const QMap<QString, QString> design = TextsOf(forms);
  MessageBoxScript boxes;
  for (const int language :
       {LanguageSwitch::Russian, LanguageSwitch::Norwegian, LanguageSwitch::English})
    ASSERT_TRUE(app_->Language().Switch(language));
  EXPECT_TRUE(boxes.Asked().empty());
  ExpectSameTexts(TextsOf(forms), design);
  EXPECT_EQ(app_->Balance().Sweep()->findChild<QComboBox*>("SweepMethod")->itemText(1), methodText);
  EXPECT_EQ(TabCaptions(app_->Proj()), TabCaptionsIn(0));
  EXPECT_EQ(SolveDialogTitle(), solveTitle);
}

// Every window that builds texts of its own follows the language chosen.
class MessageLanguage : public LanguageSwitching, public testing::WithParamInterface<int> {};

TEST_P(MessageLanguage, ReachesEveryWindowThatBuildsTexts) {
  app_->Balance().findChild<QAction*>("MnuSweep")->trigger();  // open before the switch
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Russian));
  ASSERT_TRUE(app_->Language().Switch(GetParam()));
  const TextCatalogue expected = ShippedTexts(DOORTRIM_LANGUAGE_FILES, GetParam()).Texts;
  const std::pair<const char*, const TextCatalogue*> units[] = {
      {"Balance_f", &app_->Balance().Texts()},       {"Ground_f", &app_->Ground().Texts()},
      {"BDetail_f", &app_->Detail().Texts()},        {"Main_f", &app_->Main().Texts()},
      {"Hydro_f", &app_->Hydro().Texts()},           {"KGeom_f", &app_->KGeom().Texts()},
      {"Proj_f", &app_->Variables().Texts()},        {"SSolve_f", &app_->VariablePanel().Texts()},
      {"Sweep_f", &app_->Balance().Sweep()->Texts()}};
  // Every text of the language reaches every window, none left from the language before.
  const std::set<UsedTextKey> keys = UsedTextKeys(DOORTRIM_SOURCES);
  for (const auto& [unit, texts] : units)
    for (const UsedTextKey& used : keys)
      EXPECT_EQ(texts->Text(used.Key()), expected.Text(used.Key())) << unit << " " << used.Name;
  EXPECT_EQ(TabCaptions(app_->Proj()), TabCaptionsIn(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(LanguageSwitch, MessageLanguage,
                         testing::Values(LanguageSwitch::English, LanguageSwitch::Russian,
                                         LanguageSwitch::Norwegian));

// The Russian file with its sections in the opposite order, in `folder`.
QString ReversedRussianFile(const QTemporaryDir& folder) {
  QFile original(LanguageSwitch::FileOf(LanguageSwitch::Russian));
  EXPECT_TRUE(original.open(QIODevice::ReadOnly));
  QStringList lines = QString::fromUtf8(original.readAll()).split('\n');
  const QString header = lines.takeFirst();
  std::vector<QStringList> sections;
  while (lines.size() >= 2 && !lines.front().isEmpty()) {
    const int entries = lines[1].toInt();
    sections.push_back(lines.mid(0, 2 + 3 * entries));
    lines = lines.mid(2 + 3 * entries);
  }
  QStringList reversed{header};
  for (auto section = sections.rbegin(); section != sections.rend(); ++section)
    reversed << *section;
  // The last entry is applied only with a line after its hint line (an empty one here).
  reversed << QString() << QString();
  const QString path = folder.filePath("Door.lru");
  QFile copy(path);
  EXPECT_TRUE(copy.open(QIODevice::WriteOnly));
  copy.write(reversed.join('\n').toUtf8());
  return path;
}

// Each window's section is found wherever it stands in the file.
TEST_F(LanguageSwitching, SectionsInAnotherOrderGiveTheSameTexts) {
  const QMap<QString, QString> english = TextsOf(LastingForms(*app_));
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Russian));
  const QMap<QString, QString> russian = TextsOf(LastingForms(*app_));
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::English));
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  ASSERT_TRUE(
      app_->Language().SwitchWithFile(LanguageSwitch::Russian, ReversedRussianFile(folder)));
  EXPECT_NE(russian, english);
  ExpectSameTexts(TextsOf(LastingForms(*app_)), russian);
}

// The language chosen is the one the program starts in next time.
TEST_F(LanguageSwitching, ChosenLanguageIsTheOneOfTheNextStart) {
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Russian));
  const QString russianFile = app_->Main().findChild<QMenu*>("File1")->title();
  app_.reset();
  app_ = std::make_unique<DoorTrimApp>();
  EXPECT_EQ(app_->Language().Current(), LanguageSwitch::English);
  app_->Start(StartOptions::Parse({"doortrim"}));
  EXPECT_EQ(app_->Language().Current(), LanguageSwitch::Russian);
  EXPECT_EQ(app_->Main().findChild<QMenu*>("File1")->title(), russianFile);
  app_->Main().hide();
}

// A file the switch cannot use: one message naming the file (and the line, where there is
// one), the switch ends, and every text, tab and message language stays as it was.
struct BadFile {
  const char* Name;
  const char* File;  // under the test data
  int Line;          // 0: the message names no line
};
void PrintTo(const BadFile& c, std::ostream* os) {
  *os << c.Name;
}

class UnusableFile : public LanguageSwitching, public testing::WithParamInterface<BadFile> {};

TEST_P(UnusableFile, SaysSoOnceAndChangesNothing) {
  ASSERT_TRUE(app_->Language().Switch(LanguageSwitch::Norwegian));
  const QMap<QString, QString> before = TextsOf(LastingForms(*app_));
  const QStringList tabs = TabCaptions(app_->Proj());
  const QString path = kData + "/lang/" + GetParam().File;
  MessageBoxScript boxes;
  EXPECT_FALSE(app_->Language().SwitchWithFile(LanguageSwitch::Russian, path));
  ASSERT_EQ(boxes.Asked().size(), 1u);
  const QString message = boxes.Asked()[0].Text;
  EXPECT_TRUE(message.contains(path)) << message.toStdString();
  if (GetParam().Line > 0) {
    // Said in the language still in use, Norwegian: "<file>: linje <n>: ...".
    const QString at = QString::fromStdString(In(2, FileProblemTexts::kAtLine))
                           .arg(path, QString::number(GetParam().Line), QString());
    EXPECT_TRUE(message.startsWith(at)) << message.toStdString();
  }
  ExpectSameTexts(TextsOf(LastingForms(*app_)), before);
  EXPECT_EQ(TabCaptions(app_->Proj()), tabs);
  EXPECT_EQ(app_->Language().Current(), LanguageSwitch::Norwegian);
  EXPECT_EQ(QSettings().value("Language").toInt(), LanguageSwitch::Norwegian);
  EXPECT_EQ(SelectFieldMessage(), QString::fromStdString(In(2, ProjTexts::kSelectVariableFirst)));
}

INSTANTIATE_TEST_SUITE_P(
    LanguageSwitch, UnusableFile,
    testing::Values(BadFile{"WithoutTheProgramsOwnTexts", "bad_lang_no_text_sections.lru", 0},
                    BadFile{"CountNotANumberAfterAGoodWindow",
                            "bad_lang_count_after_first_form.lru", 11},
                    BadFile{"NotText", "bad_lang_not_utf8.lng", 5},
                    BadFile{"Missing", "no_such_file.lru", 0},
                    BadFile{"CutShort", "bad_lang_truncated.lru", 460},
                    BadFile{"CountPastTheEnd", "bad_lang_count_past_end.lru", 901},
                    BadFile{"NoHeader", "bad_lang_no_header.lru", 1},
                    BadFile{"CutBetweenSections", "bad_lang_cut_between_sections.lru", 0}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.Name); });

// The Language, Picture and Views menus mark the choice in use, and About names the version.
TEST_F(LanguageSwitching, MenusMarkTheChoiceInUse) {
  const auto checked = [](QWidget* in, const char* name) {
    auto* item = in->findChild<QAction*>(name);
    EXPECT_NE(item, nullptr) << name;
    return item != nullptr && item->isCheckable() && item->isChecked();
  };
  EXPECT_TRUE(checked(&app_->Main(), "English1"));
  app_->Main().findChild<QAction*>("Russian1")->trigger();
  EXPECT_TRUE(checked(&app_->Main(), "Russian1"));
  EXPECT_FALSE(checked(&app_->Main(), "English1"));
  EXPECT_FALSE(checked(&app_->Main(), "Norwegian1"));

  // A door that shows the oval drawings marks Oval; another shape moves the mark.
  EXPECT_FALSE(checked(&app_->Main(), "Oval1"));
  ASSERT_TRUE(app_->Main().OpenFile(QString(DOORTRIM_SAMPLE_DOORS) + "/oval.brd"));
  EXPECT_TRUE(checked(&app_->Main(), "Oval1"));
  app_->Main().findChild<QAction*>("Spherical1")->trigger();
  EXPECT_TRUE(checked(&app_->Main(), "Spherical1"));
  EXPECT_FALSE(checked(&app_->Main(), "Oval1"));

  // The projections dialog's view on show.
  auto* tabs = app_->Proj().findChild<QTabBar*>("TabSet1");
  tabs->setCurrentIndex(0);
  EXPECT_TRUE(checked(&app_->Proj(), "FrontView1"));
  app_->Proj().findChild<QAction*>("SideView1")->trigger();
  EXPECT_EQ(tabs->currentIndex(), 2);
  EXPECT_TRUE(checked(&app_->Proj(), "SideView1"));
  EXPECT_FALSE(checked(&app_->Proj(), "FrontView1"));

  auto* version = app_->About().findChild<QLabel*>("ProgramVersion");
  ASSERT_NE(version, nullptr);
  EXPECT_TRUE(version->text().contains(QString::fromUtf8(kProgramVersion)))
      << version->text().toStdString();
}

// Every field of Projections shows its unit beside it, in the language of the hints.
TEST_F(LanguageSwitching, ProjectionFieldsShowTheirUnits) {
  for (const char* field : {"v", "G", "H", "Fs"}) {
    auto* unit = app_->Proj().findChild<QLabel*>(QStringLiteral("Unit_") + field);
    ASSERT_NE(unit, nullptr) << field;
    EXPECT_TRUE(unit->text().startsWith('[') && unit->text().endsWith(']'))
        << field << ": " << unit->text().toStdString();
  }
  EXPECT_EQ(app_->Proj().findChild<QLabel*>("Unit_v")->text(), "[m/sec]");
  app_->Main().findChild<QAction*>("Russian1")->trigger();
  EXPECT_EQ(app_->Proj().findChild<QLabel*>("Unit_v")->text(), "[м/с]");
}

// Each of the environment's captions fits its label's width whole, on one line, so none breaks
// inside its unit ("kg/" over "m^3"), in every language.
TEST_F(LanguageSwitching, EnvironmentCaptionsNeverBreakInsideTheirUnits) {
  for (const char* language : {"English1", "Russian1", "Norwegian1"}) {
    app_->Main().findChild<QAction*>(language)->trigger();
    EnvironmentDialog& envir = app_->Envir();
    envir.show();
    envir.layout()->activate();
    for (const char* name : {"Label1", "Label2", "Label3"}) {
      auto* label = envir.findChild<QLabel*>(name);
      ASSERT_NE(label, nullptr) << name;
      const QFontMetrics metrics(label->font());
      EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text()))
          << language << " " << name << ": " << label->text().toStdString();
    }
    envir.hide();
  }
}

}  // namespace
