#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextStream>
#include <memory>

#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "HelpBrowser.h"
#include "LanguageSwitch.h"
#include "MainWindow.h"
#include "OperatingMapWindow.h"
#include "SweepWindow.h"
#include "TargetWindow.h"
#include "TestTolerances.h"
#include "ValidatedField.h"
#include "gui/DoorChanges.h"
#include "gui/FileDialogScript.h"
#include "gui/MessageBoxScript.h"
#include "gui/ModalAnswer.h"
#include "lang/TextCatalogue.h"
#include "model/EditableFields.h"
#include "model/ParameterSweep.h"
#include "model/TBoard.h"

namespace {

constexpr long double kAngleTol = 0.01L;  // degrees: the two searches find the same balance
constexpr double kValueTol = 1e-9;        // a value written at full precision
// Only guards against a hang: a sweep ends by itself.
constexpr int kSweepTimeoutMs = 120000;

class AnalysisWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    app_ = std::make_unique<DoorTrimApp>();
    window_ = &app_->Balance();
    window_->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    window_->hide();
    app_.reset();
    QSettings().remove("Language");  // a language switched to is not the next test's
  }

  template <class T>
  T* Find(QWidget* in, const char* name) {
    T* w = in->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QAction* Action(const char* name) { return Find<QAction>(window_, name); }
  void SetAngles(long double x, long double y, long double z) {
    Find<ValidatedField>(window_, "Edit7")->SetAndShow(x);
    Find<ValidatedField>(window_, "Edit8")->SetAndShow(y);
    Find<ValidatedField>(window_, "Edit9")->SetAndShow(z);
    window_->onUpdateClicked();
  }
  std::array<long double, 3> Balance() {
    Find<QPushButton>(window_, "SpeedButton1")->click();
    // The angles found are the door's.
    const BalanceAngles& found = app_->Document().Angles();
    return {found.X, found.Y, found.Z};
  }
  SweepWindow* OpenSweep() {
    Action("MnuSweep")->trigger();
    SweepWindow* sweep = window_->Sweep();
    EXPECT_NE(sweep, nullptr);
    if (sweep) {
      EXPECT_TRUE(sweep->isVisible());
    }
    return sweep;
  }
  // Sets the sweep window up and presses Run.
  void StartSweep(SweepWindow& sweep, const QString& variable, double from, double to, int steps,
                  int method = 0) {
    auto* vary = Find<QComboBox>(&sweep, "SweepVariable");
    vary->setCurrentIndex(vary->findData(variable));
    Find<QDoubleSpinBox>(&sweep, "SweepFrom")->setValue(from);
    Find<QDoubleSpinBox>(&sweep, "SweepTo")->setValue(to);
    Find<QSpinBox>(&sweep, "SweepSteps")->setValue(steps);
    Find<QComboBox>(&sweep, "SweepMethod")->setCurrentIndex(method);
    Find<QPushButton>(&sweep, "SweepRun")->click();
  }
  bool WaitForSweepEnd(const SweepWindow& sweep) {
    return QTest::qWaitFor([&] { return !sweep.Running(); }, kSweepTimeoutMs);
  }
  QString Path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

  QTemporaryDir dir_;
  std::unique_ptr<DoorTrimApp> app_;
  BalanceWindow* window_ = nullptr;
};

struct SolverCase {
  const char* File;
  bool Bottom;
};

class FastSolver : public AnalysisWindows, public ::testing::WithParamInterface<SolverCase> {};

TEST_P(FastSolver, FindsTheBalanceOfTheSearch) {
  const SolverCase c = GetParam();
  ASSERT_TRUE(app_->Main().OpenFile(QString("%1/%2.brd").arg(DOORTRIM_SAMPLE_DOORS, c.File)));
  EditTheDoor(app_->Document(), [&](DoorInputs& d) { d.Bottom = c.Bottom; });
  Action("MnuShProces")->setChecked(false);
  app_->Flags().ShowProcess = false;
  ASSERT_FALSE(Action("MnuFastSolver")->isChecked());  // off at first
  SetAngles(0, 0, 0);
  const auto relaxed = Balance();
  SetAngles(0, 0, 0);
  Action("MnuFastSolver")->trigger();
  ASSERT_TRUE(Action("MnuFastSolver")->isChecked());
  const auto newton = Balance();
  Action("MnuFastSolver")->trigger();  // the settings of the next test start from off
  for (int i = 0; i < 3; ++i)
    EXPECT_NEAR(newton[i], relaxed[i], kAngleTol) << "angle " << i;
}

INSTANTIATE_TEST_SUITE_P(SampleDoors, FastSolver,
                         ::testing::Values(SolverCase{"default", true},
                                           SolverCase{"default", false}, SolverCase{"oval", true},
                                           SolverCase{"vshape", false}));

TEST_F(AnalysisWindows, FastSolverIsRememberedForTheNextSession) {
  Action("MnuFastSolver")->trigger();
  window_->hide();
  app_.reset();
  app_ = std::make_unique<DoorTrimApp>();
  window_ = &app_->Balance();
  EXPECT_TRUE(Action("MnuFastSolver")->isChecked());
  Action("MnuFastSolver")->trigger();
  EXPECT_FALSE(QSettings().value("Balance/FastSolver", true).toBool());
}

struct VerdictCase {
  const char* Name;
  bool Bottom;
  long double WarpX;  // x0, m
  std::array<long double, 3> Angles;
  const char* Verdict;
};

class DetailsVerdict : public AnalysisWindows, public ::testing::WithParamInterface<VerdictCase> {};

TEST_P(DetailsVerdict, SaysWhetherThePositionHolds) {
  const VerdictCase c = GetParam();
  EditTheDoor(app_->Document(), [&](DoorInputs& d) {
    d.Bottom = c.Bottom;
    d.x0 = c.WarpX;
  });
  SetAngles(c.Angles[0], c.Angles[1], c.Angles[2]);
  const Evaluation before = window_->Model().Result();
  QString verdict, eigenvalues;
  AnswerNextModal([&](QWidget* modal) {
    verdict = Find<QLabel>(modal, "StabilityVerdict")->text();
    eigenvalues = Find<QLabel>(modal, "StabilityEigenvalues")->text();
    modal->close();
  });
  Find<QPushButton>(window_, "Button3")->click();
  EXPECT_EQ(verdict, c.Verdict);
  EXPECT_FALSE(eigenvalues.isEmpty());
  // The window measured on a copy: the door keeps its last evaluation.
  EXPECT_EQ(window_->Model().Result().TotalMoment.X, before.TotalMoment.X);
  EXPECT_EQ(window_->Model().Result().TotalMoment.Z, before.TotalMoment.Z);
}

// The default door's midwater balance lies near (7.18, -4.29, 37.4); moving its warp point
// back behind the wing's centre of pressure makes that position tip away.
INSTANTIATE_TEST_SUITE_P(
    Doors, DetailsVerdict,
    ::testing::Values(
        VerdictCase{"DefaultBottom", true, 1.12L, {7.176L, -4.289L, 37.41L}, "stable"},
        VerdictCase{"DefaultMidwater", false, 1.12L, {7.18L, -4.29L, 37.4L}, "stable"},
        VerdictCase{"WarpBehind", false, 3.0L, {7.18L, -4.29L, 37.4L}, "unstable"}),
    [](const auto& info) { return std::string(info.param.Name); });

class SweepMethods : public AnalysisWindows, public ::testing::WithParamInterface<int> {};

TEST_P(SweepMethods, TowingSpeedSweepFillsTheTableAndLeavesTheDoorAlone) {
  const long double speed = app_->Document().Door().v;
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  constexpr int kSteps = 20;
  StartSweep(*sweep, "v", 1, 3, kSteps, GetParam());
  ASSERT_TRUE(WaitForSweepEnd(*sweep));
  auto* table = Find<QTableWidget>(sweep, "SweepTable");
  EXPECT_EQ(table->rowCount(), kSteps + 1);
  ASSERT_NE(sweep->Sweep(), nullptr);
  // A value the search did not balance says so in its row.
  const std::vector<SweepPoint>& points = sweep->Sweep()->Points();
  for (int row = 0; row < table->rowCount(); ++row) {
    const bool converged = points[static_cast<std::size_t>(row)].Converged;
    EXPECT_EQ(table->item(row, 9)->text(), converged ? "yes" : "no") << "row " << row;
  }
  EXPECT_EQ(Find<QProgressBar>(sweep, "SweepProgress")->value(), kSteps + 1);
  EXPECT_EQ(app_->Document().Door().v, speed);
  EXPECT_TRUE(Find<QPushButton>(sweep, "SweepExportCsv")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(RelaxAndNewton, SweepMethods, ::testing::Values(0, 1));

struct RangeCase {
  const char* Variable;
  bool Ranged;  // a main parameter, which has a range
};

class SweepRange : public AnalysisWindows, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(SweepRange, UseRangeOffersTheParametersRange) {
  const RangeCase c = GetParam();
  const int index = MainParamIndex(c.Variable);
  if (c.Ranged) {
    EditTheDoor(app_->Document(), [index](DoorInputs& d) {
      d.Ranges[static_cast<std::size_t>(index)] = {1.5L, 2.5L, 0.1L};
    });
  }
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  auto* vary = Find<QComboBox>(sweep, "SweepVariable");
  vary->setCurrentIndex(vary->findData(QString::fromLatin1(c.Variable)));
  auto* useRange = Find<QPushButton>(sweep, "SweepUseRange");
  EXPECT_EQ(useRange->isEnabled(), c.Ranged);
  if (!c.Ranged) return;
  useRange->click();
  EXPECT_DOUBLE_EQ(Find<QDoubleSpinBox>(sweep, "SweepFrom")->value(), 1.5);
  EXPECT_DOUBLE_EQ(Find<QDoubleSpinBox>(sweep, "SweepTo")->value(), 2.5);
}

INSTANTIATE_TEST_SUITE_P(Variables, SweepRange,
                         ::testing::Values(RangeCase{"v", true}, RangeCase{"x0", true},
                                           RangeCase{"WaterDensity", false},
                                           RangeCase{"BridleAngleH", false}),
                         [](const auto& info) { return std::string(info.param.Variable); });

TEST_F(AnalysisWindows, SweepSearchFollowsTheFastSolver) {
  Action("MnuFastSolver")->trigger();
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  EXPECT_EQ(Find<QComboBox>(sweep, "SweepMethod")->currentData().toString(), "newton");
  Action("MnuFastSolver")->trigger();
  EXPECT_EQ(Find<QComboBox>(sweep, "SweepMethod")->currentData().toString(), "relax");
}

TEST_F(AnalysisWindows, CancelKeepsTheValuesSoFar) {
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  constexpr int kSteps = 10000;
  StartSweep(*sweep, "v", 1, 3, kSteps);
  auto* table = Find<QTableWidget>(sweep, "SweepTable");
  ASSERT_TRUE(QTest::qWaitFor([&] { return table->rowCount() > 0; }, kSweepTimeoutMs));
  Find<QPushButton>(sweep, "SweepCancel")->click();
  EXPECT_FALSE(sweep->Running());
  const int rows = table->rowCount();
  EXPECT_GT(rows, 0);
  EXPECT_LT(rows, kSteps + 1);
  EXPECT_EQ(rows, static_cast<int>(sweep->Sweep()->Points().size()));
  EXPECT_TRUE(Find<QPushButton>(sweep, "SweepRun")->isEnabled());
}

// The results of a sweep are the old door's once another door is opened: they go.
TEST_F(AnalysisWindows, SweepWindowIsEmptyAfterAnotherDoorIsOpened) {
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  StartSweep(*sweep, "v", 1, 3, 4);
  ASSERT_TRUE(WaitForSweepEnd(*sweep));
  auto* table = Find<QTableWidget>(sweep, "SweepTable");
  ASSERT_EQ(table->rowCount(), 5);
  ASSERT_TRUE(app_->Main().OpenFile(QString(DOORTRIM_SAMPLE_DOORS) + "/oval.brd"));
  EXPECT_EQ(table->rowCount(), 0);
  EXPECT_EQ(sweep->Sweep(), nullptr);
  EXPECT_EQ(Find<QProgressBar>(sweep, "SweepProgress")->value(), 0);
  for (const char* button : {"SweepExportCsv", "SweepCopyPlot", "SweepSavePlot"})
    EXPECT_FALSE(Find<QPushButton>(sweep, button)->isEnabled()) << button;
  EXPECT_TRUE(Find<QPushButton>(sweep, "SweepRun")->isEnabled());
}

// A sweep running when another door is opened stops: what it found was the old door's.
TEST_F(AnalysisWindows, OpeningAnotherDoorStopsARunningSweep) {
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  StartSweep(*sweep, "v", 1, 3, 10000);
  ASSERT_TRUE(sweep->Running());
  ASSERT_TRUE(app_->Main().OpenFile(QString(DOORTRIM_SAMPLE_DOORS) + "/oval.brd"));
  EXPECT_FALSE(sweep->Running());
  EXPECT_EQ(Find<QTableWidget>(sweep, "SweepTable")->rowCount(), 0);
}

TEST_F(AnalysisWindows, RefusesARowWithNothingToSweep) {
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  MessageBoxScript boxes;
  StartSweep(*sweep, "v", 2, 2, 10);
  ASSERT_EQ(boxes.Asked().size(), 1u);
  EXPECT_TRUE(boxes.Asked()[0].Text.contains("equal"));
  EXPECT_FALSE(sweep->Running());
}

TEST_F(AnalysisWindows, CsvExportHasTheColumnsAndUnitsOfTheCommandLine) {
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  StartSweep(*sweep, "v", 1, 3, 4);
  ASSERT_TRUE(WaitForSweepEnd(*sweep));
  FileDialogScript files;
  files.Choose(Path("sweep.csv"));
  Find<QPushButton>(sweep, "SweepExportCsv")->click();
  QFile file(Path("sweep.csv"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 1 + 5);
  EXPECT_EQ(lines[0].split(','),
            QStringList({"v", "rot_x_deg", "rot_y_deg", "rot_z_deg", "wing_attack_deg", "spread_kN",
                         "resistance_kN", "vertical_kN", "spread_over_resistance", "converged",
                         "iterations", "moment_sum_Nm"}));
  const std::vector<SweepPoint>& points = sweep->Sweep()->Points();
  for (int i = 1; i < lines.size(); ++i) {
    const QStringList fields = lines[i].split(',');
    ASSERT_EQ(fields.size(), 12);
    const SweepPoint& p = points[static_cast<std::size_t>(i - 1)];
    bool ok = false;
    EXPECT_NEAR(fields[0].toDouble(&ok), static_cast<double>(p.Value), kValueTol);
    EXPECT_TRUE(ok) << fields[0].toStdString();
    EXPECT_NEAR(fields[5].toDouble(), static_cast<double>(p.SpreadKN), kValueTol);
    EXPECT_EQ(fields[9], p.Converged ? "1" : "0");
  }
}

struct ExportCase {
  const char* Name;
  bool Plot;  // the sweep's plot, else the balance window's views
  const char* File;
};

class ImageExport : public AnalysisWindows, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(ImageExport, WritesAValidPicture) {
  const ExportCase c = GetParam();
  FileDialogScript files;
  files.Choose(Path(c.File));
  if (c.Plot) {
    SweepWindow* sweep = OpenSweep();
    ASSERT_NE(sweep, nullptr);
    StartSweep(*sweep, "v", 1, 3, 5);
    ASSERT_TRUE(WaitForSweepEnd(*sweep));
    Find<QPushButton>(sweep, "SweepSavePlot")->click();
  } else {
    Action("MnuSaveViews")->trigger();
  }
  ASSERT_EQ(files.Asked().size(), 1u);
  EXPECT_TRUE(files.Asked()[0].NameFilter.contains("*.svg"));
  if (QString(c.File).endsWith(".svg")) {
    QSvgRenderer svg(Path(c.File));
    EXPECT_TRUE(svg.isValid());
    EXPECT_FALSE(svg.defaultSize().isEmpty());
  } else {
    const QImage image(Path(c.File));
    ASSERT_FALSE(image.isNull());
    // Not a blank page: the drawing has more colours than background and frame.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
      for (int x = 0; x < image.width(); x += 3)
        colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 3);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ImageExport,
                         ::testing::Values(ExportCase{"ViewsPng", false, "views.png"},
                                           ExportCase{"ViewsSvg", false, "views.svg"},
                                           ExportCase{"PlotPng", true, "plot.png"},
                                           ExportCase{"PlotSvg", true, "plot.svg"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(AnalysisWindows, CopyPlotPutsThePictureOnTheClipboard) {
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  auto* copy = Find<QPushButton>(sweep, "SweepCopyPlot");
  EXPECT_FALSE(copy->isEnabled());  // nothing to copy before a sweep
  StartSweep(*sweep, "v", 1, 3, 3);
  ASSERT_TRUE(WaitForSweepEnd(*sweep));
  QApplication::clipboard()->clear();
  copy->click();
  EXPECT_FALSE(QApplication::clipboard()->image().isNull());
}

TEST_F(AnalysisWindows, F1InTheSweepWindowOpensItsHelp) {
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  QTest::keyClick(sweep, Qt::Key_F1);
  HelpBrowser& help = app_->Help();
  EXPECT_TRUE(help.isVisible());
  auto* text = help.findChild<QTextBrowser*>();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->source().path(), "/help/doors_analysis.html");
  help.close();
}

// The target window and the operating map open their place of the analysis page, by F1 and
// by their Help button.
TEST_F(AnalysisWindows, TargetAndMapWindowsOpenTheirHelp) {
  struct Case {
    QDialog* Window;
    const char* Button;
    const char* Anchor;
  };
  HelpBrowser& help = app_->Help();
  auto* text = help.findChild<QTextBrowser*>();
  ASSERT_NE(text, nullptr);
  for (const Case& c : {Case{&window_->Target(), "TargetHelp", "target"},
                        Case{&window_->OperatingMapView(), "OpMapHelp", "map"}}) {
    c.Window->show();
    for (const bool byKey : {true, false}) {
      help.ShowTopic("doors");  // somewhere else first
      help.close();
      if (byKey)
        QTest::keyClick(c.Window, Qt::Key_F1);
      else
        Find<QPushButton>(c.Window, c.Button)->click();
      EXPECT_TRUE(help.isVisible()) << c.Button << (byKey ? " F1" : "");
      EXPECT_EQ(text->source().path(), "/help/doors_analysis.html") << c.Button;
      EXPECT_EQ(text->source().fragment().toStdString(), c.Anchor) << c.Button;
    }
    help.close();
    c.Window->close();
  }
}

// N steps are N + 1 values from From to To, both included, as on the command line
// (doortrim-cli sweep --steps N); the window says how many values its steps make.
TEST_F(AnalysisWindows, StepsMeanTheSameAsOnTheCommandLine) {
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  Find<QSpinBox>(sweep, "SweepSteps")->setValue(4);
  EXPECT_TRUE(Find<QLabel>(sweep, "SweepValuesCount")->text().contains("5"))
      << Find<QLabel>(sweep, "SweepValuesCount")->text().toStdString();
  StartSweep(*sweep, "v", 1, 3, 4);
  ASSERT_TRUE(WaitForSweepEnd(*sweep));
  const std::vector<SweepPoint>& points = sweep->Sweep()->Points();
  ASSERT_EQ(points.size(), 5u);
  for (std::size_t i = 0; i < points.size(); ++i)
    EXPECT_NEAR(points[i].Value, 1 + 0.5L * static_cast<long double>(i), kExact * 10) << i;
  // Every row explains itself in its tool tip; a value that did not balance says what to try.
  auto* table = Find<QTableWidget>(sweep, "SweepTable");
  for (int row = 0; row < table->rowCount(); ++row) {
    const QString hint = table->item(row, 0)->toolTip();
    EXPECT_TRUE(hint.startsWith("v = ")) << hint.toStdString();
    if (!points[static_cast<std::size_t>(row)].Converged) {
      EXPECT_TRUE(hint.contains("Newton")) << hint.toStdString();
    }
  }
  const QString status = Find<QLabel>(sweep, "SweepStatus")->text();
  bool unbalanced = false;
  for (const SweepPoint& p : points)
    unbalanced = unbalanced || !p.Converged;
  EXPECT_EQ(status.contains("red rings"), unbalanced) << status.toStdString();
}

// After a switch the sweep window's status and table headings read the language in full, no
// English word among them.
struct SweepLanguageCase {
  const char* Name;
  int Language;
  const char* DonePrefix;
  const char* AttackHeading;
  bool Cyrillic;  // then no Latin word may stand in the texts at all
};

class SweepInLanguage : public AnalysisWindows,
                        public ::testing::WithParamInterface<SweepLanguageCase> {};

// A word of four or more Latin letters.
bool HasLatinWord(const QString& text) {
  int run = 0;
  for (const QChar c : text) {
    run = (c.unicode() < 128 && c.isLetter()) ? run + 1 : 0;
    if (run >= 4) return true;
  }
  return false;
}

TEST_P(SweepInLanguage, StatusAndHeadingsReadTheLanguage) {
  ASSERT_TRUE(app_->Language().Switch(GetParam().Language));
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  StartSweep(*sweep, "v", 1, 3, 4);
  ASSERT_TRUE(WaitForSweepEnd(*sweep));
  const QString status = Find<QLabel>(sweep, "SweepStatus")->text();
  EXPECT_TRUE(status.startsWith(QString::fromUtf8(GetParam().DonePrefix))) << status.toStdString();
  if (GetParam().Cyrillic) {
    EXPECT_FALSE(HasLatinWord(status)) << status.toStdString();
  }
  for (const char* english : {"Done", "values", "balanced", "red ring", "Newton or"})
    EXPECT_FALSE(status.contains(english)) << status.toStdString();
  auto* table = Find<QTableWidget>(sweep, "SweepTable");
  QStringList headings;
  for (int c = 1; c < table->columnCount(); ++c) {
    const QString heading = table->horizontalHeaderItem(c)->text();
    headings << heading;
    EXPECT_NE(heading.toStdString(), TextCatalogue::English().Text(SweepTexts::kHeadings[c - 1]));
    if (GetParam().Cyrillic) {
      EXPECT_FALSE(HasLatinWord(heading)) << heading.toStdString();
    }
  }
  EXPECT_TRUE(headings.contains(QString::fromUtf8(GetParam().AttackHeading)))
      << headings.join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, SweepInLanguage,
                         ::testing::Values(SweepLanguageCase{"Russian", 1,
                                                             "Готово: сбалансировано ",
                                                             "угол атаки, град", true},
                                           SweepLanguageCase{"Norwegian", 2, "Ferdig: ",
                                                             "angrepsvinkel, grader", false}),
                         [](const auto& info) { return std::string(info.param.Name); });

// The list names each value by its symbol as Projections names it, its description and its
// unit; what is swept is still the model's field.
TEST_F(AnalysisWindows, VaryListShowsDescriptionsAndUnits) {
  SweepWindow* sweep = OpenSweep();
  ASSERT_NE(sweep, nullptr);
  auto* vary = Find<QComboBox>(sweep, "SweepVariable");
  int fields = 0;
  for (int i = 0; i < vary->count(); ++i) {
    const QString name = vary->itemData(i).toString();
    if (name.isEmpty()) continue;  // the separator
    ++fields;
    ASSERT_TRUE(FindEditableField(name.toStdString()).has_value()) << name.toStdString();
    const QString text = vary->itemText(i);
    EXPECT_TRUE(text.contains('[') && text.contains(']')) << "no unit: " << text.toStdString();
    EXPECT_GT(text.size(), name.size() + 8) << "no description: " << text.toStdString();
  }
  EXPECT_EQ(fields, static_cast<int>(kMainParams.size() + kEnvironmentFields.size()));
  // The wing's height is "h" in Projections.
  const QString height = vary->itemText(vary->findData(QStringLiteral("H")));
  EXPECT_TRUE(height.startsWith("h ")) << height.toStdString();
  EXPECT_TRUE(height.contains("[m]")) << height.toStdString();
}

}  // namespace
