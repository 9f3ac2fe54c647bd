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
#include "TEditF.h"
#include "TSpinButton.h"

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
  for (int i = 0; i < 3; ++i, ++row) {
    grid->addWidget(new QLabel(letters[i], group), row, 0);
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
  layout->setMenuBar(BalanceMenu);

  Splitter2 = new QSplitter(Qt::Vertical, &window);
  Splitter2->setObjectName("Splitter2");
  Splitter2->setHandleWidth(5);
  Splitter2->setChildrenCollapsible(false);
  layout->addWidget(Splitter2);

  auto* top = new QWidget(Splitter2);
  top->setObjectName("TopBand");
  BuildTopBand(top);

  auto* bottom = new QWidget(Splitter2);
  bottom->setObjectName("BottomBand");
  bottom->setAutoFillBackground(true);
  bottom->setStyleSheet("#BottomBand { background: white; }");
  auto* bottomLayout = new QHBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  bottomLayout->setSpacing(0);
  // The plan view is kept as wide as the side view above it (BalanceViewLayout sets its
  // maximum); it takes all the room up to that width before the gap beside the panel does.
  ScPic2 = View("ScPic2", bottom);
  ScPic2->setMaximumWidth(kSideViewWidth);
  bottomLayout->addWidget(ScPic2, 1);
  Panel10 = new QWidget(bottom);
  Panel10->setObjectName("Panel10");
  Panel10->setFixedWidth(kControlPanelWidth);
  BuildControlPanel(Panel10);
  bottomLayout->addStretch(0);
  bottomLayout->addWidget(Panel10);

  Splitter2->addWidget(top);
  Splitter2->addWidget(bottom);
  Splitter2->setSizes({kTopBandHeight, kClientHeight - kTopBandHeight - 5});
  Splitter2->setStretchFactor(0, 1);
  Splitter2->setStretchFactor(1, 1);
  window.resize(kClientWidth, kClientHeight + BalanceMenu->sizeHint().height());
}

void BalanceUi::BuildTopBand(QWidget* band) {
  band->setStyleSheet("#TopBand { background: white; }");
  band->setAutoFillBackground(true);
  auto* layout = new QHBoxLayout(band);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Splitter1 = new QSplitter(Qt::Horizontal, band);
  Splitter1->setObjectName("Splitter1");
  Splitter1->setHandleWidth(5);
  Splitter1->setChildrenCollapsible(false);
  ScPic1 = View("ScPic1", Splitter1);
  ScPic3 = View("ScPic3", Splitter1);
  Splitter1->addWidget(ScPic1);
  Splitter1->addWidget(ScPic3);
  Splitter1->setSizes({kSideViewWidth, kClientWidth - kSideViewWidth - 5 - kResultPanelWidth});
  layout->addWidget(Splitter1, 1);

  Panel3 = new QWidget(band);
  Panel3->setObjectName("Panel3");
  Panel3->setFixedWidth(kResultPanelWidth);
  auto* panel = new QVBoxLayout(Panel3);
  panel->setContentsMargins(2, 2, 2, 2);
  Edit1 = ReadOnlyField("Edit1", Panel3);
  Edit2 = ReadOnlyField("Edit2", Panel3);
  Edit3 = ReadOnlyField("Edit3", Panel3);
  QWidget* stability[3] = {Edit1, Edit2, Edit3};
  panel->addWidget(TripleGroup("Stability,\n[kN*m/deg]", "GroupBox1", Panel3, stability));
  Edit4 = ReadOnlyField("Edit4", Panel3);
  Edit5 = ReadOnlyField("Edit5", Panel3);
  Edit6 = ReadOnlyField("Edit6", Panel3);
  QWidget* moments[3] = {Edit4, Edit5, Edit6};
  panel->addWidget(TripleGroup("Moments,\n[kN*m]", "GroupBox2", Panel3, moments));
  panel->addStretch(1);
  layout->addWidget(Panel3);
}

void BalanceUi::BuildControlPanel(QWidget* panel) {
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(4, 4, 4, 4);

  // The rotation fields' group is "Panel6": its name is part of their range message.
  TEditF* angles[3];
  TSpinButton* spins[3];
  const char* angleNames[3] = {"Edit7", "Edit8", "Edit9"};
  const char* spinNames[3] = {"SpinButton1", "SpinButton2", "SpinButton3"};
  for (int i = 0; i < 3; ++i) {
    angles[i] = new TEditF(panel);
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
  Edit7 = angles[0];
  Edit8 = angles[1];
  Edit9 = angles[2];
  SpinButton1 = spins[0];
  SpinButton2 = spins[1];
  SpinButton3 = spins[2];
  QWidget* angleFields[3] = {Edit7, Edit8, Edit9};
  grid->addWidget(TripleGroup("Rotation, [deg]", "Panel6", panel, angleFields, spins), 0, 0);

  auto* forces = new QGroupBox("Forces, [kN]", panel);
  forces->setObjectName("GroupBox4");
  auto* forceGrid = new QGridLayout(forces);
  forceGrid->setContentsMargins(6, 6, 6, 6);
  Edit10 = ReadOnlyField("Edit10", forces);
  Edit11 = ReadOnlyField("Edit11", forces);
  Edit12 = ReadOnlyField("Edit12", forces);
  for (QLineEdit* field : {Edit10, Edit11, Edit12})
    field->setMinimumWidth(72);
  forceGrid->addWidget(new QLabel("Resistance:", forces), 0, 0);
  forceGrid->addWidget(Edit10, 0, 1);
  forceGrid->addWidget(new QLabel("Spread force:", forces), 1, 0);
  forceGrid->addWidget(Edit11, 1, 1);
  forceGrid->addWidget(new QLabel("Vertical:", forces), 2, 0);
  forceGrid->addWidget(Edit12, 2, 1);
  grid->addWidget(forces, 0, 1);

  auto* attackRow = new QHBoxLayout();
  attackRow->addWidget(new QLabel("Attack angle, [deg]:", panel));
  Edit13 = ReadOnlyField("Edit13", panel);
  attackRow->addWidget(Edit13);
  grid->addLayout(attackRow, 1, 0, 1, 2);

  Panel8 = new QGroupBox("Variable", panel);
  Panel8->setObjectName("Panel8");
  auto* variable = new QHBoxLayout(Panel8);
  variable->setContentsMargins(6, 4, 6, 4);
  Label21 = new QLabel(Panel8);
  Label21->setObjectName("Label21");
  Edit14 = new QLineEdit(Panel8);
  Edit14->setObjectName("Edit14");
  SpinButton4 = new TSpinButton(Panel8);
  SpinButton4->setObjectName("SpinButton4");
  variable->addWidget(Label21);
  variable->addWidget(Edit14);
  variable->addWidget(SpinButton4);
  Panel8->setVisible(false);
  grid->addWidget(Panel8, 2, 0, 1, 2);

  auto* buttons = new QGridLayout();
  auto button = [panel](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, panel);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
  };
  SpeedButton1 = button("SpeedButton1", "Balance");
  SpeedButton1->setCheckable(true);
  SolveButton = button("SolveButton", "Solve");
  UpdateButton = button("UpdateButton", "Update");
  UpdateButton->setDefault(true);  // Enter presses it
  Button3 = button("Button3", "Detail");
  OKBtn = button("OKBtn", "OK");
  HelpBtn = button("HelpBtn", "Help");
  buttons->addWidget(SpeedButton1, 0, 0);
  buttons->addWidget(SolveButton, 0, 1);
  buttons->addWidget(UpdateButton, 0, 2);
  buttons->addWidget(Button3, 1, 0);
  buttons->addWidget(OKBtn, 1, 1);
  buttons->addWidget(HelpBtn, 1, 2);
  grid->addLayout(buttons, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);
}

void BalanceUi::BuildMenus(QDialog& window) {
  BalanceMenu = new QMenuBar(&window);
  BalanceMenu->setObjectName("BalanceMenu");

  QMenu* dialogs = BalanceMenu->addMenu("Dialogs");
  dialogs->setObjectName("Dialogs1");
  MnuFront = AddItem(dialogs, "MnuFront", "Projections ...");
  MnuHydro = AddItem(dialogs, "MnuHydro", "Hydrodynamic ...");
  dialogs->addSeparator();
  MnuEnvir = AddItem(dialogs, "MnuEnvir", "Environment ...");
  MnuTrawl = AddItem(dialogs, "MnuTrawl", "Trawl ...");
  dialogs->addSeparator();
  MnuGround = AddItem(dialogs, "MnuGround", "Ground ...");
  MnuKGeom = AddItem(dialogs, "MnuKGeom", "Keel form ...");
  MnuKPos = AddItem(dialogs, "MnuKPos", "Keel position ...");
  dialogs->addSeparator();
  MnuDetail = AddItem(dialogs, "MnuDetail", "Detail ...");

  QMenu* options = BalanceMenu->addMenu("Options");
  options->setObjectName("Options1");
  MnuBottom = AddItem(options, "MnuBottom", "Bottom Case", true);
  options->addSeparator();
  MnuShHidden = AddItem(options, "MnuShHidden", "Show hidden lines", true);
  MnuShPoints = AddItem(options, "MnuShPoints", "Show force's application points", true);
  MnuShForces = AddItem(options, "MnuShForces", "Show forces", true);
  MnuShForces->setChecked(true);
  MnuShLabels = AddItem(options, "MnuShLabels", "Show forces labels", true);
  MnuShLabels->setChecked(true);
  options->addSeparator();
  MnuShProces = AddItem(options, "MnuShProces", "Show solving process", true);
  SolverSensitivity = AddItem(options, "SolverSensitivity", "Solver sensitivity ...");
  options->addSeparator();
  RunCalculator1 = AddItem(options, "RunCalculator1", "Run Calculator");
  RunCalculator1->setShortcut(QKeySequence("Ctrl+F1"));

  QMenu* report = BalanceMenu->addMenu("Report");
  report->menuAction()->setObjectName("Print1");
  ShowLogFile1 = AddItem(report, "ShowLogFile1", "Show Log File ...");
  ClearLogFile1 = AddItem(report, "ClearLogFile1", "Clear Log File");
  Print2 = BalanceMenu->addAction("Print");
  Print2->setObjectName("Print2");

  PopupMenu1 = new QMenu(&window);
  PopupMenu1->setObjectName("PopupMenu1");
  PopFront = AddItem(PopupMenu1, "PopFront", "Projections ...");
  PopHydro = AddItem(PopupMenu1, "PopHydro", "Hydrodynamic ...");
  PopEnvir = AddItem(PopupMenu1, "PopEnvir", "Environment ...");
  PopTrawl = AddItem(PopupMenu1, "PopTrawl", "Trawl ...");
  PopGround = AddItem(PopupMenu1, "PopGround", "Ground ...");
  PopKGeom = AddItem(PopupMenu1, "PopKGeom", "Keel geometry ...");
  PopKPos = AddItem(PopupMenu1, "PopKPos", "Keel position ...");
  PopupMenu1->addSeparator();
  PopBottom = AddItem(PopupMenu1, "PopBottom", "Bottom case", true);
  PopBottom->setChecked(true);
  PopupMenu1->addSeparator();
  PopShHidden = AddItem(PopupMenu1, "PopShHidden", "Show hidden", true);
  PopShPoints = AddItem(PopupMenu1, "PopShPoints", "Show points", true);
  PopShForces = AddItem(PopupMenu1, "PopShForces", "Show forces", true);
  PopShLabels = AddItem(PopupMenu1, "PopShLabels", "Show labels", true);
  PopShProces = AddItem(PopupMenu1, "PopShProces", "Visualisation", true);
}
