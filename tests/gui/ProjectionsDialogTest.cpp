#include "DisplayFlags.h"
#include "DoorDocument.h"
#include "ProjectionsDialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "CalculatorLauncher.h"
#include "HelpBrowser.h"
#include "ScPic.h"
#include "TestTolerances.h"
#include "gui/DoorChanges.h"
#include "gui/FileDialogScript.h"
#include "gui/MessageBoxScript.h"
#include "model/EditableFields.h"
#include "model/TBoard.h"
#include "model/ViewSettings.h"
#include "render/PictureProbe.h"

namespace {

const QColor kWingFill(255, 255, 128);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
// A dot recorded as a disc may be off its centre by a rounding step.
constexpr qreal kDotTol = 1.0;
// Arrow scale: a ratio of reals computed in two places.
constexpr long double kScaleTol = 1e-15L;
// A field's text read by Qt as a double against the dialog's extended reading.
constexpr long double kTypedTol = 1e-12L;

const char* const kPageNames[3] = {"PageFront", "PagePlan", "PageSide"};

class Projections : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog_ = std::make_unique<ProjectionsDialog>(document_, flags_, help_, calculator_);
    dialog_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
  }
  void TearDown() override {
    dialog_->hide();
    dialog_.reset();
    help_.hide();
  }

  template <class T>
  T* Find(const QString& name) {
    T* w = dialog_->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QLineEdit* Field(const QString& param) { return Find<QLineEdit>("Edit_" + param); }
  QAction* Action(const char* name) { return Find<QAction>(name); }
  QTabBar* Tabs() { return Find<QTabBar>("TabSet1"); }

  // Clicks the tab of the page that holds the widget, unless it is shown already.
  void ShowPageOf(QWidget* widget) {
    for (int page = 0; page < 3; ++page) {
      if (!Find<QWidget>(kPageNames[page])->isAncestorOf(widget)) continue;
      if (Tabs()->currentIndex() != page) {
        QTest::mouseClick(Tabs(), Qt::LeftButton, {}, Tabs()->tabRect(page).center());
      }
      ASSERT_EQ(Tabs()->currentIndex(), page);
    }
  }

  // Types text into the parameter's field and leaves it with Tab.
  void Enter(const QString& param, const QString& text) {
    QLineEdit* field = Field(param);
    ShowPageOf(field);
    field->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(field->hasFocus()) << param.toStdString();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_FALSE(field->hasFocus());
  }

  // The door as the dialog should draw it: at rotation zero.
  static TBoard Evaluated(const DoorInputs& door) {
    TBoard board(door);
    board.Evaluate(0, 0, 0);
    return board;
  }

  static QPointF Pixel(const ScPic& surface, long double h, long double v) {
    return QPointF(surface.XToPixel(h), surface.YToPixel(v));
  }

  DoorDocument document_;
  DisplayFlags flags_;
  HelpBrowser help_;
  // No calculator is ever found, so running one only shows the message.
  CalculatorLauncher calculator_{QStringList{"no-such-calculator"},
                                 [](const QString&) { return QString(); }};
  std::unique_ptr<ProjectionsDialog> dialog_;
};

TEST_F(Projections, FieldsSitInTheirPagesWithBoldRightAlignedLabelsAndHints) {
  EXPECT_EQ(dialog_->objectName(), "Proj_f");
  EXPECT_EQ(dialog_->windowTitle(), "Projections");
  const int pageOfRow[kMainParamCount] = {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1,
                                          1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2};
  for (int i = 0; i < kMainParamCount; ++i) {
    const QString name = QString::fromLatin1(kMainParams[i].Name);
    QLineEdit* field = Field(name);
    QLabel* label = Find<QLabel>("Label_" + name);
    ASSERT_TRUE(field && label);
    EXPECT_TRUE(Find<QWidget>(kPageNames[pageOfRow[i]])->isAncestorOf(field)) << i;
    EXPECT_TRUE(label->font().bold());
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    EXPECT_FALSE(label->toolTip().isEmpty());
    EXPECT_EQ(field->toolTip(), label->toolTip());
    // The label stands before its field, on the same row.
    ShowPageOf(field);
    EXPECT_LE(label->geometry().right(), field->geometry().left());
    EXPECT_LT(std::abs(label->geometry().center().y() - field->geometry().center().y()), 2);
  }
  EXPECT_EQ(Find<QLabel>("Label_H")->text(), "h:");
  EXPECT_EQ(Find<QLabel>("Label_G")->toolTip(), "Force of gravity, [newton]");
  EXPECT_EQ(Find<QLabel>("Label_yc1")->toolTip(), "Ordinate of Lower Bridle attachment point,[m]");
  for (const char* name : {"Image1", "Image2", "Image3"})
    EXPECT_NE(Find<QLabel>(name), nullptr);
  for (const char* name : {"ScFront", "ScPlan", "ScSide"})
    EXPECT_EQ(Find<ScPic>(name)->ImageType(), ScPic::itMetafile);
  EXPECT_EQ(Tabs()->count(), 3);
  EXPECT_EQ(Tabs()->tabText(1), "Plan View");
}

TEST_F(Projections, TabMovesDownTheColumnInTableOrder) {
  const char* const side[] = {"zh", "zs", "zg", "z0", "zc0", "zc1", "H", "F"};
  QLineEdit* first = Field(side[0]);
  ShowPageOf(first);
  first->setFocus(Qt::MouseFocusReason);
  for (int i = 1; i < 8; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Field(side[i])) << side[i];
  }
}

TEST_F(Projections, OutOfRangeEntriesBecomeTheFallbackSilently) {
  Enter("y0", "12");
  EXPECT_EQ(Field("y0")->text(), "0.6");
  EXPECT_NEAR(document_.Door().y0, 0.6L, kExact);
  EditTheDoor(document_, [&](DoorInputs& d) { d.y0 = 0; });
  Enter("y0", "-10");  // the interval is open
  EXPECT_EQ(Field("y0")->text(), "0.6");
  EXPECT_NEAR(document_.Door().y0, 0.6L, kExact);
  Enter("G", "abc");  // reads as 0, which the open interval excludes
  EXPECT_EQ(Field("G")->text(), "11513");
  EditTheDoor(document_, [&](DoorInputs& d) { d.G = 0; });
  Enter("G", "0");
  EXPECT_EQ(Field("G")->text(), "11513");
  EXPECT_NEAR(document_.Door().G, 11513, kExact);
  Enter("R", "0");
  EXPECT_EQ(Field("R")->text(), "29400");
  EXPECT_NEAR(document_.Door().R, 29400, kExact);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Projections, ZeroIsAcceptedInEveryFieldOfPlusMinusTen) {
  for (const EditableField& param : kMainParams) {
    const QString name = QString::fromLatin1(param.Name);
    if (name == "G" || name == "R") continue;
    Enter(name, "0");
    EXPECT_EQ(Field(name)->text(), "0") << param.Name;
    EXPECT_NEAR(document_.Door().*param.Field, 0, kExact) << param.Name;
  }
}

TEST_F(Projections, EntriesKeepThreeOrFourDecimals) {
  Enter("x0", "0.12346");
  EXPECT_EQ(Field("x0")->text(), "0.123");
  EXPECT_NEAR(document_.Door().x0, 0.123L, kExact);
  Enter("zh", "0.12346");
  EXPECT_EQ(Field("zh")->text(), "0.1235");
  EXPECT_NEAR(document_.Door().zh, 0.1235L, kExact);
  Enter("G", "12000.7");
  EXPECT_EQ(Field("G")->text(), "12001");
}

TEST_F(Projections, LeavingAFieldIsOneNamedStepAndRedraws) {
  DoorInputs edited = document_.Door();
  edited.zh = 0.5L;
  const TBoard expected = Evaluated(edited);
  Enter("zh", "0.5");
  EXPECT_EQ(document_.Door(), edited);
  EXPECT_EQ(document_.History().count(), 1);
  EXPECT_EQ(document_.History().undoText().toStdString(),
            "Wing pressure centre applicate zh: 0.9 → 0.5");
  // The side view shows the wing's force point (points are on at first) where it now is.
  const ScPic& side = *Find<ScPic>("ScSide");
  PictureProbe probe(side.Picture());
  EXPECT_TRUE(probe.HasDot(
      kRed, Pixel(side, expected.Result().PosWingHydro.X, expected.Result().PosWingHydro.Z), 5,
      kDotTol))
      << probe.Dump().toStdString();
}

TEST_F(Projections, OkWithoutChangesWritesNothing) {
  const DoorInputs before = document_.Door();
  QTest::mouseClick(Find<QPushButton>("OKBtn"), Qt::LeftButton);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_FALSE(document_.IsModified());
  EXPECT_EQ(document_.Door(), before);
  EXPECT_EQ(document_.History().count(), 0);
}

// Values with more decimals than the fields show (as a data file may hold them) stay as they
// are: OK changes only what the user typed, it does not round what is shown.
TEST_F(Projections, OkAfterAChangeElsewhereKeepsTheDoorsValues) {
  dialog_->hide();
  EditTheDoor(document_, [&](DoorInputs& d) {
    d.x0 = 1.23456L;
    d.R = 30000.4L;
  });
  KeepTheDoorAsSaved(document_);
  dialog_->show();
  EXPECT_EQ(Field("x0")->text(), "1.235");
  Find<QPushButton>("OKBtn")->click();
  EXPECT_FALSE(document_.IsModified());
  EXPECT_EQ(document_.Door().x0, 1.23456L);
  EXPECT_EQ(document_.Door().R, 30000.4L);
}

TEST_F(Projections, TypingAndOkStoresTheField) {
  QLineEdit* field = Field("y0");
  field->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(field, Qt::Key_End);
  QTest::keyClicks(field, "5");
  const long double typed = field->text().toDouble();
  Find<QPushButton>("OKBtn")->click();
  EXPECT_TRUE(document_.IsModified());
  EXPECT_NEAR(document_.Door().y0, typed, kTypedTol);
  EXPECT_EQ(document_.History().count(), 1);
}

// The fields and drawings follow the door whatever changes it: an undo while the dialog is
// open.
TEST_F(Projections, FieldsFollowTheDoor) {
  Enter("x0", "1.5");
  ASSERT_EQ(Field("x0")->text(), "1.5");
  document_.History().undo();
  EXPECT_EQ(Field("x0")->text(), "1.12");
  EditTheDoor(document_, [](DoorInputs& d) { d.G = 14000; });
  EXPECT_EQ(Field("G")->text(), "14000");
}

TEST_F(Projections, CancelRestoresTheValuesOfTheLastShowing) {
  const long double x0 = document_.Door().x0;
  Enter("x0", "1.5");
  EXPECT_NEAR(document_.Door().x0, 1.5L, kExact);
  QTest::mouseClick(Find<QPushButton>("CancelBtn"), Qt::LeftButton);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(dialog_->result(), QDialog::Rejected);
  EXPECT_NEAR(document_.Door().x0, x0, kExact);
  EXPECT_FALSE(document_.IsModified());
  // The dialog's steps are taken back; Redo brings them again.
  EXPECT_TRUE(document_.History().canRedo());
  document_.History().redo();
  EXPECT_NEAR(document_.Door().x0, 1.5L, kExact);
}

// A range kept in between is a step of its own, which Cancel leaves: only the parameters go
// back.
TEST_F(Projections, CancelAfterOtherStepsPutsBackTheParametersAsOneStep) {
  const long double x0 = document_.Door().x0;
  Enter("x0", "1.5");
  EditTheDoor(document_, [](DoorInputs& d) { d.Ranges[6] = {12000, 15000, 1000}; });
  QTest::mouseClick(Find<QPushButton>("CancelBtn"), Qt::LeftButton);
  EXPECT_NEAR(document_.Door().x0, x0, kExact);
  EXPECT_EQ(document_.Door().Ranges[6], (Range{12000, 15000, 1000}));
  EXPECT_EQ(document_.History().count(), 3);
}

TEST_F(Projections, ATabChangeRenewsTheSnapshot) {
  Enter("x0", "1.5");
  QTest::mouseClick(Tabs(), Qt::LeftButton, {}, Tabs()->tabRect(2).center());
  Find<QPushButton>("CancelBtn")->click();
  EXPECT_NEAR(document_.Door().x0, 1.5L, kExact);
}

TEST_F(Projections, TitleBarCloseKeepsWhatWasStored) {
  Enter("x0", "1.5");
  dialog_->close();
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_NEAR(document_.Door().x0, 1.5L, kExact);
}

TEST_F(Projections, EscapePressesCancel) {
  const long double x0 = document_.Door().x0;
  Enter("x0", "1.5");
  QLineEdit* field = Field("xg");
  field->setFocus(Qt::MouseFocusReason);
  QTest::keyClicks(field, "7");  // typed, never left
  QTest::keyClick(field, Qt::Key_Escape);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(dialog_->result(), QDialog::Rejected);
  EXPECT_NEAR(document_.Door().x0, x0, kExact);
  EXPECT_NEAR(document_.Door().xg, DoorInputs().xg, kExact);
}

TEST_F(Projections, ForceStepsRunOnlyWithShowForces) {
  EXPECT_FALSE(Action("ShowForces1")->isChecked());
  dialog_->Redraw();
  const ViewScale untouched;
  EXPECT_EQ(dialog_->Scale().ForceScale, untouched.ForceScale);
  EXPECT_EQ(dialog_->Scale().MaxForce, untouched.MaxForce);

  Action("ShowForces1")->trigger();
  const TBoard door = Evaluated(DoorInputs());
  long double largest = 0;
  for (const TForce* f : {&door.Result().ForceWing, &door.Result().ForceStringer,
                          &door.Result().ForceGravity, &door.Result().ForceUpperBridle,
                          &door.Result().ForceLowerBridle, &door.Result().ForceGround}) {
    largest =
        std::max({largest, std::fabs(f->Force.X), std::fabs(f->Force.Y), std::fabs(f->Force.Z)});
  }
  EXPECT_NEAR(dialog_->Scale().MaxForce, largest, kReferenceTol);
  EXPECT_NEAR(dialog_->Scale().ForceScale, document_.Door().b / dialog_->Scale().MaxForce / 3,
              kScaleTol);
  // The arrows are drawn: the gravity component is a red line down from G in the front view.
  const ScPic& front = *Find<ScPic>("ScFront");
  PictureProbe probe(front.Picture());
  EXPECT_FALSE(probe.LinesOf(kRed).empty());
}

TEST_F(Projections, OptionsStartAsDesignedAndMirrorEachOther) {
  const char* const menu[] = {"Scheme1", "ShowHidden1", "ShowPoints1", "ShowForces1",
                              "ShowLabels1"};
  const char* const pop[] = {"PopScheme", "PopHidden", "PopPoints", "PopForces", "PopLabels"};
  const char* const box[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"};
  const bool initial[] = {false, false, true, false, false};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Action(menu[i])->isChecked(), initial[i]) << menu[i];
    EXPECT_EQ(Action(pop[i])->isChecked(), initial[i]) << pop[i];
    EXPECT_EQ(Find<QCheckBox>(box[i])->isChecked(), initial[i]) << box[i];
  }
  EXPECT_FALSE(Find<QGroupBox>("GroupBox1")->isVisible());

  Action("PopPoints")->trigger();
  EXPECT_FALSE(Action("ShowPoints1")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("CheckBox3")->isChecked());
  EXPECT_FALSE(dialog_->Option(ProjUi::kPoints));
  Action("PopPoints")->trigger();
  EXPECT_TRUE(Action("ShowPoints1")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("CheckBox3")->isChecked());

  // The check box toggles the option once, not back again through its own mirror.
  Find<QCheckBox>("CheckBox5")->click();
  EXPECT_TRUE(Action("ShowLabels1")->isChecked());
  EXPECT_TRUE(Action("PopLabels")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("CheckBox5")->isChecked());
}

TEST_F(Projections, SchemeSwitchesBetweenPicturesAndDrawings) {
  const char* const images[] = {"Image1", "Image2", "Image3"};
  const char* const surfaces[] = {"ScFront", "ScPlan", "ScSide"};
  // Within its page's picture area; the pages not selected are hidden as a whole.
  for (int page = 0; page < 3; ++page) {
    EXPECT_FALSE(Find<QWidget>(images[page])->isHidden());
    EXPECT_TRUE(Find<QWidget>(surfaces[page])->isHidden());
  }
  Action("Scheme1")->trigger();
  for (int page = 0; page < 3; ++page) {
    EXPECT_TRUE(Find<QWidget>(images[page])->isHidden());
    EXPECT_FALSE(Find<QWidget>(surfaces[page])->isHidden());
  }
  EXPECT_TRUE(Find<QWidget>("ScFront")->isVisible());
}

TEST_F(Projections, PicturesFitTheAreaKeepingTheirAspect) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const auto bitmap = [&folder](const char* name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    EXPECT_TRUE(image.save(folder.filePath(name), "BMP"));
    return folder.filePath(name).toStdString();
  };
  EditTheDoor(document_, [&](DoorInputs& d) {
    d.FrontPicture = bitmap("front.bmp", {200, 300});
    d.PlanPicture = bitmap("plan.bmp", {420, 240});
    d.SidePicture = bitmap("side.bmp", {470, 300});
  });
  dialog_->TabChanged();
  QWidget* area = Find<QWidget>("PanelFront");
  dialog_->resize(dialog_->width() + 400 - area->width(), dialog_->height() + 300 - area->height());
  QApplication::processEvents();
  ASSERT_EQ(area->size(), QSize(400, 300));
  // Narrower than the area: full height, centred across.
  EXPECT_EQ(Find<QLabel>("Image1")->geometry(), QRect(100, 0, 200, 300));
  // Wider: full width, height 400 / 1.75 = 228.57 truncated, centred by (300 - 228) / 2.
  EXPECT_EQ(Find<QLabel>("Image2")->geometry(), QRect(0, 36, 400, 228));
  // 400 / (470 / 300) = 255.3 → 255; (300 - 255) / 2 = 22.5 → 22.
  EXPECT_EQ(Find<QLabel>("Image3")->geometry(), QRect(0, 22, 400, 255));

  EXPECT_EQ(ProjectionsDialog::FittedPicture({150, 430}, {400, 300}), QRect(148, 0, 104, 300));
  EXPECT_EQ(ProjectionsDialog::FittedPicture({0, 0}, {400, 300}), QRect());
}

class ProjectionsPictures : public Projections {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    Projections::SetUp();
  }
  QString Bitmap(const QString& name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
  }
  // Chooses in the three file dialogs in turn: a path, or an empty one to cancel.
  void ChooseInFileDialogs(const QStringList& answers) {
    for (const QString& answer : answers)
      files_.Choose(answer.isEmpty() ? std::nullopt : std::optional<QString>(answer));
  }
  QStringList Titles() const {
    QStringList titles;
    for (const FileDialogRequest& request : files_.Asked())
      titles << request.Title;
    return titles;
  }

  QTemporaryDir dir_;
  FileDialogScript files_;
};

TEST_F(ProjectionsPictures, OpenPicturesLoadsNothingWhenAFileIsMissing) {
  EditTheDoor(document_, [&](DoorInputs& d) {
    d.FrontPicture = Bitmap("small1.bmp", {10, 10}).toStdString();
    d.PlanPicture = Bitmap("small2.bmp", {10, 10}).toStdString();
    d.SidePicture = Bitmap("small3.bmp", {10, 10}).toStdString();
  });
  ASSERT_EQ(Find<QLabel>("Image1")->pixmap().size(), QSize(10, 10));
  const QString front = Bitmap("front.bmp", {200, 300});
  const QString plan = Bitmap("plan.bmp", {420, 240});
  EditTheDoor(document_,
              [&](DoorInputs& d) { d.SidePicture = dir_.filePath("missing.bmp").toStdString(); });
  ChooseInFileDialogs({front, plan, QString()});
  Action("OpenPictures1")->trigger();
  EXPECT_EQ(Titles(), (QStringList{"Open bitmap for Front View", "Open bitmap for Plan View",
                                   "Open bitmap for Side View"}));
  ASSERT_EQ(files_.Asked().size(), 3u);
  EXPECT_EQ(files_.Asked()[2].NameFilter.split(";;"),
            (QStringList{"Bitmap (*.bmp)", "All files (*)"}));
  EXPECT_EQ(files_.Asked()[2].Kind, FileDialogRequest::Mode::Open);
  // Each dialog offers the picture the door names now.
  EXPECT_EQ(files_.Asked()[2].SelectedFile, dir_.filePath("missing.bmp"));
  EXPECT_EQ(QString::fromStdString(document_.Door().FrontPicture), front);
  EXPECT_EQ(QString::fromStdString(document_.Door().PlanPicture), plan);
  EXPECT_EQ(QString::fromStdString(document_.Door().SidePicture), dir_.filePath("missing.bmp"));
  EXPECT_EQ(Find<QLabel>("Image1")->pixmap().size(), QSize(10, 10));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ProjectionsPictures, OpenPicturesLoadsAllThreeWhenTheyExist) {
  const QString front = Bitmap("front.bmp", {200, 300});
  const QString plan = Bitmap("plan.bmp", {420, 240});
  const QString side = Bitmap("side.bmp", {470, 300});
  ChooseInFileDialogs({front, plan, side});
  Action("PopOpenPictures")->trigger();
  EXPECT_EQ(Find<QLabel>("Image1")->pixmap().size(), QSize(200, 300));
  EXPECT_EQ(Find<QLabel>("Image2")->pixmap().size(), QSize(420, 240));
  EXPECT_EQ(Find<QLabel>("Image3")->pixmap().size(), QSize(470, 300));
  // Fitted into the area at once.
  const QSize area = Find<QWidget>("PanelFront")->size();
  EXPECT_EQ(Find<QLabel>("Image1")->height(), area.height());

  // The names are one step of the door's history.
  EXPECT_EQ(document_.History().count(), 1);
  EditTheDoor(document_, [](DoorInputs& d) { d.PlanPicture.clear(); });
  EXPECT_FALSE(dialog_->LoadPictureFiles());
  EditTheDoor(document_, [&](DoorInputs& d) { d.PlanPicture = plan.toStdString(); });
  EXPECT_TRUE(dialog_->LoadPictureFiles());
}

TEST_F(Projections, ViewSettingsRoundTripAndABadTabIsClamped) {
  ViewSettings in;
  in.ViewTab = 2;
  in.ProjectionSwitches = {true, true, false, true, true};
  dialog_->ApplyViewSettings(in);
  EXPECT_TRUE(Find<QWidget>("PageSide")->isVisible());
  EXPECT_FALSE(Find<QWidget>("PageFront")->isVisible());
  EXPECT_TRUE(Find<QWidget>("ScSide")->isVisible());
  EXPECT_TRUE(Find<QCheckBox>("CheckBox4")->isChecked());
  ViewSettings out;
  dialog_->CollectViewSettings(out);
  EXPECT_EQ(out.ViewTab, 2);
  EXPECT_EQ(out.ProjectionSwitches, in.ProjectionSwitches);

  in.ViewTab = 7;
  dialog_->ApplyViewSettings(in);
  dialog_->CollectViewSettings(out);
  EXPECT_EQ(out.ViewTab, 2);
  in.ViewTab = -3;
  dialog_->ApplyViewSettings(in);
  dialog_->CollectViewSettings(out);
  EXPECT_EQ(out.ViewTab, 0);
  EXPECT_TRUE(Find<QWidget>("PageFront")->isVisible());
}

TEST_F(Projections, ViewsMenuSelectsTheTab) {
  Action("PlanView1")->trigger();
  EXPECT_EQ(Tabs()->currentIndex(), 1);
  EXPECT_TRUE(Find<QWidget>("PagePlan")->isVisible());
  Action("FrontView1")->trigger();
  EXPECT_TRUE(Find<QWidget>("PageFront")->isVisible());
  EXPECT_FALSE(Find<QWidget>("PagePlan")->isVisible());
}

TEST_F(Projections, DrawingsShowTheDoorWithTheKeelUnturned) {
  // The door may be balanced turned; the dialog draws it unturned.
  document_.SetAngles("Balanced", {10, -20, 30});
  dialog_->Redraw();
  for (const char* name : {"ScFront", "ScPlan", "ScSide"}) {
    PictureProbe probe(Find<ScPic>(name)->Picture());
    EXPECT_FALSE(probe.FillsOf(kWingFill).empty()) << name;
  }
  const ScPic& front = *Find<ScPic>("ScFront");
  PictureProbe probe(front.Picture());
  const CoefTable& keel = document_.Door().KeelGeom;
  ASSERT_GT(keel.Count, 0);
  for (int i = 0; i < keel.Count; ++i) {
    const long double y = document_.Door().y0 + document_.Door().yk;
    const long double z = document_.Door().zk - document_.Door().z0 + keel.At(i, kKeelZi);
    EXPECT_TRUE(probe.HasDot(kBlack, Pixel(front, y, z), 3, kDotTol)) << "row " << i;
  }
}

TEST_F(Projections, HelpAndCalculator) {
  Find<QPushButton>("HelpBtn")->click();
  EXPECT_TRUE(help_.isVisible());
  auto* text = help_.findChild<QTextBrowser*>();
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->source().toString().contains("doors_proj"))
      << text->source().toString().toStdString();

  dialog_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
  EXPECT_EQ(Action("RunCalculator1")->shortcut(), QKeySequence("Ctrl+F1"));
  MessageBoxScript boxes;
  QTest::keyClick(dialog_.get(), Qt::Key_F1, Qt::ControlModifier);
  ASSERT_EQ(boxes.Asked().size(), 1u);
  EXPECT_TRUE(boxes.Asked()[0].Text.startsWith("No calculator"))
      << boxes.Asked()[0].Text.toStdString();
}

}  // namespace
