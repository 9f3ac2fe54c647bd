// Enter (or any other way of pressing OK or Add without leaving the field typed in) must give
// the field the same check that leaving it gives, before anything reaches the door.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "CalculatorLauncher.h"
#include "DisplayFlags.h"
#include "DoorDocument.h"
#include "EnvironmentDialog.h"
#include "GroundEditor.h"
#include "HelpBrowser.h"
#include "HydrodynamicEditor.h"
#include "KeelGeometryEditor.h"
#include "KeelOriginDialog.h"
#include "ProjectionsDialog.h"
#include "TestTolerances.h"
#include "TrawlDialog.h"
#include "gui/DoorChanges.h"
#include "gui/MessageBoxScript.h"
#include "gui/ModalAnswer.h"
#include "model/DoorInputs.h"

namespace {

using DialogFactory = std::function<std::unique_ptr<QDialog>(DoorDocument&, HelpBrowser&)>;

template <class Dialog>
DialogFactory Make() {
  return [](DoorDocument& document, HelpBrowser& help) {
    return std::make_unique<Dialog>(document, help);
  };
}

DialogFactory MakeProjections() {
  static CalculatorLauncher calculator;
  static DisplayFlags flags;
  return [](DoorDocument& document, HelpBrowser& help) {
    return std::make_unique<ProjectionsDialog>(document, flags, help, calculator);
  };
}

// The ways of pressing OK that leave the focus in the field: the two Enter keys, and OK
// pressed by the program, as a shortcut presses it.
struct Press {
  const char* Name;
  bool ByEnter;
  std::function<void(QDialog&, QLineEdit*)> Do;
};
const Press kPresses[] = {
    {"Return", true, [](QDialog&, QLineEdit* field) { QTest::keyClick(field, Qt::Key_Return); }},
    {"Enter", true, [](QDialog&, QLineEdit* field) { QTest::keyClick(field, Qt::Key_Enter); }},
    {"OK pressed", false,
     [](QDialog& dialog, QLineEdit*) { dialog.findChild<QPushButton*>("OKBtn")->click(); }},
};

QLineEdit* Field(QDialog& dialog, const QString& name) {
  auto* field = dialog.findChild<QLineEdit*>(name);
  EXPECT_NE(field, nullptr) << name.toStdString();
  return field;
}

// Shows `dialog` modally and runs `steps` on it once it is active; a dialog the steps left
// open is cancelled, so a failed step cannot hang the test.
int RunModal(QDialog& dialog, const std::function<void()>& steps) {
  AnswerNextModal([&dialog, steps](QWidget* modal) {
    EXPECT_EQ(modal, &dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    steps();
    if (dialog.isVisible()) dialog.reject();
  });
  return dialog.exec();
}

// Clicks into the field and types over its text, staying in it.
void TypeInto(QLineEdit* field, const QString& text) {
  QTest::mouseClick(field, Qt::LeftButton);
  ASSERT_TRUE(field->hasFocus());
  field->selectAll();
  QTest::keyClicks(field, text);
}

// Types into the field and leaves it with Tab, as a user fills the fields that are right.
void TypeAndLeave(QLineEdit* field, const QString& text) {
  TypeInto(field, text);
  QTest::keyClick(field, Qt::Key_Tab);
}

// --- Parameter dialogs: Enter presses OK
// -----------------------------------------------------------

struct FieldCase {
  const char* Dialog;
  DialogFactory Create;
  const char* FieldName;
  const char* Typed;
  long double DoorInputs::*Stored;
  long double Expected;  // what leaving the field would have made of the text
  bool Complains;        // the field says so in a message box
  bool EnterPressesOk = true;
};

const std::vector<FieldCase>& FieldCases() {
  static const std::vector<FieldCase> cases = {
      {"Influence of trawl", Make<TrawlDialog>(), "Edit1", "90", &DoorInputs::BridleAngleH, 10,
       false},
      {"Influence of trawl", Make<TrawlDialog>(), "Edit2", "-89", &DoorInputs::BridleAngleV, -5,
       false},
      {"Keel position", Make<KeelOriginDialog>(), "Edit1", "-5", &DoorInputs::xk, 1, false},
      {"Keel position", Make<KeelOriginDialog>(), "Edit2", "-0.5", &DoorInputs::yk, 0, false},
      {"Keel position", Make<KeelOriginDialog>(), "Edit3", "10", &DoorInputs::zk, 0, false},
      {"Environment", Make<EnvironmentDialog>(), "Edit1", "20000", &DoorInputs::WaterDensity, 1000,
       true},
      {"Environment", Make<EnvironmentDialog>(), "Edit3", "abc", &DoorInputs::GroundCoef, 0.35L,
       false},
      // Enter does nothing in the projections dialog.
      {"Projections", MakeProjections(), "Edit_x0", "20", &DoorInputs::x0, 1.12L, false, false},
      {"Projections", MakeProjections(), "Edit_G", "-5", &DoorInputs::G, 11513, false, false},
  };
  return cases;
}

TEST(CommitChecks, EnterInAParameterDialogStoresWhatLeavingTheFieldGives) {
  for (const FieldCase& c : FieldCases()) {
    for (const Press& press : kPresses) {
      if (press.ByEnter && !c.EnterPressesOk) continue;
      SCOPED_TRACE(testing::Message() << c.Dialog << " " << c.FieldName << " typed " << c.Typed
                                      << " + " << press.Name);
      DoorDocument document;
      HelpBrowser help;
      const std::unique_ptr<QDialog> dialog = c.Create(document, help);
      MessageBoxScript boxes;
      const int result = RunModal(*dialog, [&] {
        QLineEdit* field = Field(*dialog, c.FieldName);
        ASSERT_NE(field, nullptr);
        TypeInto(field, c.Typed);
        press.Do(*dialog, field);
      });
      EXPECT_EQ(boxes.Asked().size(), c.Complains ? 1u : 0u);
      const QString complaint = boxes.Asked().empty() ? QString() : boxes.Asked()[0].Text;
      EXPECT_EQ(result, QDialog::Accepted);
      EXPECT_NEAR(document.Door().*c.Stored, c.Expected, kExact);
      // The door is changed when the value stored is not the one it had.
      EXPECT_EQ(document.IsModified(), document.Door().*c.Stored != DoorInputs().*c.Stored);
      EXPECT_EQ(complaint.contains("Value is out of range"), c.Complains)
          << complaint.toStdString();
    }
  }
}

// --- Table editors: Enter presses Add --------------------------------------------------------

using Rows = std::vector<std::vector<long double>>;

void SetHydro(DoorInputs& door, const Rows& rows) {
  CoefTable& t = door.Hydro;
  t.Count = static_cast<int>(rows.size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    t.At(r, kHydroAngle) = rows[r][0];
    t.At(r, kHydroCx) = rows[r][1];
    t.At(r, kHydroCy) = rows[r][2];
    t.At(r, kHydroCd) = rows[r][3];
  }
}

void SetKeel(DoorInputs& door, const Rows& rows) {
  CoefTable& t = door.KeelGeom;
  t.Count = static_cast<int>(rows.size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    t.At(r, kKeelZi) = rows[r][0];
    t.At(r, kKeelXi) = rows[r][1];
    t.At(r, kKeelYi) = rows[r][2];
  }
}

// The model's row as the table editor would write it, found by its key; empty when the key
// is not in the table.
std::vector<long double> HydroRow(const DoorInputs& door, long double key) {
  const CoefTable& t = door.Hydro;
  for (int r = 0; r < t.Count; ++r)
    if (std::abs(t.At(r, kHydroAngle) - key) < kExact)
      return {t.At(r, kHydroAngle), t.At(r, kHydroCx), t.At(r, kHydroCy), t.At(r, kHydroCd)};
  return {};
}

std::vector<long double> KeelRow(const DoorInputs& door, long double key) {
  const CoefTable& t = door.KeelGeom;
  for (int r = 0; r < t.Count; ++r)
    if (std::abs(t.At(r, kKeelZi) - key) < kExact)
      return {t.At(r, kKeelZi), t.At(r, kKeelXi), t.At(r, kKeelYi)};
  return {};
}

struct TableCase {
  const char* Dialog;
  DialogFactory Create;
  std::function<void(DoorInputs&)> Fill;
  std::vector<const char*> Entries;  // one text per field; the field `BadField` is typed last
  int BadField;                      // 1-based
  std::function<std::vector<long double>(const DoorInputs&, long double)> Row;
  std::vector<long double> Expected;  // the row stored, the checked value in its place
  bool AsksToReplace;                 // the checked key is one the table holds already
};

const std::vector<TableCase>& TableCases() {
  static const auto hydro = [](DoorInputs& b) {
    SetHydro(
        b, {{0, 0.1, 0.01, 0.5}, {10, 0.2, 0.3, 0.4}, {20, 0.3, 0.6, 0.35}, {30, 0.5, 0.9, 0.35}});
  };
  static const auto keel = [](DoorInputs& b) {
    SetKeel(b, {{0, 0, 0}, {0.1, 0.2, 0.02}, {0.2, 0.3, 0.03}, {0.3, 0.35, 0.04}});
  };
  static const std::vector<TableCase> cases = {
      // Angles outside 0 .. 90 give 0, a key the table holds: the row of 0 is replaced.
      {"Hydrodynamic",
       Make<HydrodynamicEditor>(),
       hydro,
       {"95", "0.15", "0.05", "0.45"},
       1,
       HydroRow,
       {0, 0.15, 0.05, 0.45},
       true},
      {"Hydrodynamic",
       Make<HydrodynamicEditor>(),
       hydro,
       {"25", "7", "0.75", "0.36"},
       2,
       HydroRow,
       {25, 0.5, 0.75, 0.36},
       false},
      {"Hydrodynamic",
       Make<HydrodynamicEditor>(),
       hydro,
       {"25", "0.4", "-1", "0.36"},
       3,
       HydroRow,
       {25, 0.4, 0.5, 0.36},
       false},
      {"Hydrodynamic",
       Make<HydrodynamicEditor>(),
       hydro,
       {"25", "0.4", "0.75", "1.5"},
       4,
       HydroRow,
       {25, 0.4, 0.75, 0.5},
       false},
      // Depths below the tip give 0.01, between the first two rows.
      {"Keel geometry",
       Make<KeelGeometryEditor>(),
       keel,
       {"-0.3", "0.05", "0.005"},
       1,
       KeelRow,
       {0.01, 0.05, 0.005},
       false},
      {"Keel geometry",
       Make<KeelGeometryEditor>(),
       keel,
       {"0.05", "12", "0.005"},
       2,
       KeelRow,
       {0.05, 0.5, 0.005},
       false},
      {"Keel geometry",
       Make<KeelGeometryEditor>(),
       keel,
       {"0.05", "0.1", "-1"},
       3,
       KeelRow,
       {0.05, 0.1, 0.1},
       false},
  };
  return cases;
}

TEST(CommitChecks, EnterInATableEditorAddsWhatLeavingTheFieldGives) {
  for (const TableCase& c : TableCases()) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
      SCOPED_TRACE(testing::Message() << c.Dialog << " field " << c.BadField << " typed "
                                      << c.Entries[static_cast<std::size_t>(c.BadField - 1)]
                                      << (key == Qt::Key_Return ? " + Return" : " + Enter"));
      DoorDocument document;
      EditTheDoor(document, c.Fill);
      HelpBrowser help;
      const std::unique_ptr<QDialog> dialog = c.Create(document, help);
      MessageBoxScript boxes;
      if (c.AsksToReplace) boxes.Answer(QMessageBox::Yes);
      const int result = RunModal(*dialog, [&] {
        for (std::size_t f = 0; f < c.Entries.size(); ++f) {
          if (static_cast<int>(f) + 1 == c.BadField) continue;
          TypeAndLeave(Field(*dialog, QString("Edit%1").arg(f + 1)), c.Entries[f]);
        }
        QLineEdit* bad = Field(*dialog, QString("Edit%1").arg(c.BadField));
        TypeInto(bad, c.Entries[static_cast<std::size_t>(c.BadField - 1)]);
        QTest::keyClick(bad, key);
        // OK with the mouse writes the grid into the model.
        QTest::mouseClick(dialog->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
      });
      EXPECT_EQ(result, QDialog::Accepted);
      EXPECT_EQ(boxes.Asked().size(), c.AsksToReplace ? 1u : 0u);
      const std::vector<long double> row = c.Row(document.Door(), c.Expected[0]);
      ASSERT_EQ(row.size(), c.Expected.size());
      for (std::size_t i = 0; i < row.size(); ++i)
        EXPECT_NEAR(row[i], c.Expected[i], kExact) << "column " << i;
    }
  }
}

// Enter in the entry row of every table editor adds the row typed there, as Add does, whichever
// button is the dialog's default: the ground editor's is OK, which closed the dialog and lost
// the row.
TEST(CommitChecks, EnterInAnEntryRowAddsTheRowAndKeepsTheDialogOpen) {
  struct EditorCase {
    const char* Dialog;
    DialogFactory Create;
    std::vector<const char*> Entries;
    CoefTable DoorInputs::*Table;
  };
  const EditorCase editors[] = {
      {"Ground", Make<GroundEditor>(), {"45", "16.5"}, &DoorInputs::Ground},
      {"Hydrodynamic", Make<HydrodynamicEditor>(), {"45", "1", "1.1", "0.35"}, &DoorInputs::Hydro},
      {"Keel geometry", Make<KeelGeometryEditor>(), {"0.4", "2.9", "0.23"}, &DoorInputs::KeelGeom},
  };
  for (const EditorCase& c : editors) {
    SCOPED_TRACE(c.Dialog);
    DoorDocument document;
    HelpBrowser help;
    const std::unique_ptr<QDialog> dialog = c.Create(document, help);
    const int before = (document.Door().*c.Table).Count;
    int rowsAfterEnter = 0;
    bool openAfterEnter = false;
    const int result = RunModal(*dialog, [&] {
      for (std::size_t f = 0; f + 1 < c.Entries.size(); ++f)
        TypeAndLeave(Field(*dialog, QString("Edit%1").arg(f + 1)), c.Entries[f]);
      QLineEdit* last = Field(*dialog, QString("Edit%1").arg(c.Entries.size()));
      TypeInto(last, c.Entries.back());
      QTest::keyClick(last, Qt::Key_Return);
      openAfterEnter = dialog->isVisible();
      rowsAfterEnter = dialog->findChild<QTableWidget*>("StringGrid1")->rowCount();
      QTest::mouseClick(dialog->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    });
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(rowsAfterEnter, before + 1);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ((document.Door().*c.Table).Count, before + 1);
    EXPECT_EQ(document.History().count(), 1);
  }
}

}  // namespace
