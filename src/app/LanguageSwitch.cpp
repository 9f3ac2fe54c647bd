#include "LanguageSwitch.h"

#include <QAction>
#include <QSettings>
#include <QTabBar>
#include <array>
#include <filesystem>

#include "DoorTrimApp.h"
#include "MessageBoxes.h"
#include "RecentDoorsMenu.h"
#include "SingleVariablePanel.h"
#include "TBDetail_f.h"
#include "TBalance_f.h"
#include "TEnvir_f.h"
#include "TGround_f.h"
#include "THydro_f.h"
#include "TKGeom_f.h"
#include "TLang.h"
#include "TMain_f.h"
#include "TProj_f.h"
#include "TRange_f.h"
#include "TTrawl_f.h"
#include "VariableBindings.h"
#include "install/DataPaths.h"
#include "lang/MessageTables.h"
#include "lang/TranslatedForms.h"

namespace {

const char* const kSettingsKey = "Language";
constexpr std::array<const char*, 3> kMenuItems = {"English1", "Russian1", "Norwegian1"};

}  // namespace

LanguageSwitch::LanguageSwitch(DoorTrimApp& app) : QObject(&app.Main()), app_(app) {
  setObjectName("LanguageSwitch");
  for (int language = English; language <= Norwegian; ++language) {
    if (auto* item = app_.Main().findChild<QAction*>(kMenuItems[std::size_t(language)])) {
      item->setEnabled(true);
      connect(item, &QAction::triggered, this, [this, language] { Switch(language); });
    }
  }
  // The balance window's variable panel shows the hint of the field marked in the
  // projections dialog: it follows once that dialog has its new texts.
  connect(&TLang::Of(app_.Proj()), &TLang::OnRead, &app_.VariablePanel(),
          &SingleVariablePanel::RefreshVariableHint);
}

QString LanguageSwitch::FileOf(int language) {
  const std::filesystem::path folder = DataPaths::ForRunningProgram().Languages();
  const std::string_view name = kLanguageFileNames[std::size_t(language)];
  return QString::fromStdString((folder / name).string());
}

bool LanguageSwitch::Switch(int language) {
  if (language < English || language > Norwegian) return false;
  return SwitchWithFile(language, FileOf(language));
}

bool LanguageSwitch::SwitchWithFile(int language, const QString& path) {
  if (language < English || language > Norwegian) return false;
  // Everything is read before anything changes: a switch that cannot finish starts nothing.
  const LanguageFile file = LanguageFile::Read(path.toStdString());
  const LanguageFile::Result sections = file.ReadAllSections(kTranslatedForms);
  if (!sections) {
    MessageBoxes::Critical(&app_.Main(), "Language", QString::fromStdString(sections.Message));
    return false;
  }
  // The texts the windows build themselves are written in English and Russian only.
  const int messageIndex = language == Russian ? 1 : 0;
  TLang::Of(app_.Main()).SetLangFile(path);
  ApplyAll(sections, messageIndex, language);
  current_ = language;
  QSettings().setValue(kSettingsKey, language);
  return true;
}

void LanguageSwitch::SwitchToRemembered() {
  const int language = QSettings().value(kSettingsKey, int(English)).toInt();
  if (language == Russian || language == Norwegian) Switch(language);
}

void LanguageSwitch::ApplyAll(const LanguageFile::Result& sections, int messageIndex,
                              int language) {
  // The windows in the order the sections were asked for.
  QWidget* const forms[] = {&app_.Main(),   &app_.Balance(), &app_.Detail(),
                            &app_.Ground(), &app_.Envir(),   &app_.Hydro(),
                            &app_.KGeom(),  &app_.Proj(),    &app_.Variables().RangeDialog(),
                            nullptr,        &app_.Trawl(),   nullptr};
  static_assert(std::size(forms) == kTranslatedForms.size());
  const QString langFile = TLang::Of(app_.Main()).LangFile();
  for (std::size_t i = 0; i < kTranslatedForms.size(); ++i) {
    const LanguageFile::Section& section = sections.Sections[i];
    if (forms[i] == nullptr) {
      // The solve dialog exists only while it is open, the sweep window once first opened:
      // they take their texts when they are made.
      if (kTranslatedForms[i] == "Sweep_f")
        app_.Balance().SetSweepTranslation(section);
      else
        app_.VariablePanel().SetTranslation(section);
      continue;
    }
    TLang& lang = TLang::Of(*forms[i]);
    lang.SetLangFile(langFile);
    lang.Apply(section);
  }
  app_.Main().SetLanguageIndex(messageIndex);
  if (auto* recent = app_.Main().findChild<RecentDoorsMenu*>())
    recent->SetLanguageIndex(messageIndex);
  app_.Balance().SetLanguageIndex(messageIndex);
  app_.Detail().SetLanguageIndex(messageIndex);
  app_.VariablePanel().SetLanguageIndex(messageIndex);
  app_.Ground().SetLanguageIndex(messageIndex);
  app_.Hydro().SetLanguageIndex(messageIndex);
  app_.KGeom().SetLanguageIndex(messageIndex);
  app_.Variables().SetLanguageIndex(messageIndex);
  SetTabCaptions(messageIndex, language);
}

void LanguageSwitch::SetTabCaptions(int messageIndex, int language) {
  auto* tabs = app_.Proj().findChild<QTabBar*>("TabSet1");
  if (tabs == nullptr) return;
  const TwoLanguageText captions[] = {ProjTexts::kFrontView, ProjTexts::kPlanView,
                                      ProjTexts::kSideView};
  // In Norwegian the tabs read as the Views menu's items, which the file has just set.
  const char* const viewItems[] = {"FrontView1", "PlanView1", "SideView1"};
  for (int tab = 0; tab < 3 && tab < tabs->count(); ++tab) {
    QString caption = QString::fromUtf8(captions[tab].In(messageIndex));
    if (language == Norwegian)
      if (const auto* item = app_.Proj().findChild<QAction*>(viewItems[tab]))
        caption = item->text().remove('&');
    tabs->setTabText(tab, caption);
  }
}
