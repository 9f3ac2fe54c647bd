#include <gtest/gtest.h>

#include <QLineEdit>
#include <memory>
#include <set>

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
#include "SweepWindow.h"
#include "TargetWindow.h"
#include "TrawlDialog.h"
#include "VariableBindings.h"
#include "VariableSolveDialog.h"
#include "gui/ShownTexts.h"
#include "lang/LanguageClasses.h"
#include "lang/TranslatedForms.h"

// The language files against the windows: a control added with a caption or a hint but
// without an entry in every file, or an entry left behind for a control that is gone, fails
// here.
namespace {

class LanguageCompleteness : public testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    app_ = std::make_unique<DoorTrimApp>();
    // The solve dialog lives only while it is open: one for a variable.
    app_->Variables().Bind(variable_, app_->Proj().findChild<QLineEdit*>("Edit_G"));
    solve_ = std::make_unique<VariableSolveDialog>(
        variable_, app_->Document(), app_->Help(), [](long double) { return XYZ(); }, [] {},
        &app_->Balance());
    sweep_ = std::make_unique<SweepWindow>(app_->Balance().Model(), app_->Document(), app_->Help(),
                                           &app_->Balance());
    forms_ = {&app_->Main(),
              &app_->Balance(),
              &app_->Detail(),
              &app_->Ground(),
              &app_->Envir(),
              &app_->Hydro(),
              &app_->KGeom(),
              &app_->Proj(),
              &app_->Variables().RangeEditor(),
              solve_.get(),
              &app_->Trawl(),
              sweep_.get(),
              &app_->Balance().Target(),
              &app_->Balance().OperatingMapView(),
              &app_->Detail().Analysis()};
    const LanguageFile file = LanguageFile::Read(LanguageSwitch::FileOf(GetParam()).toStdString());
    sections_ = file.FindSections(kTranslatedForms);
    ASSERT_TRUE(sections_.Ok) << sections_.Message;
  }
  void TearDown() override {
    solve_.reset();
    sweep_.reset();
  }

  std::unique_ptr<DoorTrimApp> app_;
  TVarLink variable_;
  std::unique_ptr<VariableSolveDialog> solve_;
  std::unique_ptr<SweepWindow> sweep_;
  std::vector<QWidget*> forms_;
  LanguageFile::Result sections_;
};

TEST_P(LanguageCompleteness, EveryEntryNamesAControlOfItsWindow) {
  for (std::size_t f = 0; f < forms_.size(); ++f) {
    QWidget& form = *forms_[f];
    ASSERT_EQ(form.objectName().toStdString(), kTranslatedForms[f]);
    for (const LanguageFile::Entry& entry : sections_.Sections[f].Entries)
      EXPECT_NE(LanguageApplier::Of(form).FindComponent(QString::fromStdString(entry.Component)),
                nullptr)
          << kTranslatedForms[f] << "." << entry.Component << " (line " << entry.Line << ")";
  }
}

TEST_P(LanguageCompleteness, EveryControlWithATextHasAnEntryWithAText) {
  for (std::size_t f = 0; f < forms_.size(); ++f) {
    std::map<QString, const LanguageFile::Entry*> entries;
    for (const LanguageFile::Entry& entry : sections_.Sections[f].Entries)
      entries[QString::fromStdString(entry.Component).toLower()] = &entry;
    for (QObject* control : TranslatableControls(*forms_[f])) {
      const std::optional<LanguageClasses::Rule> rule =
          LanguageClasses::RuleFor(LanguageApplier::LanguageClass(*control).toStdString());
      ASSERT_TRUE(rule.has_value());
      // The texts the class lets a file set, as the control shows them now.
      const auto shown = [&](LanguageClasses::Target target) {
        switch (target) {
          case LanguageClasses::Target::Caption:
            return ShownCaption(*control);
          case LanguageClasses::Target::Hint:
            return ShownHint(*control);
          case LanguageClasses::Target::Title:
            return ShownTitle(*control);
          case LanguageClasses::Target::None:
            break;
        }
        return QString();
      };
      const QString caption = shown(rule->CaptionLine);
      const QString hint = shown(rule->HintLine);
      // Texts without two letters in a row (numbers, axes "x:", symbols "G:") are not
      // language.
      const auto isWords = [](const QString& text) {
        int run = 0;
        for (const QChar c : text)
          if ((run = c.isLetter() ? run + 1 : 0) >= 2) return true;
        return false;
      };
      if (!isWords(caption) && !isWords(hint)) continue;
      const QString where = forms_[f]->objectName() + "." + control->objectName() + " \"" +
                            (caption.isEmpty() ? hint : caption) + "\"";
      const auto found = entries.find(control->objectName().toLower());
      if (control->objectName().isEmpty() || found == entries.end()) {
        ADD_FAILURE() << "no entry for " << where.toStdString();
        continue;
      }
      if (isWords(caption)) {
        EXPECT_FALSE(found->second->Caption.empty()) << where.toStdString();
      }
      if (isWords(hint)) {
        EXPECT_FALSE(found->second->Hint.empty()) << where.toStdString();
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Delivered, LanguageCompleteness,
                         testing::Values(LanguageSwitch::English, LanguageSwitch::Russian,
                                         LanguageSwitch::Norwegian),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(
                               kLanguageFileNames[std::size_t(info.param)].substr(5));
                         });

}  // namespace
