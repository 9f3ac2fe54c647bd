#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSettings>
#include <memory>

#include "BalanceDetailsWindow.h"
#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "EnvironmentDialog.h"
#include "GroundEditor.h"
#include "HydrodynamicEditor.h"
#include "KeelGeometryEditor.h"
#include "LanguageSwitch.h"
#include "MainWindow.h"
#include "ProjectionsDialog.h"
#include "RangeDialog.h"
#include "ScPic.h"
#include "SweepWindow.h"
#include "TrawlDialog.h"
#include "VariableBindings.h"
#include "VariableSolveDialog.h"
#include "gui/AppInLanguage.h"

// What a screen reader hears: the names and descriptions the desktop's accessibility
// interface gives for the controls of every window, in every language.
namespace {

QString AccessibleText(QWidget& widget, QAccessible::Text which) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
  return face == nullptr ? QString() : face->text(which);
}

// The control's class and name, for the failure messages.
std::string Described(const QWidget& widget) {
  return (QString(widget.metaObject()->className()) + " " + widget.objectName()).toStdString();
}

// The window's own controls, not those of the windows it owns.
std::vector<QWidget*> OwnControls(QWidget& window) {
  std::vector<QWidget*> controls;
  for (QWidget* child : window.findChildren<QWidget*>()) {
    bool own = !child->isWindow();
    for (QWidget* up = child->parentWidget(); own && up != nullptr && up != &window;
         up = up->parentWidget())
      own = qobject_cast<QDialog*>(up) == nullptr && qobject_cast<QMainWindow*>(up) == nullptr;
    if (own) controls.push_back(child);
  }
  return controls;
}

bool TakesTheKeyboard(const QWidget& widget) {
  return (widget.focusPolicy() & Qt::TabFocus) != 0;
}

// A picture shown for what it means: a label that holds a picture, a drawing surface or graph.
bool IsPicture(const QWidget& widget) {
  if (qobject_cast<const ScPic*>(&widget) != nullptr) return true;
  const auto* label = qobject_cast<const QLabel*>(&widget);
  return label != nullptr && !label->pixmap().isNull();
}

struct Window {
  const char* Name;
  QWidget& (*Of)(DoorTrimApp&);
};

const Window kWindows[] = {
    {"Main", [](DoorTrimApp& a) -> QWidget& { return a.Main(); }},
    {"Balance", [](DoorTrimApp& a) -> QWidget& { return a.Balance(); }},
    {"Details", [](DoorTrimApp& a) -> QWidget& { return a.Detail(); }},
    {"Ground", [](DoorTrimApp& a) -> QWidget& { return a.Ground(); }},
    {"Environment", [](DoorTrimApp& a) -> QWidget& { return a.Envir(); }},
    {"Hydrodynamic", [](DoorTrimApp& a) -> QWidget& { return a.Hydro(); }},
    {"KeelGeometry", [](DoorTrimApp& a) -> QWidget& { return a.KGeom(); }},
    {"Projections", [](DoorTrimApp& a) -> QWidget& { return a.Proj(); }},
    {"Range", [](DoorTrimApp& a) -> QWidget& { return a.Variables().RangeEditor(); }},
    {"Trawl", [](DoorTrimApp& a) -> QWidget& { return a.Trawl(); }},
};

using AccessibleNames = AppInLanguage;

// A screen reader names every control the keyboard reaches, in every window and language.
TEST_P(AccessibleNames, EveryFocusableControlHasAName) {
  for (const Window& window : kWindows) {
    SCOPED_TRACE(window.Name);
    int checked = 0;
    for (QWidget* control : OwnControls(window.Of(*app_))) {
      if (!TakesTheKeyboard(*control)) continue;
      EXPECT_FALSE(AccessibleText(*control, QAccessible::Name).trimmed().isEmpty())
          << Described(*control);
      ++checked;
    }
    EXPECT_GT(checked, 0);
  }
}

// Pictures and graphs say what they show: a name and a description each.
TEST_P(AccessibleNames, EveryPictureAndGraphHasANameAndADescription) {
  int pictures = 0;
  for (const Window& window : kWindows) {
    SCOPED_TRACE(window.Name);
    for (QWidget* control : OwnControls(window.Of(*app_))) {
      if (!IsPicture(*control)) continue;
      EXPECT_FALSE(AccessibleText(*control, QAccessible::Name).trimmed().isEmpty())
          << Described(*control);
      EXPECT_FALSE(AccessibleText(*control, QAccessible::Description).trimmed().isEmpty())
          << Described(*control);
      ++pictures;
    }
  }
  EXPECT_GT(pictures, 10);
}

// The windows made when first needed are named as they are made, and again in the language
// chosen.
TEST_P(AccessibleNames, WindowsMadeLaterHaveNamesToo) {
  TVarLink variable;
  app_->Variables().Bind(variable, app_->Proj().findChild<QLineEdit*>("Edit_G"));
  VariableSolveDialog solve(
      variable, app_->Document(), app_->Help(), [](long double) { return XYZ(); }, [] {},
      &app_->Balance());
  SweepWindow sweep(app_->Balance().Model(), app_->Document(), app_->Help(), &app_->Balance());
  for (QWidget* window : {static_cast<QWidget*>(&solve), static_cast<QWidget*>(&sweep)}) {
    SCOPED_TRACE(window->objectName().toStdString());
    int checked = 0;
    for (QWidget* control : OwnControls(*window)) {
      if (!TakesTheKeyboard(*control)) continue;
      EXPECT_FALSE(AccessibleText(*control, QAccessible::Name).trimmed().isEmpty())
          << Described(*control);
      ++checked;
    }
    EXPECT_GT(checked, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessibleNames,
                         testing::Values(LanguageSwitch::English, LanguageSwitch::Russian,
                                         LanguageSwitch::Norwegian),
                         LanguageName);

// The views of the door are told apart by name: the front, plan and side view, as the Views
// menu names them, in the projections dialog and the balance window alike.
TEST_P(AccessibleNames, TheDoorsViewsAreToldApart) {
  const std::pair<const char*, std::vector<const char*>> views[] = {
      {"FrontView1", {"Image1", "ScFront"}},
      {"PlanView1", {"Image2", "ScPlan"}},
      {"SideView1", {"Image3", "ScSide"}}};
  const char* const balanceViews[] = {"ScPic3", "ScPic2", "ScPic1"};
  QStringList names;
  for (std::size_t v = 0; v < std::size(views); ++v) {
    const auto* item = app_->Proj().findChild<QAction*>(views[v].first);
    ASSERT_NE(item, nullptr);
    const QString name = item->text().remove('&');
    names << name;
    for (const char* picture : views[v].second) {
      auto* widget = app_->Proj().findChild<QWidget*>(picture);
      ASSERT_NE(widget, nullptr) << picture;
      EXPECT_EQ(AccessibleText(*widget, QAccessible::Name), name) << picture;
    }
    auto* view = app_->Balance().findChild<QWidget*>(balanceViews[v]);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(AccessibleText(*view, QAccessible::Name), name) << balanceViews[v];
  }
  EXPECT_EQ(names.removeDuplicates(), 0);
}

// A field's name is its caption in the language chosen, and a picture's description its
// hint: both change with the language.
TEST(AccessibleTexts, FollowTheLanguage) {
  DoorTrimApp app;
  auto* water = app.Envir().findChild<QWidget*>("Edit1");
  auto* planView = app.Balance().findChild<QWidget*>("ScPic2");
  ASSERT_NE(water, nullptr);
  ASSERT_NE(planView, nullptr);
  ASSERT_TRUE(app.Language().Switch(LanguageSwitch::English));
  const QString english = AccessibleText(*water, QAccessible::Name);
  const QString englishView = AccessibleText(*planView, QAccessible::Name);
  ASSERT_TRUE(app.Language().Switch(LanguageSwitch::Russian));
  EXPECT_NE(AccessibleText(*water, QAccessible::Name), english);
  EXPECT_NE(AccessibleText(*planView, QAccessible::Name), englishView);
  QSettings().remove("Language");
}

}  // namespace
