#include "BalanceUi.h"

#include <QAction>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "ScPic.h"
#include "TSpinButton.h"
#include "ValidatedField.h"

namespace {

constexpr int kClientWidth = 651;
constexpr int kClientHeight = 550;
constexpr int kTopBandHeight = 347;
constexpr int kSideViewWidth = 344;
constexpr int kResultPanelWidth = 101;
constexpr int kControlPanelWidth = 305;  // wide enough for "Spread force:" in the desktop font
constexpr int kMinimumView = 100;

QAction* AddItem(QMenu* menu, const char* name, const QString& caption, bool checkable = false) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setCheckable(checkable);
  return action;
}

QLineEdit* ReadOnlyField(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

ScPic* View(const char* name, QWidget* parent) {
  auto* view = new ScPic(ScPic::itMetafile, parent);
  view->setObjectName(name);
  view->setMinimumSize(kMinimumView, kMinimumView);
  return view;
}

// A titled group of "x:", "y:", "z:" rows, with spin buttons beside the fields when given.
// A title on two lines ("Stability," over "[kN*m/deg]") goes to a label of its own: group box
// titles hold one line.
QGroupBox* TripleGroup(const QString& caption, const char* name, QWidget* parent,
                       QWidget* fields[3], TSpinButton* spins[3] = nullptr) {
  const QStringList lines = caption.split('\n');
  auto* group = new QGroupBox(lines.front(), parent);
  group->setObjectName(name);
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(6, 6, 6, 6);
  grid->setVerticalSpacing(3);
  int row = 0;
  if (lines.size() > 1) {
    auto* unit = new QLabel(lines.back(), group);
    unit->setObjectName(QString(name) + "Unit");
    grid->addWidget(unit, row++, 0, 1, spins ? 3 : 2);
  }
  const char* letters[3] = {"x:", "y:", "z:"};
  const char* axes[3] = {"X", "Y", "Z"};
  for (int i = 0; i < 3; ++i, ++row) {
    auto* letter = new QLabel(letters[i], group);
    letter->setObjectName(QString(name) + axes[i]);  // "GroupBox1X"
    grid->addWidget(letter, row, 0);
    grid->addWidget(fields[i], row, 1);
    if (spins) grid->addWidget(spins[i], row, 2);
  }
  return group;
}

}  // namespace

void BalanceUi::Build(QDialog& window) {
  // The window packs many fields into its design size: a compact font keeps them readable.
  QFont compact = window.font();
  compact.setPointSizeF(8);
  window.setFont(compact);
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildMenus(window);
  layout->setMenuBar(MenuBar);

  BandSplitter = new QSplitter(Qt::Vertical, &window);
  BandSplitter->setObjectName("Splitter2");
  BandSplitter->setHandleWidth(5);
  BandSplitter->setChildrenCollapsible(false);
  layout->addWidget(BandSplitter);

  auto* top = new QWidget(BandSplitter);
  top->setObjectName("TopBand");
  BuildTopBand(top);

  auto* bottom = new QWidget(BandSplitter);
  bottom->setObjectName("BottomBand");
  bottom->setAutoFillBackground(true);
  bottom->setStyleSheet("#BottomBand { background: white; }");
  auto* bottomLayout = new QHBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  bottomLayout->setSpacing(0);
  // The plan view is kept as wide as the side view above it (BalanceViewLayout sets its
  // maximum); it takes all the room up to that width before the gap beside the panel does.
  PlanView = View("ScPic2", bottom);
  PlanView->setMaximumWidth(kSideViewWidth);
  bottomLayout->addWidget(PlanView, 1);
  ControlPanel = new QWidget(bottom);
  ControlPanel->setObjectName("Panel10");
  // The panels keep their design widths unless longer texts need more.
  ControlPanel->setMinimumWidth(kControlPanelWidth);
  ControlPanel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  BuildControlPanel(ControlPanel);
  bottomLayout->addStretch(0);
  bottomLayout->addWidget(ControlPanel);

  BandSplitter->addWidget(top);
  BandSplitter->addWidget(bottom);
  BandSplitter->setSizes({kTopBandHeight, kClientHeight - kTopBandHeight - 5});
  BandSplitter->setStretchFactor(0, 1);
  BandSplitter->setStretchFactor(1, 1);
  window.resize(kClientWidth, kClientHeight + MenuBar->sizeHint().height());
}

void BalanceUi::BuildTopBand(QWidget* band) {
  band->setStyleSheet("#TopBand { background: white; }");
  band->setAutoFillBackground(true);
  auto* layout = new QHBoxLayout(band);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  ViewSplitter = new QSplitter(Qt::Horizontal, band);
  ViewSplitter->setObjectName("Splitter1");
  ViewSplitter->setHandleWidth(5);
  ViewSplitter->setChildrenCollapsible(false);
  SideView = View("ScPic1", ViewSplitter);
  FrontView = View("ScPic3", ViewSplitter);
  ViewSplitter->addWidget(SideView);
  ViewSplitter->addWidget(FrontView);
  ViewSplitter->setSizes({kSideViewWidth, kClientWidth - kSideViewWidth - 5 - kResultPanelWidth});
  layout->addWidget(ViewSplitter, 1);

  ResultPanel = new QWidget(band);
  ResultPanel->setObjectName("Panel3");
  ResultPanel->setMinimumWidth(kResultPanelWidth);
  ResultPanel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  auto* panel = new QVBoxLayout(ResultPanel);
  panel->setContentsMargins(2, 2, 2, 2);
  StabilityX = ReadOnlyField("Edit1", ResultPanel);
  StabilityY = ReadOnlyField("Edit2", ResultPanel);
  StabilityZ = ReadOnlyField("Edit3", ResultPanel);
  QWidget* stability[3] = {StabilityX, StabilityY, StabilityZ};
  panel->addWidget(TripleGroup("Stability,\n[kN*m/deg]", "GroupBox1", ResultPanel, stability));
  MomentX = ReadOnlyField("Edit4", ResultPanel);
  MomentY = ReadOnlyField("Edit5", ResultPanel);
  MomentZ = ReadOnlyField("Edit6", ResultPanel);
  QWidget* moments[3] = {MomentX, MomentY, MomentZ};
  panel->addWidget(TripleGroup("Moments,\n[kN*m]", "GroupBox2", ResultPanel, moments));
  panel->addStretch(1);
  layout->addWidget(ResultPanel);
}

void BalanceUi::BuildControlPanel(QWidget* panel) {
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(4, 4, 4, 4);

  // The rotation fields' group is "Panel6": its name is part of their range message.
  ValidatedField* angles[3];
  TSpinButton* spins[3];
  const char* angleNames[3] = {"Edit7", "Edit8", "Edit9"};
  const char* spinNames[3] = {"SpinButton1", "SpinButton2", "SpinButton3"};
  for (int i = 0; i < 3; ++i) {
    angles[i] = new ValidatedField(panel);
    angles[i]->BeginLoading();
    angles[i]->setObjectName(angleNames[i]);
    angles[i]->setValMin(-90);
    angles[i]->setValMax(90);
    angles[i]->setValDefault(0);
    angles[i]->setValPrecision(3);
    angles[i]->setVal(0);
    angles[i]->EndLoading();
    angles[i]->setFixedWidth(58);
    spins[i] = new TSpinButton(panel);
    spins[i]->setObjectName(spinNames[i]);
  }
  RotationX = angles[0];
  RotationY = angles[1];
  RotationZ = angles[2];
  RotationXSpin = spins[0];
  RotationYSpin = spins[1];
  RotationZSpin = spins[2];
  QWidget* angleFields[3] = {RotationX, RotationY, RotationZ};
  grid->addWidget(TripleGroup("Rotation, [deg]", "Panel6", panel, angleFields, spins), 0, 0);

  auto* forces = new QGroupBox("Forces, [kN]", panel);
  forces->setObjectName("GroupBox4");
  auto* forceGrid = new QGridLayout(forces);
  forceGrid->setContentsMargins(6, 6, 6, 6);
  Resistance = ReadOnlyField("Edit10", forces);
  SpreadForce = ReadOnlyField("Edit11", forces);
  VerticalForce = ReadOnlyField("Edit12", forces);
  for (QLineEdit* field : {Resistance, SpreadForce, VerticalForce})
    field->setMinimumWidth(72);
  const auto namedLabel = [](const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
  };
  forceGrid->addWidget(namedLabel("LabelResistance", "Resistance:", forces), 0, 0);
  forceGrid->addWidget(Resistance, 0, 1);
  forceGrid->addWidget(namedLabel("LabelSpread", "Spread force:", forces), 1, 0);
  forceGrid->addWidget(SpreadForce, 1, 1);
  forceGrid->addWidget(namedLabel("LabelVertical", "Vertical:", forces), 2, 0);
  forceGrid->addWidget(VerticalForce, 2, 1);
  grid->addWidget(forces, 0, 1);

  auto* attackRow = new QHBoxLayout();
  attackRow->addWidget(namedLabel("LabelAttack", "Attack angle, [deg]:", panel));
  AttackAngle = ReadOnlyField("Edit13", panel);
  attackRow->addWidget(AttackAngle);
  grid->addLayout(attackRow, 1, 0, 1, 2);

  VariableGroup = new QGroupBox("Variable", panel);
  VariableGroup->setObjectName("Panel8");
  auto* variable = new QHBoxLayout(VariableGroup);
  variable->setContentsMargins(6, 4, 6, 4);
  VariableName = new QLabel(VariableGroup);
  VariableName->setObjectName("Label21");
  VariableValue = new QLineEdit(VariableGroup);
  VariableValue->setObjectName("Edit14");
  VariableSpin = new TSpinButton(VariableGroup);
  VariableSpin->setObjectName("SpinButton4");
  variable->addWidget(VariableName);
  variable->addWidget(VariableValue);
  variable->addWidget(VariableSpin);
  VariableGroup->setVisible(false);
  grid->addWidget(VariableGroup, 2, 0, 1, 2);

  auto* buttons = new QGridLayout();
  auto button = [panel](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, panel);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
  };
  BalanceButton = button("SpeedButton1", "Balance");
  BalanceButton->setCheckable(true);
  SolveButton = button("SolveButton", "Solve");
  UpdateButton = button("UpdateButton", "Update");
  UpdateButton->setDefault(true);  // Enter presses it
  DetailButton = button("Button3", "Detail");
  OkButton = button("OKBtn", "OK");
  HelpButton = button("HelpBtn", "Help");
  buttons->addWidget(BalanceButton, 0, 0);
  buttons->addWidget(SolveButton, 0, 1);
  buttons->addWidget(UpdateButton, 0, 2);
  buttons->addWidget(DetailButton, 1, 0);
  buttons->addWidget(OkButton, 1, 1);
  buttons->addWidget(HelpButton, 1, 2);
  grid->addLayout(buttons, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);
}

void BalanceUi::BuildMenus(QDialog& window) {
  MenuBar = new QMenuBar(&window);
  MenuBar->setObjectName("BalanceMenu");

  QMenu* dialogs = MenuBar->addMenu("&Dialogs");
  dialogs->setObjectName("Dialogs1");
  // A command out of use says why in its tip.
  dialogs->setToolTipsVisible(true);
  ProjectionsItem = AddItem(dialogs, "MnuFront", "Projections ...");
  HydrodynamicItem = AddItem(dialogs, "MnuHydro", "Hydrodynamic ...");
  dialogs->addSeparator();
  EnvironmentItem = AddItem(dialogs, "MnuEnvir", "Environment ...");
  TrawlItem = AddItem(dialogs, "MnuTrawl", "Trawl ...");
  dialogs->addSeparator();
  GroundItem = AddItem(dialogs, "MnuGround", "Ground ...");
  KeelGeometryItem = AddItem(dialogs, "MnuKGeom", "Keel form ...");
  KeelOriginItem = AddItem(dialogs, "MnuKPos", "Keel position ...");
  dialogs->addSeparator();
  DetailItem = AddItem(dialogs, "MnuDetail", "Detail ...");
  SweepItem = AddItem(dialogs, "MnuSweep", "Sweep ...");
  TargetItem = AddItem(dialogs, "MnuTarget", "Target ...");
  OperatingMapItem = AddItem(dialogs, "MnuOperatingMap", "Operating map ...");

  QMenu* options = MenuBar->addMenu("&Options");
  options->setObjectName("Options1");
  options->setToolTipsVisible(true);
  BottomCaseItem = AddItem(options, "MnuBottom", "Bottom Case", true);
  options->addSeparator();
  ShowHiddenItem = AddItem(options, "MnuShHidden", "Show hidden lines", true);
  ShowPointsItem = AddItem(options, "MnuShPoints", "Show force's application points", true);
  ShowForcesItem = AddItem(options, "MnuShForces", "Show forces", true);
  ShowForcesItem->setChecked(true);
  ShowLabelsItem = AddItem(options, "MnuShLabels", "Show forces labels", true);
  ShowLabelsItem->setChecked(true);
  options->addSeparator();
  ShowProcessItem = AddItem(options, "MnuShProces", "Show solving process", true);
  SensitivityItem = AddItem(options, "SolverSensitivity", "Solver sensitivity ...");
  FastSolverItem = AddItem(options, "MnuFastSolver", "Fast solver", true);
  FastSolverItem->setToolTip("Balance with the Newton search instead of the relaxation");
  PreciseGroundItem = AddItem(options, "MnuPreciseGround", "Precise ground contact", true);
  PreciseGroundItem->setToolTip(
      "Find the keel's sinking depth to full precision: slower, but doors whose ground force "
      "changes in steps balance");
  options->addSeparator();
  CalculatorItem = AddItem(options, "RunCalculator1", "Run Calculator");
  CalculatorItem->setShortcut(QKeySequence("Ctrl+F1"));

  QMenu* report = MenuBar->addMenu("&Report");
  report->menuAction()->setObjectName("Print1");
  ShowLogItem = AddItem(report, "ShowLogFile1", "Show Log File ...");
  ClearLogItem = AddItem(report, "ClearLogFile1", "Clear Log File");
  report->addSeparator();
  SaveViewsItem = AddItem(report, "MnuSaveViews", "Save views as image ...");
  PrintItem = MenuBar->addAction("&Print");
  PrintItem->setObjectName("Print2");

  PopupMenu = new QMenu(&window);
  PopupMenu->setObjectName("PopupMenu1");
  PopupMenu->setToolTipsVisible(true);
  PopProjectionsItem = AddItem(PopupMenu, "PopFront", "Projections ...");
  PopHydrodynamicItem = AddItem(PopupMenu, "PopHydro", "Hydrodynamic ...");
  PopEnvironmentItem = AddItem(PopupMenu, "PopEnvir", "Environment ...");
  PopTrawlItem = AddItem(PopupMenu, "PopTrawl", "Trawl ...");
  PopGroundItem = AddItem(PopupMenu, "PopGround", "Ground ...");
  PopKeelGeometryItem = AddItem(PopupMenu, "PopKGeom", "Keel geometry ...");
  PopKeelOriginItem = AddItem(PopupMenu, "PopKPos", "Keel position ...");
  PopupMenu->addSeparator();
  PopBottomCaseItem = AddItem(PopupMenu, "PopBottom", "Bottom case", true);
  PopBottomCaseItem->setChecked(true);
  PopupMenu->addSeparator();
  PopShowHiddenItem = AddItem(PopupMenu, "PopShHidden", "Show hidden", true);
  PopShowPointsItem = AddItem(PopupMenu, "PopShPoints", "Show points", true);
  PopShowForcesItem = AddItem(PopupMenu, "PopShForces", "Show forces", true);
  PopShowLabelsItem = AddItem(PopupMenu, "PopShLabels", "Show labels", true);
  PopShowProcessItem = AddItem(PopupMenu, "PopShProces", "Visualisation", true);
}
