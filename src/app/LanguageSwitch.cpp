#include "LanguageSwitch.h"

#include <QAction>
#include <QActionGroup>
#include <QSettings>
#include <QTabBar>
#include <array>
#include <filesystem>

#include "AccessibleNames.h"
#include "BalanceAnalysisPanel.h"
#include "BalanceDetailsWindow.h"
#include "BalanceWindow.h"
#include "EnvironmentDialog.h"
#include "GroundEditor.h"
#include "HydrodynamicEditor.h"
#include "KeelGeometryEditor.h"
#include "LanguageApplier.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "OperatingMapWindow.h"
#include "ProjectionsDialog.h"
#include "RangeDialog.h"
#include "RecentDoorsMenu.h"
#include "SingleVariablePanel.h"
#include "TargetWindow.h"
#include "TrawlDialog.h"
#include "VariableBindings.h"
#include "install/DataPaths.h"
#include "lang/MessageTables.h"
#include "lang/TextCatalogue.h"
#include "lang/TranslatedForms.h"

namespace {

const char* const kSettingsKey = "Language";
constexpr std::array<const char*, 3> kMenuItems = {"English1", "Russian1", "Norwegian1"};

}  // namespace

LanguageSwitch::LanguageSwitch(const Windows& windows) : QObject(&windows.Main), windows_(windows) {
  setObjectName("LanguageSwitch");
  // The language in use is marked in the menu.
  auto* languages = new QActionGroup(this);
  for (int language = English; language <= Norwegian; ++language) {
    if (auto* item = windows_.Main.findChild<QAction*>(kMenuItems[std::size_t(language)])) {
      item->setEnabled(true);
      item->setCheckable(true);
      languages->addAction(item);
      connect(item, &QAction::triggered, this, [this, language] { Switch(language); });
    }
  }
  MarkCurrent();
  // The balance window's variable panel shows the hint of the field marked in the
  // projections dialog: it follows once that dialog has its new texts.
  connect(&LanguageApplier::Of(windows_.Projections), &LanguageApplier::OnRead,
          &windows_.VariablePanel, &SingleVariablePanel::RefreshVariableHint);
  NameControls();
}

void LanguageSwitch::NameControls() {
  NameViews();
  for (QWidget* form : LastingForms())
    AccessibleNames::Follow(*form);
}

void LanguageSwitch::NameViews() {
  // Each view of the door is named as the projections dialog's Views menu names it, in the
  // language shown: the picture of the dialog's page, its drawing, and the balance window's
  // view alike.
  const char* const viewItems[] = {"FrontView1", "PlanView1", "SideView1"};
  const char* const projectionViews[][2] = {
      {"Image1", "ScFront"}, {"Image2", "ScPlan"}, {"Image3", "ScSide"}};
  const char* const balanceViews[] = {"ScPic3", "ScPic2", "ScPic1"};
  for (std::size_t view = 0; view < std::size(viewItems); ++view) {
    const auto* item = windows_.Projections.findChild<QAction*>(viewItems[view]);
    if (item == nullptr) continue;
    const QString name = item->text().remove('&');
    for (const char* picture : projectionViews[view])
      if (auto* widget = windows_.Projections.findChild<QWidget*>(picture))
        widget->setAccessibleName(name);
    if (auto* widget = windows_.Balance.findChild<QWidget*>(balanceViews[view]))
      widget->setAccessibleName(name);
  }
}

std::vector<QWidget*> LanguageSwitch::LastingForms() const {
  return {&windows_.Main,         &windows_.Balance,     &windows_.Balance.Details(),
          &windows_.Ground,       &windows_.Environment, &windows_.Hydrodynamic,
          &windows_.KeelGeometry, &windows_.Projections, &windows_.Variables.RangeEditor(),
          &windows_.Trawl};
}

QString LanguageSwitch::FileOf(int language) {
  const std::filesystem::path folder = DataPaths::ForRunningProgram().Languages();
  const std::string_view name = kLanguageFileNames[std::size_t(language)];
  return QString::fromStdString((folder / name).string());
}

void LanguageSwitch::MarkCurrent() {
  for (int language = English; language <= Norwegian; ++language)
    if (auto* item = windows_.Main.findChild<QAction*>(kMenuItems[std::size_t(language)]))
      item->setChecked(language == current_);
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
  // The texts the windows build themselves come from the same file.
  const TextCatalogue::Loaded texts =
      sections ? TextCatalogue::FromFile(file) : TextCatalogue::Loaded{};
  if (!sections || !texts) {
    const std::string& message = sections ? texts.Message : sections.Message;
    const FileProblem& problem = sections ? texts.Problem : sections.Problem;
    // Said in the language still in use.
    const TextCatalogue& said = windows_.Main.Texts();
    MessageBoxes::Critical(&windows_.Main,
                           QString::fromStdString(said.Text(MessageTexts::kLanguageTitle)),
                           QString::fromStdString(problem.Text(said, message)));
    MarkCurrent();  // the mark goes back to the language still in use
    return false;
  }
  LanguageApplier::Of(windows_.Main).SetLangFile(path);
  ApplyAll(sections, texts.Texts);
  qtTexts_.Use(language, file);
  // Names taken from captions, tabs and titles follow once all of them are in the language.
  NameControls();
  current_ = language;
  QSettings().setValue(kSettingsKey, language);
  MarkCurrent();
  return true;
}

void LanguageSwitch::SwitchToRemembered() {
  const int language = QSettings().value(kSettingsKey, int(English)).toInt();
  if (language == Russian || language == Norwegian) Switch(language);
}

void LanguageSwitch::ApplyAll(const LanguageFile::Result& sections, const TextCatalogue& texts) {
  // The windows in the order the sections were asked for.
  QWidget* const forms[] = {&windows_.Main,
                            &windows_.Balance,
                            &windows_.Balance.Details(),
                            &windows_.Ground,
                            &windows_.Environment,
                            &windows_.Hydrodynamic,
                            &windows_.KeelGeometry,
                            &windows_.Projections,
                            &windows_.Variables.RangeEditor(),
                            nullptr,
                            &windows_.Trawl,
                            nullptr,
                            &windows_.Balance.Target(),
                            &windows_.Balance.OperatingMapView(),
                            &windows_.Balance.Details().Analysis()};
  static_assert(std::size(forms) == kTranslatedForms.size());
  const QString langFile = LanguageApplier::Of(windows_.Main).LangFile();
  for (std::size_t i = 0; i < kTranslatedForms.size(); ++i) {
    const LanguageFile::Section& section = sections.Sections[i];
    if (forms[i] == nullptr) {
      // The solve dialog exists only while it is open, the sweep window once first opened:
      // they take their texts when they are made.
      if (kTranslatedForms[i] == "Sweep_f")
        windows_.Balance.SetSweepTranslation(section);
      else
        windows_.VariablePanel.SetTranslation(section);
      continue;
    }
    LanguageApplier& lang = LanguageApplier::Of(*forms[i]);
    lang.SetLangFile(langFile);
    lang.SetTexts(texts);
    lang.Apply(section);
  }
  windows_.Main.SetTexts(texts);
  if (auto* recent = windows_.Main.findChild<RecentDoorsMenu*>()) recent->SetTexts(texts);
  windows_.Balance.SetTexts(texts);
  windows_.Balance.Details().SetTexts(texts);
  windows_.VariablePanel.SetTexts(texts);
  windows_.Ground.SetTexts(texts);
  windows_.Hydrodynamic.SetTexts(texts);
  windows_.KeelGeometry.SetTexts(texts);
  windows_.Variables.SetTexts(texts);
  windows_.Projections.SetTexts(texts);
  SetTabCaptions(texts);
  NameTabScrollButtons(texts);
}

void LanguageSwitch::SetTabCaptions(const TextCatalogue& texts) {
  auto* tabs = windows_.Projections.findChild<QTabBar*>("TabSet1");
  if (tabs == nullptr) return;
  const TextKey captions[] = {ProjTexts::kFrontView, ProjTexts::kPlanView, ProjTexts::kSideView};
  for (int tab = 0; tab < 3 && tab < tabs->count(); ++tab)
    tabs->setTabText(tab, QString::fromStdString(texts.Text(captions[tab])));
}

void LanguageSwitch::NameTabScrollButtons(const TextCatalogue& texts) {
  // A row of tabs too wide for its window gets two buttons that scroll it, which the toolkit
  // names in English only.
  const std::pair<const char*, TextKey> buttons[] = {
      {"ScrollLeftButton", ControlTexts::kScrollLeft},
      {"ScrollRightButton", ControlTexts::kScrollRight}};
  for (QWidget* form : LastingForms())
    for (QTabBar* tabs : form->findChildren<QTabBar*>())
      for (const auto& [name, key] : buttons)
        if (auto* button = tabs->findChild<QWidget*>(name))
          button->setAccessibleName(QString::fromStdString(texts.Text(key)));
}
