#include <gtest/gtest.h>

#include <QAction>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <functional>
#include <memory>
#include <ostream>
#include <tuple>

#include "AboutBox.h"
#include "BalanceDetailsWindow.h"
#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "EnvironmentDialog.h"
#include "GroundEditor.h"
#include "HydrodynamicEditor.h"
#include "KeelGeometryEditor.h"
#include "KeelOriginDialog.h"
#include "LanguageSwitch.h"
#include "MainWindow.h"
#include "OperatingMapWindow.h"
#include "ProjectionsDialog.h"
#include "RangeDialog.h"
#include "SweepWindow.h"
#include "TargetWindow.h"
#include "TrawlDialog.h"
#include "ValueEntryDialog.h"
#include "VariableBindings.h"
#include "gui/TextFit.h"

namespace {

struct WindowCase {
  const char* Name;
  std::function<QWidget&(DoorTrimApp&)> Window;
};
void PrintTo(const WindowCase& c, std::ostream* os) {
  *os << c.Name;
}

// The texts that do not fit, with every page of a tabbed window shown in turn (a tab widget's,
// or a page set switched by a tab bar of its own, as in the projections dialog).
QStringList FaultsOnEveryPage(QWidget& window) {
  QStringList faults = TextsThatDoNotFit(window);
  for (QTabWidget* tabs : window.findChildren<QTabWidget*>())
    for (int page = 1; page < tabs->count(); ++page) {
      tabs->setCurrentIndex(page);
      faults << TextsThatDoNotFit(window);
    }
  for (QTabBar* bar : window.findChildren<QTabBar*>()) {
    if (qobject_cast<QTabWidget*>(bar->parent())) continue;
    for (int page = 1; page < bar->count(); ++page) {
      bar->setCurrentIndex(page);
      faults << TextsThatDoNotFit(window);
    }
    bar->setCurrentIndex(0);
  }
  return faults;
}

class TextFit : public ::testing::TestWithParam<WindowCase> {};

// Every window keeps its texts whole when a translation makes them 40% longer: at its
// default size, with every page of a tabbed window shown in turn.
TEST_P(TextFit, LongerTextsStayWholeAtTheDefaultSize) {
  auto app = std::make_unique<DoorTrimApp>();
  QWidget& window = GetParam().Window(*app);
  LengthenTexts(window);
  QStringList faults = FaultsOnEveryPage(window);
  window.hide();
  EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

// One case per window; a window joins once its layout lets longer texts grow.
const WindowCase kWindows[] = {
    WindowCase{"Projections", [](DoorTrimApp& a) -> QWidget& { return a.Proj(); }},
    WindowCase{"EnterAValue", [](DoorTrimApp& a) -> QWidget& { return a.AskAny(); }},
    WindowCase{"Environment", [](DoorTrimApp& a) -> QWidget& { return a.Envir(); }},
    WindowCase{"Trawl", [](DoorTrimApp& a) -> QWidget& { return a.Trawl(); }},
    WindowCase{"KeelOrigin", [](DoorTrimApp& a) -> QWidget& { return a.KOrg(); }},
    WindowCase{"Hydrodynamic", [](DoorTrimApp& a) -> QWidget& { return a.Hydro(); }},
    WindowCase{"Ground", [](DoorTrimApp& a) -> QWidget& { return a.Ground(); }},
    WindowCase{"KeelGeometry", [](DoorTrimApp& a) -> QWidget& { return a.KGeom(); }},
    WindowCase{"Range", [](DoorTrimApp& a) -> QWidget& { return a.Variables().RangeEditor(); }},
    WindowCase{"Main", [](DoorTrimApp& a) -> QWidget& { return a.Main(); }},
    WindowCase{"Balance", [](DoorTrimApp& a) -> QWidget& { return a.Balance(); }},
    WindowCase{"Details", [](DoorTrimApp& a) -> QWidget& { return a.Detail(); }},
    WindowCase{"Sweep",
               [](DoorTrimApp& a) -> QWidget& {
                 a.Balance().findChild<QAction*>("MnuSweep")->trigger();
                 return *a.Balance().Sweep();
               }},
    WindowCase{"Target", [](DoorTrimApp& a) -> QWidget& { return a.Balance().Target(); }},
    WindowCase{"OperatingMap",
               [](DoorTrimApp& a) -> QWidget& { return a.Balance().OperatingMapView(); }},
    WindowCase{"About", [](DoorTrimApp& a) -> QWidget& { return a.About(); }}};

INSTANTIATE_TEST_SUITE_P(Windows, TextFit, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<WindowCase>& info) {
                           return info.param.Name;
                         });

class TranslatedTextFit : public ::testing::TestWithParam<std::tuple<int, WindowCase>> {};

// The same with the texts of the delivered language files.
TEST_P(TranslatedTextFit, TextsStayWholeAtTheDefaultSize) {
  auto app = std::make_unique<DoorTrimApp>();
  ASSERT_TRUE(app->Language().Switch(std::get<0>(GetParam())));
  QWidget& window = std::get<1>(GetParam()).Window(*app);
  QStringList faults = FaultsOnEveryPage(window);
  window.hide();
  QSettings().remove("Language");
  EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedTextFit,
                         ::testing::Combine(::testing::Values(LanguageSwitch::Russian,
                                                              LanguageSwitch::Norwegian),
                                            ::testing::ValuesIn(kWindows)),
                         [](const ::testing::TestParamInfo<std::tuple<int, WindowCase>>& info) {
                           return std::string(std::get<0>(info.param) == LanguageSwitch::Russian
                                                  ? "Russian"
                                                  : "Norwegian") +
                                  std::get<1>(info.param).Name;
                         });

}  // namespace
