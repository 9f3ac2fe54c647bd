// Every window's entry field of a door value takes its interval from the model's field limits,
// which a door file, --set and the searches hold the same value to: the window refuses exactly
// what they refuse.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CalculatorLauncher.h"
#include "DisplayFlags.h"
#include "DoorDocument.h"
#include "EnvironmentDialog.h"
#include "HelpBrowser.h"
#include "KeelOriginDialog.h"
#include "ProjectionsDialog.h"
#include "TestTolerances.h"
#include "TrawlDialog.h"
#include "UserLocale.h"
#include "ValidatedField.h"
#include "gui/MessageBoxScript.h"
#include "model/EditableFields.h"
#include "model/FieldLimits.h"
#include "numbers/NumberText.h"

namespace {

enum class Window { Projections, Environment, Trawl, KeelOrigin };

struct WindowField {
  std::string Model;  // the door value's model name
  Window In;
  QString Edit;  // the field's objectName
};

std::vector<WindowField> WindowFields() {
  std::vector<WindowField> fields;
  for (const EditableField& parameter : kMainParams) {
    fields.push_back({std::string(parameter.Name), Window::Projections,
                      "Edit_" + QString::fromLatin1(parameter.Name)});
  }
  fields.push_back({"WaterDensity", Window::Environment, "Edit1"});
  fields.push_back({"GroundDensity", Window::Environment, "Edit2"});
  fields.push_back({"GroundCoef", Window::Environment, "Edit3"});
  fields.push_back({"BridleAngleH", Window::Trawl, "Edit1"});
  fields.push_back({"BridleAngleV", Window::Trawl, "Edit2"});
  fields.push_back({"xk", Window::KeelOrigin, "Edit1"});
  fields.push_back({"yk", Window::KeelOrigin, "Edit2"});
  fields.push_back({"zk", Window::KeelOrigin, "Edit3"});
  return fields;
}

class FieldLimitsWindows : public ::testing::Test {
 protected:
  QDialog& Open(Window window) {
    switch (window) {
      case Window::Projections:
        dialog_ = std::make_unique<ProjectionsDialog>(document_, flags_, help_, calculator_);
        break;
      case Window::Environment:
        dialog_ = std::make_unique<EnvironmentDialog>(document_, help_);
        break;
      case Window::Trawl:
        dialog_ = std::make_unique<TrawlDialog>(document_, help_);
        break;
      case Window::KeelOrigin:
        dialog_ = std::make_unique<KeelOriginDialog>(document_, help_);
        break;
    }
    dialog_->show();
    dialog_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    return *dialog_;
  }

  // Types the value into the field and leaves it; what the field then holds.
  static long double Enter(QLineEdit* field, long double value) {
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, QString::number(static_cast<double>(value), 'f', 0));
    QTest::keyClick(field, Qt::Key_Tab);
    if (auto* validated = qobject_cast<ValidatedField*>(field)) return validated->Val();
    return ReadNumber(field->text().toStdString(), UserNumberLocale());
  }

  DoorDocument document_;
  DisplayFlags flags_;
  HelpBrowser help_;
  CalculatorLauncher calculator_;
  std::unique_ptr<QDialog> dialog_;
};

TEST_F(FieldLimitsWindows, EveryWindowFieldRefusesWhatItsFieldLimitsRefuse) {
  for (const WindowField& named : WindowFields()) {
    SCOPED_TRACE(named.Model);
    const std::optional<FieldLimits> limits = LimitsOfField(named.Model);
    ASSERT_TRUE(limits.has_value());
    QDialog& dialog = Open(named.In);
    auto* field = dialog.findChild<QLineEdit*>(named.Edit);
    ASSERT_NE(field, nullptr) << named.Edit.toStdString();
    MessageBoxScript boxes;
    const long double span = limits->Upper - limits->Lower;
    // Whole numbers, which every field shows as typed.
    const long double inside = std::round(limits->Upper - span / 8);
    EXPECT_NEAR(Enter(field, inside), inside, kExact);
    if (limits->EndsIncluded) {
      EXPECT_NEAR(Enter(field, limits->Upper), limits->Upper, kExact);
      EXPECT_NEAR(Enter(field, limits->Lower), limits->Lower, kExact);
      EXPECT_TRUE(boxes.Asked().empty());
      const long double beyond = std::round(limits->Upper + span / 8);
      EXPECT_NE(Enter(field, beyond), beyond);
      EXPECT_EQ(boxes.Asked().size(), 1u);
    } else {
      // An open end is refused, and the field takes its fallback.
      EXPECT_NEAR(Enter(field, limits->Upper), limits->Fallback.value(), kExact);
      EXPECT_NEAR(Enter(field, limits->Lower), limits->Fallback.value(), kExact);
    }
    dialog.reject();
  }
}

}  // namespace
