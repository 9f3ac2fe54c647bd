#include "ProjUi.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "DerivedLabel.h"
#include "ProjPagesLayout.h"
#include "ScPic.h"
#include "model/EditableFields.h"

namespace {

constexpr int kClientWidth = 611;
constexpr int kClientHeight = 400;
constexpr int kFieldWidth = 72;

enum Page { kFront, kPlan, kSide };

constexpr int kXY = 5, kXYDecimals = 3;  // y and x rows, R and the plan's other values
constexpr int kG = 7, kGDecimals = 0;
constexpr int kZ = 7, kZDecimals = 4;  // z rows, h and F

const char* const kPageNames[ProjUi::kPageCount] = {"PageFront", "PagePlan", "PageSide"};
const char* const kAreaNames[ProjUi::kPageCount] = {"PanelFront", "PanelPlan", "PanelSide"};
const char* const kColumnNames[ProjUi::kPageCount] = {"FieldsFront", "FieldsPlan", "FieldsSide"};
const char* const kImageNames[ProjUi::kPageCount] = {"Image1", "Image2", "Image3"};
const char* const kSurfaceNames[ProjUi::kPageCount] = {"ScFront", "ScPlan", "ScSide"};

struct OptionText {
  const char* MenuName;
  const char* MenuCaption;
  const char* PopName;
  const char* PopCaption;
  const char* BoxName;
  const char* BoxCaption;
  const char* BoxHint;
};

const OptionText kOptions[ProjUi::kOptionCount] = {
    {"Scheme1", "Scheme", "PopScheme", "Scheme", "CheckBox1", "Scheme",
     "Scheme (drawing) or picture"},
    {"ShowHidden1", "Show Hidden", "PopHidden", "Show hidden", "CheckBox2", "Hidden",
     "Show hidden lines"},
    {"ShowPoints1", "Show Points", "PopPoints", "Show points", "CheckBox3", "Points",
     "Show forces application points"},
    {"ShowForces1", "Show Forces", "PopForces", "Show forces", "CheckBox4", "Forces",
     "Show force's projections"},
    {"ShowLabels1", "Show Labels", "PopLabels", "Show labels", "CheckBox5", "Labels",
     "Show labels near the force's projections"},
};

QAction* AddItem(QMenu* menu, const char* name, const QString& caption, bool checkable = false) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setCheckable(checkable);
  return action;
}

// The unit a hint ends with, in its brackets: "Speed of Trawling, [m/sec]" gives "[m/sec]";
// nothing when the hint names none.
QString UnitOf(const QString& hint) {
  static const QRegularExpression kUnit(QStringLiteral("(\\[[^\\]]*\\])\\s*$"));
  const QRegularExpressionMatch found = kUnit.match(hint);
  return found.hasMatch() ? found.captured(1) : QString();
}

}  // namespace

const std::array<ProjUi::Row, kMainParamCount> ProjUi::Rows = {{
    {kFront, "y0:", "Ordinate of Warp attachment point, [m]", kXY, kXYDecimals},
    {kFront, "yc0:", "Ordinate of Upper Bridle attachment point,[m]", kXY, kXYDecimals},
    {kFront, "yc1:", "Ordinate of Lower Bridle attachment point,[m]", kXY, kXYDecimals},
    {kFront, "yh:", "Ordinate of hydrodynamic force application point for Wing,[m]", kXY,
     kXYDecimals},
    {kFront, "ys:", "Ordinate of hydrodynamic force application point for Stringer,[m]", kXY,
     kXYDecimals},
    {kFront, "yg:", "Ordinate of centre of gravity,[m]", kXY, kXYDecimals},
    {kFront, "G:", "Force of gravity, [newton]", kG, kGDecimals},
    {kPlan, "x0:", "Abscissa of Warp attachment point, [m]", kXY, kXYDecimals},
    {kPlan, "xc0:", "Abscissa of Upper Bridle attachment point, [m]", kXY, kXYDecimals},
    {kPlan, "xc1:", "Abscissa of Lower Bridle attachment point, [m]", kXY, kXYDecimals},
    {kPlan, "xg:", "Abscissa of Centre of gravity, [m]", kXY, kXYDecimals},
    {kPlan, "R:", "Resistance of Net and Rigging, [newton]", kXY, kXYDecimals},
    {kPlan, "v:", "Speed of Trawling, [m/sec]", kXY, kXYDecimals},
    {kPlan, "Fs:", "Total Area of Stringers, [m*m]", kXY, kXYDecimals},
    {kPlan, "b:", "Chord of Plane, [m]", kXY, kXYDecimals},
    {kSide, "zh:", "Applicate of hydrodynamic force application point for Wing,[m]", kZ,
     kZDecimals},
    {kSide, "zs:", "Applicate of hydrodynamic force application point for Stringer,[m]", kZ,
     kZDecimals},
    {kSide, "zg:", "Applicate of centre of gravity,[m]", kZ, kZDecimals},
    {kSide, "z0:", "Applicate of Warp attachment point, [m]", kZ, kZDecimals},
    {kSide, "zc0:", "Applicate of Upper Bridle attachment point, [m]", kZ, kZDecimals},
    {kSide, "zc1:", "Applicate of Lower Bridle attachment point, [m]", kZ, kZDecimals},
    {kSide, "h:", "Height of Wing, [m]", kZ, kZDecimals},
    {kSide, "F:", "Area of Wing, [m*m]", kZ, kZDecimals},
}};

void ProjUi::Build(QDialog& window) {
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildMenus(window);
  layout->setMenuBar(MenuBar);

  PageHost = new QWidget(&window);
  PageHost->setObjectName("Notebook1");
  PagesLayout = new ProjPagesLayout(PageHost);
  layout->addWidget(PageHost, 1);
  for (int page = 0; page < kPageCount; ++page) {
    BuildPage(page);
    PagesLayout->AddPage({Pages[page], Areas[page], Columns[page], Images[page], Surfaces[page]});
  }

  auto* bar = new QWidget(&window);
  bar->setObjectName("Panel1");
  auto* barLayout = new QHBoxLayout(bar);
  barLayout->setContentsMargins(4, 2, 4, 4);
  PageTabs = new QTabBar(bar);
  PageTabs->setObjectName("TabSet1");
  PageTabs->setShape(QTabBar::RoundedSouth);
  PageTabs->setExpanding(false);
  // Clicking a tab takes the focus, so the field being edited is left (and stored) first.
  PageTabs->setFocusPolicy(Qt::StrongFocus);
  PageTabs->addTab("Front View");
  PageTabs->addTab("Plan View");
  PageTabs->addTab("Side View");
  barLayout->addWidget(PageTabs, 1, Qt::AlignLeft | Qt::AlignTop);
  auto button = [bar, barLayout](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, bar);
    b->setObjectName(name);
    // Enter in a field must not close the dialog with a field that was never checked.
    b->setAutoDefault(false);
    barLayout->addWidget(b, 0, Qt::AlignTop);
    return b;
  };
  OkButton = button("OKBtn", "OK");
  CancelButton = button("CancelBtn", "Cancel");
  HelpButton = button("HelpBtn", "Help");
  layout->addWidget(bar);

  BuildShowBox(window);
  layout->addWidget(ShowBox);
  window.resize(kClientWidth, kClientHeight);
}

void ProjUi::BuildPage(int page) {
  QWidget* host = Pages[page] = new QWidget(PageHost);
  host->setObjectName(kPageNames[page]);

  QWidget* area = Areas[page] = new QWidget(host);
  area->setObjectName(kAreaNames[page]);
  area->setContextMenuPolicy(Qt::CustomContextMenu);
  QLabel* image = Images[page] = new QLabel(area);
  image->setObjectName(kImageNames[page]);
  image->setScaledContents(true);
  image->setContextMenuPolicy(Qt::CustomContextMenu);
  ScPic* surface = Surfaces[page] = new ScPic(ScPic::itMetafile, area);
  surface->setObjectName(kSurfaceNames[page]);
  surface->setContextMenuPolicy(Qt::CustomContextMenu);
  surface->setVisible(false);  // Scheme starts off: the pictures are shown

  QWidget* column = Columns[page] = new QWidget(host);
  column->setObjectName(kColumnNames[page]);
  auto* grid = new QGridLayout(column);
  grid->setContentsMargins(6, 8, 8, 8);
  grid->setVerticalSpacing(4);
  QFont bold = column->font();
  bold.setBold(true);
  QLineEdit* previous = nullptr;
  int row = 0;
  for (int i = 0; i < kMainParamCount; ++i) {
    if (Rows[i].Page != page) continue;
    const QString name = QString::fromLatin1(kMainParams[i].Name);
    QLabel* label = Labels[i] = new QLabel(Rows[i].Caption, column);
    label->setObjectName("Label_" + name);
    label->setFont(bold);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setToolTip(Rows[i].Hint);
    QLineEdit* edit = Edits[i] = new QLineEdit(column);
    edit->setObjectName("Edit_" + name);
    edit->setFixedWidth(kFieldWidth);
    edit->setToolTip(Rows[i].Hint);
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    label->setBuddy(edit);
    QLabel* unit = Units[i] = new DerivedLabel("Unit_" + name, column);
    unit->setText(UnitOf(Rows[i].Hint));
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(unit, row, 2);
    if (previous) QWidget::setTabOrder(previous, edit);
    previous = edit;
    ++row;
  }
  grid->setRowStretch(row, 1);
  host->setVisible(page == 0);
}

void ProjUi::RefreshUnits() {
  for (int i = 0; i < kMainParamCount; ++i)
    if (Labels[i] != nullptr && Units[i] != nullptr)
      Units[i]->setText(UnitOf(Labels[i]->toolTip()));
}

void ProjUi::BuildShowBox(QDialog& window) {
  ShowBox = new QGroupBox("Show", &window);
  ShowBox->setObjectName("GroupBox1");
  auto* box = new QVBoxLayout(ShowBox);
  for (int i = 0; i < kOptionCount; ++i) {
    QCheckBox* check = OptionBoxes[i] = new QCheckBox(kOptions[i].BoxCaption, ShowBox);
    check->setObjectName(kOptions[i].BoxName);
    check->setToolTip(kOptions[i].BoxHint);
    box->addWidget(check);
  }
  // The options are reached through the menus; the box only mirrors them.
  ShowBox->setVisible(false);
}

void ProjUi::BuildMenus(QDialog& window) {
  MenuBar = new QMenuBar(&window);
  MenuBar->setObjectName("MainMenu1");

  QMenu* views = MenuBar->addMenu("&Views");
  views->setObjectName("Views1");
  ViewItems[kFront] = AddItem(views, "FrontView1", "Front View");
  ViewItems[kPlan] = AddItem(views, "PlanView1", "Plan View");
  ViewItems[kSide] = AddItem(views, "SideView1", "Side View");
  // The view on show is marked; choosing another moves the mark.
  auto* shownView = new QActionGroup(views);
  for (QAction* item : ViewItems) {
    item->setCheckable(true);
    shownView->addAction(item);
  }

  QMenu* variable = MenuBar->addMenu("V&ariable");
  variable->setObjectName("Variable1");
  SpecifyRangeItem = AddItem(variable, "SpecifyRange1", "Specify a range...");
  MarkVariableItem = AddItem(variable, "MarkVariable1", "Mark as single variable");

  QMenu* options = MenuBar->addMenu("&Options");
  options->setObjectName("Options1");
  for (int i = 0; i < kOptionCount; ++i) {
    OptionItems[i] = AddItem(options, kOptions[i].MenuName, kOptions[i].MenuCaption, true);
    if (i == kScheme) options->addSeparator();
  }
  options->addSeparator();
  OpenPicturesItem = AddItem(options, "OpenPictures1", "Open pictures ...");
  options->addSeparator();
  RunCalculatorItem = AddItem(options, "RunCalculator1", "Run Calculator");
  RunCalculatorItem->setShortcut(QKeySequence("Ctrl+F1"));

  PictureMenu = new QMenu(&window);
  PictureMenu->setObjectName("PopupMenu1");
  for (int i = 0; i < kOptionCount; ++i) {
    PictureMenuOptions[i] = AddItem(PictureMenu, kOptions[i].PopName, kOptions[i].PopCaption, true);
    if (i == kScheme) PictureMenu->addSeparator();
  }
  PictureMenu->addSeparator();
  PictureMenuOpenPictures = AddItem(PictureMenu, "PopOpenPictures", "Open pictures ...");

  FieldMenu = new QMenu(&window);
  FieldMenu->setObjectName("PopupMenu2");
  FieldMenuRange = AddItem(FieldMenu, "PopRange", "Specify a range ...");
  FieldMenuMark = AddItem(FieldMenu, "PopMark", "Mark as single variable");
}
