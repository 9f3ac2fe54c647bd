#include <gtest/gtest.h>

#include <QTabWidget>
#include <functional>
#include <memory>
#include <ostream>

#include "DoorTrimApp.h"
#include "TAboutBox.h"
#include "TAskAny.h"
#include "TBDetail_f.h"
#include "TBalance_f.h"
#include "TEnvir_f.h"
#include "TGround_f.h"
#include "THydro_f.h"
#include "TKGeom_f.h"
#include "TKOrg_f.h"
#include "TMain_f.h"
#include "TProj_f.h"
#include "TRange_f.h"
#include "TTrawl_f.h"
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

class TextFit : public ::testing::TestWithParam<WindowCase> {};

// Every window keeps its texts whole when a translation makes them 40% longer: at its
// default size, with every page of a tabbed window shown in turn.
TEST_P(TextFit, LongerTextsStayWholeAtTheDefaultSize) {
  auto app = std::make_unique<DoorTrimApp>();
  QWidget& window = GetParam().Window(*app);
  LengthenTexts(window);
  QStringList faults = TextsThatDoNotFit(window);
  for (QTabWidget* tabs : window.findChildren<QTabWidget*>())
    for (int page = 1; page < tabs->count(); ++page) {
      tabs->setCurrentIndex(page);
      faults << TextsThatDoNotFit(window);
    }
  window.hide();
  app->Document().SetModified(false);
  EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

// One case per window; a window joins once its layout lets longer texts grow.
INSTANTIATE_TEST_SUITE_P(
    Windows, TextFit,
    ::testing::Values(
        WindowCase{"Projections", [](DoorTrimApp& a) -> QWidget& { return a.Proj(); }},
        WindowCase{"EnterAValue", [](DoorTrimApp& a) -> QWidget& { return a.AskAny(); }},
        WindowCase{"Environment", [](DoorTrimApp& a) -> QWidget& { return a.Envir(); }},
        WindowCase{"Trawl", [](DoorTrimApp& a) -> QWidget& { return a.Trawl(); }},
        WindowCase{"KeelOrigin", [](DoorTrimApp& a) -> QWidget& { return a.KOrg(); }},
        WindowCase{"Hydrodynamic", [](DoorTrimApp& a) -> QWidget& { return a.Hydro(); }},
        WindowCase{"Ground", [](DoorTrimApp& a) -> QWidget& { return a.Ground(); }},
        WindowCase{"KeelGeometry", [](DoorTrimApp& a) -> QWidget& { return a.KGeom(); }},
        WindowCase{"Range", [](DoorTrimApp& a) -> QWidget& { return a.Variables().RangeDialog(); }},
        WindowCase{"Main", [](DoorTrimApp& a) -> QWidget& { return a.Main(); }},
        WindowCase{"Balance", [](DoorTrimApp& a) -> QWidget& { return a.Balance(); }},
        WindowCase{"Details", [](DoorTrimApp& a) -> QWidget& { return a.Detail(); }},
        WindowCase{"About", [](DoorTrimApp& a) -> QWidget& { return a.About(); }}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return info.param.Name; });

}  // namespace
