#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <cmath>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "HelpBrowser.h"
#include "MainWindow.h"
#include "ProjectionsDialog.h"
#include "RangeDialog.h"
#include "SingleVariablePanel.h"
#include "TSpinButton.h"
#include "TestTolerances.h"
#include "UserLocale.h"
#include "ValidatedField.h"
#include "VariableBindings.h"
#include "VariableSolveDialog.h"
#include "gui/DoorChanges.h"
#include "gui/MessageBoxScript.h"
#include "gui/ModalAnswer.h"
#include "io/DoorFileWriter.h"
#include "model/EditableFields.h"
#include "model/FieldLimits.h"
#include "model/MomentCriterion.h"
#include "model/PlaneMath.h"
#include "model/SingleVariableSearch.h"
#include "model/ViewSettings.h"
#include "support/ShippedTexts.h"
#include "support/TempFolder.h"

namespace {

// A dialog's control by its object name.
template <class T>
T* Child(QObject* parent, const QString& name) {
  T* child = parent->findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name.toStdString();
  return child;
}

// A search ends long before this; it only keeps a broken one from stalling the run.
constexpr int kSearchTimeoutMs = 120000;
// The door tilted in bottom trawling: the wing's lift carries part of the weight, the keel in
// the ground the rest.
constexpr long double kTiltX = 7.18L, kTiltY = -4.29L, kTiltZ = 37.41L;

const char* const kPageNames[3] = {"PageFront", "PagePlan", "PageSide"};

QColor BaseColour(const QLineEdit* field) {
  return field->palette().color(QPalette::Base);
}

// The whole program, so that the projections dialog and the balance window are joined as the
// user finds them; the projections dialog is shown without a modal loop of its own.
class SingleVariable : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<DoorTrimApp>();
    proj_ = &app_->Proj();
    balance_ = &app_->Balance();
    standard_ = BaseColour(Field("x0"));
  }
  void TearDown() override {
    proj_->hide();
    app_.reset();
  }

  void ShowProjections() {
    proj_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(proj_));
  }

  QLineEdit* Field(const char* param) {
    return proj_->findChild<QLineEdit*>(QString("Edit_") + param);
  }
  // The balance window's moment about X: its Edit4, not the solve dialog's.
  QLineEdit* MomentXField() {
    return balance_->findChild<QWidget*>("Panel3")->findChild<QLineEdit*>("Edit4");
  }
  template <class T>
  T* InBalance(const char* name) {
    T* w = balance_->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  void FocusField(const char* param) {
    QLineEdit* field = Field(param);
    auto* tabs = proj_->findChild<QTabBar*>("TabSet1");
    for (int page = 0; page < 3; ++page) {
      if (proj_->findChild<QWidget*>(kPageNames[page])->isAncestorOf(field) &&
          tabs->currentIndex() != page) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
      }
    }
    field->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(field->hasFocus()) << param;
  }

  // Right-clicks the field and clicks the command of its context menu.
  void ContextCommand(const char* param, const char* command) {
    FocusField(param);
    QLineEdit* field = Field(param);
    const QPoint at = field->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &event);
    auto* menu = proj_->findChild<QMenu*>("PopupMenu2");
    ASSERT_NE(menu, nullptr);
    QTRY_VERIFY(menu->isVisible());
    QAction* item = proj_->findChild<QAction*>(command);
    ASSERT_NE(item, nullptr) << command;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
  }

  void Mark(const char* param) {
    ShowProjections();
    ContextCommand(param, "PopMark");
  }

  void SetAngles(long double x, long double y, long double z) {
    InBalance<ValidatedField>("Edit7")->SetAndShow(x);
    InBalance<ValidatedField>("Edit8")->SetAndShow(y);
    InBalance<ValidatedField>("Edit9")->SetAndShow(z);
    balance_->onUpdateClicked();
  }

  static void Type(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
  }

  // A solve dialog for the marked variable, shown without a modal loop.
  std::unique_ptr<VariableSolveDialog> OpenSolve() {
    const int index = app_->Variables().ActiveVar().Index;
    auto dialog = std::make_unique<VariableSolveDialog>(
        app_->Variables().ActiveVar(), app_->Document(), app_->Help(),
        [this, index](long double value) { return balance_->TryVariable(index, value); },
        [this] { balance_->FollowDoor(); }, balance_);
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    return dialog;
  }

  // Types the range, picks the criterion, presses Solve and waits for the search to end.
  void Solve(VariableSolveDialog& dialog, const char* from, const char* to, int criterion) {
    Type(Child<QLineEdit>(&dialog, "Edit1"), from);
    Type(Child<QLineEdit>(&dialog, "Edit2"), to);
    // On the button's circle: a radio button takes clicks on its circle and caption only.
    QRadioButton* choice = Child<QRadioButton>(&dialog, QString("RadioButton%1").arg(criterion));
    const int middle = choice->height() / 2;
    QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(middle, middle));
    ASSERT_EQ(dialog.Criterion(), static_cast<MomentCriterion>(criterion));
    QSignalSpy finished(&dialog, &VariableSolveDialog::SearchFinished);
    QTest::mouseClick(Child<QPushButton>(&dialog, "Button1"), Qt::LeftButton);
    // Meanwhile the dialog's commands wait; Cancel stays to stop the search.
    EXPECT_FALSE(Child<QPushButton>(&dialog, "Button1")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(&dialog, "OKBtn")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(&dialog, "Button2")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(&dialog, "CancelBtn")->isEnabled());
    ASSERT_TRUE(finished.wait(kSearchTimeoutMs));
    EXPECT_TRUE(Child<QPushButton>(&dialog, "Button1")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(&dialog, "OKBtn")->isEnabled());
  }

  // The moment of the door, on its own, at the tilt with the value given to the field.
  XYZ MomentWith(long double DoorInputs::*field, long double value) const {
    TBoard door(app_->Document().Door());
    door.Edit([field, value](DoorInputs& d) { d.*field = value; });
    door.Evaluate(kTiltX * kDegree, kTiltY * kDegree, kTiltZ * kDegree);
    return door.Result().TotalMoment;
  }

  std::unique_ptr<DoorTrimApp> app_;
  ProjectionsDialog* proj_ = nullptr;
  BalanceWindow* balance_ = nullptr;
  QColor standard_;
};

TEST_F(SingleVariable, MarkingColoursTheFieldRedAndShowsItInTheBalancePanel) {
  Mark("x0");
  EXPECT_EQ(BaseColour(Field("x0")), VariableBindings::kVariableColour);
  EXPECT_TRUE(InBalance<QWidget>("Panel8")->isVisibleTo(balance_));
  EXPECT_EQ(InBalance<QLineEdit>("Edit14")->text(), Field("x0")->text());
  EXPECT_EQ(InBalance<QLabel>("Label21")->text(), "x0:");
  EXPECT_EQ(InBalance<QLabel>("Label21")->toolTip(), "Abscissa of Warp attachment point, [m]");

  // The Variable menu marks the focused field; only one field is red at a time.
  FocusField("zg");
  proj_->findChild<QAction*>("MarkVariable1")->trigger();
  EXPECT_EQ(BaseColour(Field("zg")), VariableBindings::kVariableColour);
  EXPECT_EQ(BaseColour(Field("x0")), standard_);
  EXPECT_EQ(app_->Variables().ActiveVar().Index, MainParamIndex("zg"));
  EXPECT_EQ(InBalance<QLabel>("Label21")->text(), "zg:");
}

struct MenuCase {
  const char* name;
  const char* command;
  int language;
  const char* message;
};

void PrintTo(const MenuCase& c, std::ostream* out) {
  *out << c.name;
}

class VariableMenuWithoutField : public SingleVariable,
                                 public ::testing::WithParamInterface<MenuCase> {};

TEST_P(VariableMenuWithoutField, SaysToSelectAFieldFirst) {
  ShowProjections();
  app_->Variables().SetTexts(ShippedTexts(DOORTRIM_LANGUAGE_FILES, GetParam().language).Texts);
  auto* ok = proj_->findChild<QPushButton*>("OKBtn");
  ok->setFocus(Qt::MouseFocusReason);
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Ok);
  proj_->findChild<QAction*>(GetParam().command)->trigger();
  ASSERT_EQ(boxes.Texts(), std::vector<QString>{QString::fromUtf8(GetParam().message)});
  EXPECT_FALSE(app_->Variables().ActiveVar().IsSet());
  EXPECT_FALSE(app_->Variables().RangeTarget().IsSet());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, VariableMenuWithoutField,
    ::testing::Values(MenuCase{"Range", "SpecifyRange1", 0, "Select an active variable at first."},
                      MenuCase{"Mark", "MarkVariable1", 0, "Select an active variable at first."},
                      MenuCase{"MarkRussian", "MarkVariable1", 1,
                               "Сначала выберите поле, которое будет переменной"}),
    [](const auto& info) { return info.param.name; });

// A range with more decimals than the dialog shows stays as it is when OK is pressed without
// typing: only a range the user edited is written back.
TEST_F(SingleVariable, RangeDialogClosedWithOKWithoutTypingKeepsTheRange) {
  const int x0 = MainParamIndex("x0");
  EditTheDoor(app_->Document(), [x0](DoorInputs& d) { d.Ranges[x0] = {0.123456789L, 2, 0.1L}; });
  KeepTheDoorAsSaved(app_->Document());
  const int steps = app_->Document().History().count();
  ShowProjections();
  QColor colourWhileOpen;
  QString description;
  AnswerNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<RangeDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    colourWhileOpen = BaseColour(Field("x0"));
    description = Child<QLabel>(&*dialog, "Label3")->text();
    QTest::mouseClick(Child<QPushButton>(&*dialog, "OKBtn"), Qt::LeftButton);
  });
  ContextCommand("x0", "PopRange");
  EXPECT_EQ(colourWhileOpen, VariableBindings::kRangeColour);
  EXPECT_EQ(description, "Abscissa of Warp attachment point, [m]");
  EXPECT_EQ(BaseColour(Field("x0")), standard_);
  EXPECT_EQ(app_->Document().Door().Ranges[x0].From, 0.123456789L);
  EXPECT_EQ(app_->Document().Door().Ranges[x0].To, 2);
  EXPECT_FALSE(app_->Document().IsModified());
  EXPECT_EQ(app_->Document().History().count(), steps);
}

TEST_F(SingleVariable, RangeTypedInTheDialogIsStoredAndMarksTheDoorChanged) {
  const int zh = MainParamIndex("zh");
  ShowProjections();
  AnswerNextModal([](QWidget* modal) {
    auto* dialog = qobject_cast<RangeDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    Type(Child<QLineEdit>(&*dialog, "Edit1"), "0.5");
    Type(Child<QLineEdit>(&*dialog, "Edit2"), "1e21");  // beyond what an end may be: becomes 0
    QTest::mouseClick(Child<QPushButton>(&*dialog, "OKBtn"), Qt::LeftButton);
  });
  FocusField("zh");
  proj_->findChild<QAction*>("SpecifyRange1")->trigger();
  EXPECT_EQ(app_->Document().Door().Ranges[zh].From, 0.5L);
  EXPECT_EQ(app_->Document().Door().Ranges[zh].To, 0);
  EXPECT_TRUE(app_->Document().IsModified());
  EXPECT_EQ(app_->Document().History().undoText().toStdString(), "Range of zh: 0.5 … 0");
  // The range is a step of its own: Cancel of the projections dialog keeps it.
  proj_->findChild<QPushButton*>("CancelBtn")->click();
  EXPECT_EQ(app_->Document().Door().Ranges[zh].From, 0.5L);
}

TEST_F(SingleVariable, SolveWithoutAMarkedVariableDoesNothing) {
  bool opened = false;
  AnswerNextModal([&opened](QWidget* modal) {
    opened = true;
    modal->close();
  });
  const DoorInputs before = app_->Document().Door();
  balance_->show();
  QTest::mouseClick(InBalance<QPushButton>("SolveButton"), Qt::LeftButton);
  // A dialog would have run its modal loop inside the click, and the watch would have seen it.
  EXPECT_FALSE(opened);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(app_->Document().Door(), before);
  balance_->hide();
}

TEST_F(SingleVariable, SolveButtonOpensTheDialogFilledFromTheVariable) {
  const int g = MainParamIndex("G");
  EditTheDoor(app_->Document(), [g](DoorInputs& d) { d.Ranges[g] = Range{100, 20000, 0}; });
  KeepTheDoorAsSaved(app_->Document());
  Mark("G");
  balance_->show();
  QString description, from, to, current, helpPage;
  bool criterionOne = false;
  AnswerNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<VariableSolveDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    description = Child<QLabel>(&*dialog, "Label1")->text();
    from = Child<QLineEdit>(&*dialog, "Edit1")->text();
    to = Child<QLineEdit>(&*dialog, "Edit2")->text();
    current = Child<QLineEdit>(&*dialog, "Edit3")->text();
    criterionOne = Child<QRadioButton>(&*dialog, "RadioButton1")->isChecked() &&
                   dialog->Criterion() == MomentCriterion::Sum;
    QTest::mouseClick(Child<QPushButton>(&*dialog, "HelpBtn"), Qt::LeftButton);
    if (auto* page = app_->Help().findChild<QTextBrowser*>(); page && app_->Help().isVisible())
      helpPage = page->source().toString();
    QTest::mouseClick(Child<QPushButton>(&*dialog, "OKBtn"), Qt::LeftButton);
  });
  QTest::mouseClick(InBalance<QPushButton>("SolveButton"), Qt::LeftButton);
  EXPECT_EQ(description, "Force of gravity, [newton]");
  EXPECT_EQ(from, "100");
  EXPECT_EQ(to, "20000");
  EXPECT_EQ(current, Field("G")->text());
  EXPECT_TRUE(criterionOne);
  EXPECT_TRUE(helpPage.contains("doors_proj")) << helpPage.toStdString();
  app_->Help().hide();
  // OK with the value unchanged changes nothing.
  EXPECT_FALSE(app_->Document().IsModified());
  balance_->hide();
}

struct StoreCase {
  const char* name;
  const char* from;
  const char* to;
  bool stored;
};

void PrintTo(const StoreCase& c, std::ostream* out) {
  *out << c.name;
}

class SolveStore : public SingleVariable, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(SolveStore, KeepsOnlyARangeWithToAboveFrom) {
  const int g = MainParamIndex("G");
  EditTheDoor(app_->Document(), [g](DoorInputs& d) { d.Ranges[g] = Range{1000, 2000, 0}; });
  KeepTheDoorAsSaved(app_->Document());
  Mark("G");
  auto dialog = OpenSolve();
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Ok);
  Type(Child<QLineEdit>(&*dialog, "Edit1"), GetParam().from);
  Type(Child<QLineEdit>(&*dialog, "Edit2"), GetParam().to);
  QTest::mouseClick(Child<QPushButton>(&*dialog, "Button2"), Qt::LeftButton);
  if (GetParam().stored) {
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(app_->Document().Door().Ranges[g].From, std::stold(GetParam().from));
    EXPECT_EQ(app_->Document().Door().Ranges[g].To, std::stold(GetParam().to));
    EXPECT_TRUE(app_->Document().IsModified());
  } else {
    EXPECT_EQ(boxes.Texts(),
              std::vector<QString>{"Maximum less than minimum. Correct and try again."});
    EXPECT_EQ(app_->Document().Door().Ranges[g], (Range{1000, 2000, 0}));
    EXPECT_FALSE(app_->Document().IsModified());
    QTRY_VERIFY(Child<QLineEdit>(&*dialog, "Edit1")->hasFocus());
  }
}

INSTANTIATE_TEST_SUITE_P(Ranges, SolveStore,
                         ::testing::Values(StoreCase{"EqualEnds", "5", "5", false},
                                           StoreCase{"Reversed", "6", "5", false},
                                           StoreCase{"InOrder", "5", "6", true}),
                         [](const auto& info) { return info.param.name; });

TEST_F(SingleVariable, SignChangeBisectsToToleranceAndCancelRestoresEverything) {
  SetAngles(kTiltX, kTiltY, kTiltZ);
  KeepTheDoorAsSaved(app_->Document());
  Mark("G");
  const long double weight = app_->Document().Door().G;
  const QString fieldText = Field("G")->text();
  const QString momentX = MomentXField()->text();
  auto dialog = OpenSolve();
  Solve(*dialog, "0", "20000", 2);  // moments around X
  // A range with a zero in it needs no word of explanation.
  EXPECT_TRUE(Child<QLabel>(&*dialog, "SearchOutcome")->isHidden());

  // The values tried are the balance window's trials: the door keeps its weight until OK.
  const long double found = dialog->FoundValue();
  EXPECT_NE(found, weight);
  EXPECT_EQ(app_->Document().Door().G, weight);
  EXPECT_LT(std::fabs(MomentWith(&DoorInputs::G, found).X), SingleVariableSearch::kZeroTolerance);
  EXPECT_EQ(Child<QLineEdit>(&*dialog, "Edit3")->text(),
            UserNumberText("###########0.#######", found));
  EXPECT_EQ(MomentXField()->text(),
            UserNumberText("######0.##", MomentWith(&DoorInputs::G, found).X / 1000));

  QTest::mouseClick(Child<QPushButton>(&*dialog, "CancelBtn"), Qt::LeftButton);
  EXPECT_EQ(app_->Document().Door().G, weight);
  EXPECT_EQ(Field("G")->text(), fieldText);
  EXPECT_EQ(MomentXField()->text(), momentX);
  EXPECT_FALSE(app_->Document().IsModified());
}

TEST_F(SingleVariable, SameSignScansTwentyValuesAndOKKeepsTheBest) {
  SetAngles(kTiltX, kTiltY, kTiltZ);
  Mark("v");
  auto dialog = OpenSolve();
  Solve(*dialog, "0.5", "5", 3);  // moments around Y: positive at both ends
  EXPECT_EQ(dialog->Evaluations(), 2 + SingleVariableSearch::kScanPoints);
  // The dialog says that the range held no zero, and what it shows instead.
  auto* outcome = Child<QLabel>(&*dialog, "SearchOutcome");
  EXPECT_FALSE(outcome->isHidden());
  EXPECT_EQ(outcome->text(), "No sign change in the range: the value nearest zero is shown");
  const long double found = dialog->FoundValue();
  const long double h = (5 - 0.5L) / SingleVariableSearch::kScanPoints;
  const long double steps = (found - 0.5L) / h;
  EXPECT_NEAR(steps, std::round(steps), kGeometryTol);
  for (int i = 0; i < SingleVariableSearch::kScanPoints; ++i)
    EXPECT_GE(std::fabs(MomentWith(&DoorInputs::v, 0.5L + i * h).Y),
              std::fabs(MomentWith(&DoorInputs::v, found).Y));

  const long double speed = app_->Document().Door().v;
  const int history = app_->Document().History().count();
  QTest::mouseClick(Child<QPushButton>(&*dialog, "OKBtn"), Qt::LeftButton);
  EXPECT_EQ(app_->Document().Door().v, found);
  EXPECT_TRUE(app_->Document().IsModified());
  // One step, which Undo takes back.
  EXPECT_EQ(app_->Document().History().count(), history + 1);
  app_->Document().History().undo();
  EXPECT_EQ(app_->Document().Door().v, speed);
}

TEST_F(SingleVariable, CriterionJumpingAcrossZeroEndsWithTheBestValue) {
  SetAngles(kTiltX, kTiltY, kTiltZ);
  Mark("G");
  auto dialog = OpenSolve();
  Solve(*dialog, "11000", "12000", 4);  // moments around Z: the keel's depth moves in steps
  EXPECT_LE(dialog->Evaluations(), 2 + SingleVariableSearch::kMaxHalvings);
  const long double found = dialog->FoundValue();
  const long double moment = MomentWith(&DoorInputs::G, found).Z;
  EXPECT_GE(std::fabs(moment), SingleVariableSearch::kZeroTolerance);
  EXPECT_LT(std::fabs(moment), std::fabs(MomentWith(&DoorInputs::G, 11000).Z));
  EXPECT_LT(std::fabs(moment), std::fabs(MomentWith(&DoorInputs::G, 12000).Z));
}

// The sample doors' range record of R reaches 1e7, past the values its field accepts: the search
// keeps within them and says so, and the door that takes the value found can be saved.
TEST_F(SingleVariable, ARangePastTheFieldIsSearchedWithinItAndTheDoorStaysSaveable) {
  SetAngles(kTiltX, kTiltY, kTiltZ);
  Mark("R");
  auto dialog = OpenSolve();
  auto* note = Child<QLabel>(&*dialog, "RangeNote");
  EXPECT_FALSE(note->isVisible());
  Solve(*dialog, "2000000", "10000000", 1);
  const FieldLimits limits = LimitsOfField("R").value();
  const long double found = dialog->FoundValue();
  EXPECT_TRUE(limits.Admits(found)) << static_cast<double>(found);
  EXPECT_TRUE(note->isVisible());
  EXPECT_TRUE(note->text().contains(QString::fromStdString(limits.IntervalText())))
      << note->text().toStdString();
  QTest::mouseClick(Child<QPushButton>(&*dialog, "OKBtn"), Qt::LeftButton);
  EXPECT_EQ(app_->Document().Door().R, found);
  const TempFolder folder;
  const DoorFileResult saved =
      DoorFileWriter().Save(folder.File("searched.brd"), app_->Document().Door(), ViewSettings{});
  EXPECT_TRUE(saved.Ok) << saved.Message;

  // A range within the field is searched as it is, without the note.
  auto again = OpenSolve();
  Solve(*again, "1000", "50000", 1);
  EXPECT_FALSE(Child<QLabel>(&*again, "RangeNote")->isVisible());
}

TEST_F(SingleVariable, CancelStopsARunningSearch) {
  SetAngles(kTiltX, kTiltY, kTiltZ);
  Mark("G");
  const long double weight = app_->Document().Door().G;
  auto dialog = OpenSolve();
  Type(Child<QLineEdit>(&*dialog, "Edit1"), "0");
  Type(Child<QLineEdit>(&*dialog, "Edit2"), "20000");
  QTest::mouseClick(Child<QPushButton>(&*dialog, "Button1"), Qt::LeftButton);
  // The window answers while the search runs: the values tried appear one by one.
  QTRY_VERIFY(dialog->Evaluations() >= 3);
  QTest::mouseClick(Child<QPushButton>(&*dialog, "CancelBtn"), Qt::LeftButton);
  EXPECT_FALSE(dialog->Searching());
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(app_->Document().Door().G, weight);
}

// The arrows change the door's value, each as one step, and the balance window's Update
// evaluates the door with it.
TEST_F(SingleVariable, ArrowsStepTheDoorsValueByAHundredthOfTheRange) {
  const int g = MainParamIndex("G");
  EditTheDoor(app_->Document(), [g](DoorInputs& d) {
    d.G = 13500;
    d.Ranges[g] = Range{12000, 15000, 0};
  });
  KeepTheDoorAsSaved(app_->Document());
  Mark("G");
  auto* shown = InBalance<QLineEdit>("Edit14");
  ASSERT_EQ(shown->text(), "13500");
  auto* spin = InBalance<TSpinButton>("SpinButton4");
  auto* vertical = InBalance<QLineEdit>("Edit12");
  balance_->show();
  const QString verticalBefore = vertical->text();
  QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
  EXPECT_EQ(app_->Document().Door().G, 13530);
  EXPECT_EQ(shown->text(), "13530");
  EXPECT_TRUE(app_->Document().IsModified());
  EXPECT_EQ(app_->Document().History().undoText().toStdString(), "Weight G: 13500 → 13530");
  // The balance window follows the heavier door, and its Update evaluates it too.
  EXPECT_NE(vertical->text(), verticalBefore);
  const QString verticalAfter = vertical->text();
  InBalance<QPushButton>("UpdateButton")->click();
  EXPECT_EQ(vertical->text(), verticalAfter);
  EXPECT_EQ(balance_->Model().Inputs().G, 13530);
  QTest::mouseClick(spin->DownButton(), Qt::LeftButton);
  EXPECT_EQ(app_->Document().Door().G, 13500);
  EXPECT_EQ(shown->text(), "13500");
  EXPECT_EQ(vertical->text(), verticalBefore);
  // Back at the saved value: nothing unsaved.
  EXPECT_FALSE(app_->Document().IsModified());
  balance_->hide();
}

// The sample doors' range record of R reaches 1e7, past its field: the arrows stop at the
// field's end, a typed value beyond it is refused, and the door stays saveable.
TEST_F(SingleVariable, ThePanelKeepsTheVariableWithinItsField) {
  const int r = MainParamIndex("R");
  EditTheDoor(app_->Document(), [r](DoorInputs& d) {
    d.R = 990000;
    d.Ranges[r] = Range{0, 10000000, 0};
  });
  Mark("R");
  balance_->show();
  auto* spin = InBalance<TSpinButton>("SpinButton4");
  for (int click = 0; click < 3; ++click)
    QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
  const FieldLimits limits = LimitsOfField("R").value();
  const long double stepped = app_->Document().Door().R;
  EXPECT_TRUE(limits.Admits(stepped)) << static_cast<double>(stepped);
  EXPECT_GT(stepped, 990000);
  const TempFolder folder;
  const DoorFileResult saved =
      DoorFileWriter().Save(folder.File("stepped.brd"), app_->Document().Door(), ViewSettings{});
  EXPECT_TRUE(saved.Ok) << saved.Message;

  MessageBoxScript boxes;
  auto* shown = InBalance<QLineEdit>("Edit14");
  shown->setFocus(Qt::MouseFocusReason);
  shown->selectAll();
  QTest::keyClicks(shown, "5000000");
  QTest::keyClick(shown, Qt::Key_Return);
  ASSERT_EQ(boxes.Asked().size(), 1u);
  EXPECT_TRUE(boxes.Asked()[0].Text.contains("R is out of range: ]0..1000000["))
      << boxes.Asked()[0].Text.toStdString();
  EXPECT_EQ(app_->Document().Door().R, stepped);
  balance_->hide();
}

// A value typed into the panel and entered is the door's, as one step.
TEST_F(SingleVariable, ValueTypedAndEnteredIsTheDoors) {
  Mark("G");
  balance_->show();
  auto* shown = InBalance<QLineEdit>("Edit14");
  shown->setFocus(Qt::MouseFocusReason);
  shown->selectAll();
  QTest::keyClicks(shown, "12345");
  QTest::keyClick(shown, Qt::Key_Return);
  EXPECT_EQ(app_->Document().Door().G, 12345);
  EXPECT_EQ(balance_->Model().Inputs().G, 12345);
  EXPECT_EQ(app_->Document().History().count(), 1);
  EXPECT_TRUE(balance_->isVisible());  // Enter is not the window's default button
  balance_->hide();
}

// The panel shows the door's value whatever changed it: the projections dialog, a file read.
TEST_F(SingleVariable, PanelFollowsTheDoor) {
  Mark("G");
  auto* shown = InBalance<QLineEdit>("Edit14");
  ASSERT_EQ(shown->text(), "11513");
  Type(Field("G"), "14000");
  EXPECT_EQ(shown->text(), "14000");
  ASSERT_TRUE(app_->Main().OpenFile(QString(DOORTRIM_SAMPLE_DOORS) + "/oval.brd"));
  EXPECT_EQ(shown->text(), "13500");
  // A click now steps from the new door's value, not from one the panel kept.
  EditTheDoor(app_->Document(), [](DoorInputs& d) { d.Ranges[6] = {12000, 15000, 1000}; });
  QTest::mouseClick(InBalance<TSpinButton>("SpinButton4")->UpButton(), Qt::LeftButton);
  EXPECT_EQ(app_->Document().Door().G, 13530);
}

}  // namespace
