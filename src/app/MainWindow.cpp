#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <memory>

#include "AboutBox.h"
#include "BalanceWindow.h"
#include "CalculatorLauncher.h"
#include "DoorPictures.h"
#include "DoorTrimApp.h"
#include "EnvironmentDialog.h"
#include "FileDialogTitle.h"
#include "FileDialogs.h"
#include "GroundEditor.h"
#include "HelpBrowser.h"
#include "HydrodynamicEditor.h"
#include "KeelGeometryEditor.h"
#include "KeelOriginDialog.h"
#include "MacroServer.h"
#include "MessageBoxes.h"
#include "ProjectionsDialog.h"
#include "TrawlDialog.h"
#include "ValidatedField.h"
#include "install/DataPaths.h"
#include "lang/MessageTables.h"

namespace {

constexpr int kClientWidth = 411;
constexpr int kClientHeight = 292;
constexpr int kPictureSize = 37;
constexpr int kButtonWidth = 130;
constexpr int kButtonHeight = 33;
constexpr int kGroupMargin = 6;
constexpr int kColumnGap = 3;  // between the groups of a column
constexpr int kRowGap = 3;     // between the rows of a group

const char* const kFileFilter = "Otterboard Data Files (*.brd);;All Files (*)";

}  // namespace

MainWindow::MainWindow(DoorTrimApp& app) : app_(app) {
  setObjectName("Main_f");
  setWindowTitle("DoorTrim");
  BuildMenus();
  BuildPanels();
  // Window flags: a fixed single-border window with system menu and minimise box only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  // A fixed window that still fits its contents: its size follows the layout's, so a longer
  // caption widens it rather than being cut off.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  // Creation: the drawing options, then the mode buttons from the model.
  app_.Flags().ShowHidden = false;
  app_.Flags().ShowForces = true;
  app_.Flags().ShowLabels = true;
  ShowModeFromModel();
}

void MainWindow::BuildMenus() {
  // The open dialog exists only while the user chooses; its title waits here.
  openDialogTitle_ = new FileDialogTitle("OpenDialog1", "Open Data File", this);
  QMenu* file = menuBar()->addMenu("File");
  file->setObjectName("File1");
  QAction* open = file->addAction("&Open", this, [this] {
    FileDialogRequest request;
    request.Parent = this;
    request.ObjectName = "OpenDialog1";
    request.Title = openDialogTitle_->Title();
    // A new door starts the user among the sample doors.
    request.Directory =
        fileName_.isEmpty()
            ? QString::fromStdString(DataPaths::ForRunningProgram().Samples().string())
            : QFileInfo(fileName_).path();
    request.NameFilter = kFileFilter;
    if (const std::optional<QString> path = FileDialogs::Choose(request)) OpenFile(*path);
  });
  open->setObjectName("Open1");
  openItem_ = open;
  // A command out of use says why in its tip.
  file->setToolTipsVisible(true);
  open->setShortcut(QKeySequence("Ctrl+O"));
  QAction* save = file->addAction("&Save", this, [this] { Save(); });
  save->setObjectName("Save1");
  save->setShortcut(QKeySequence("Ctrl+S"));
  QAction* saveAs = file->addAction("Save &As", this, [this] { SaveAs(); });
  saveAs->setObjectName("SaveAs1");
  saveAs->setShortcut(QKeySequence("Ctrl+A"));
  QMenu* language = file->addMenu("Language");
  language->menuAction()->setObjectName("Language1");
  for (const char* name : {"English", "Russian", "Norwegian"}) {
    QAction* item = language->addAction(name);
    item->setObjectName(QString(name) + "1");  // LanguageSwitch answers them
  }
  QAction* exit = file->addAction("E&xit", this, &QWidget::close);
  exit->setObjectName("Exit1");
  exit->setShortcut(QKeySequence("Alt+X"));

  QMenu* picture = menuBar()->addMenu("Picture");
  picture->setObjectName("Picture1");
  const std::pair<const char*, const char*> shapes[] = {{"Oval1", "Oval"},
                                                        {"Vshape1", "V-shape"},
                                                        {"Spherical1", "Spherical"},
                                                        {"Rectangular1", "Rectangular"}};
  for (const auto& [name, caption] : shapes) {
    QAction* item = picture->addAction(caption);
    item->setObjectName(name);
    const QString shape = QString(name).chopped(1).toLower();  // "Oval1" -> "oval"
    connect(item, &QAction::triggered, this, [this, shape] { ShowDoorShape(shape); });
  }

  QMenu* help = menuBar()->addMenu("Help");
  help->setObjectName("Help1");
  QAction* contents = help->addAction("Contents", this, [this] { app_.Help().ShowTopic("doors"); });
  contents->setObjectName("N2");
  contents->setShortcut(QKeySequence(Qt::Key_F1));
  QAction* about = help->addAction("About ...", this, [this] { app_.About().exec(); });
  about->setObjectName("A1");
}

QPushButton* MainWindow::AddButton(QGroupBox* group, const QString& imageName,
                                   const QString& buttonName, const QString& caption,
                                   const QString& icon, const QString& hint) {
  auto* rows = static_cast<QGridLayout*>(group->layout());
  const int row = rows->count() / 2;  // each row holds a picture and a button
  auto* image = new QLabel(group);
  image->setObjectName(imageName);
  // The pictures are drawn for this size.
  image->setFixedSize(kPictureSize, kPictureSize);
  image->setPixmap(
      DoorPictures::DrawingAtSize(":/icons/" + icon + ".svg", {kPictureSize, kPictureSize}));
  image->setToolTip(hint);
  auto* button = new QPushButton(caption, group);
  button->setObjectName(buttonName);
  button->setMinimumSize(kButtonWidth, kButtonHeight);
  button->setToolTip(hint);
  rows->addWidget(image, row, 0);
  rows->addWidget(button, row, 1);
  return button;
}

namespace {

// A titled group whose rows are a picture and its button.
QGroupBox* ButtonGroup(const QString& title, const char* name, QWidget* panel) {
  auto* group = new QGroupBox(title, panel);
  group->setObjectName(name);
  auto* rows = new QGridLayout(group);
  rows->setContentsMargins(kGroupMargin, kRowGap, kGroupMargin, kRowGap);
  rows->setHorizontalSpacing(kGroupMargin);
  rows->setVerticalSpacing(kRowGap);
  rows->setColumnStretch(1, 1);
  panel->layout()->addWidget(group);
  return group;
}

QWidget* Column(const char* name, QWidget* client) {
  auto* column = new QWidget(client);
  column->setObjectName(name);
  auto* groups = new QVBoxLayout(column);
  groups->setContentsMargins(kGroupMargin, 2, kGroupMargin, 2);
  groups->setSpacing(kColumnGap);
  return column;
}

}  // namespace

void MainWindow::BuildPanels() {
  auto* client = new QWidget(this);
  client->setObjectName("Client");
  // The switchboard's design size; it grows only when longer captions need the room.
  client->setMinimumSize(kClientWidth, kClientHeight);
  setCentralWidget(client);
  auto* columns = new QHBoxLayout(client);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->setSpacing(0);

  QWidget* left = Column("Panel1", client);
  QWidget* right = Column("Panel2", client);
  // Each column as wide as its groups need; the design size's spare room goes to both.
  columns->addWidget(left);
  columns->addWidget(right);

  auto* mode = new QGroupBox("Ground Interaction", left);
  mode->setObjectName("GroupBox1");
  auto* modeRows = new QVBoxLayout(mode);
  modeRows->setContentsMargins(kGroupMargin, kRowGap, kGroupMargin, kRowGap);
  modeRows->setSpacing(0);
  bottomButton_ = new QRadioButton("Bottom trawling", mode);
  bottomButton_->setObjectName("RadioButton1");
  midwaterButton_ = new QRadioButton("Midwater trawling", mode);
  midwaterButton_->setObjectName("RadioButton2");
  modeRows->addWidget(bottomButton_);
  modeRows->addWidget(midwaterButton_);
  left->layout()->addWidget(mode);
  connect(bottomButton_, &QRadioButton::clicked, this, &MainWindow::onBottomTrawlingClicked);
  connect(midwaterButton_, &QRadioButton::clicked, this, &MainWindow::onMidwaterTrawlingClicked);

  QGroupBox* geometry = ButtonGroup("Otterboard geometry", "GroupBox2", left);
  QPushButton* projections = AddButton(geometry, "Image1", "Button1", "Projections", "projections",
                                       "Main points ordinates and gravity force");
  QPushButton* hydro = AddButton(geometry, "Image4", "Button4", "Hydrodynamic ", "hydrodynamic",
                                 "Dependence of hydrodynamical coefficients from attack angle");

  QGroupBox* environment = ButtonGroup("Environment", "GroupBox3", left);
  QPushButton* envir = AddButton(environment, "Image5", "Button5", "Environment", "environment",
                                 "Water and ground density, ground coefficient");
  QPushButton* trawl = AddButton(environment, "Image6", "Button6", "Influence of Trawl", "trawl",
                                 "Attack angle of bridle");
  static_cast<QVBoxLayout*>(left->layout())->addStretch(1);

  QGroupBox* keel = ButtonGroup("Keel", "GroupBox4", right);
  QPushButton* keelButtons[3];
  keelButtons[0] = AddButton(keel, "Image7", "Button7", "Ground", "ground",
                             "Coefficients of keel-ground resistance");
  keelButtons[1] =
      AddButton(keel, "Image8", "Button8", "Keel Geometry", "keelgeometry", "Keel form");
  keelButtons[2] =
      AddButton(keel, "Image9", "Button9", "Origin of Keel", "keelorigin", "Keel-wing disposition");

  QGroupBox* results = ButtonGroup("Results", "GroupBox5", right);
  QPushButton* balance = AddButton(results, "Image10", "Button10", "Balance", "balance",
                                   "Calculate forces and moments");

  exitButton_ = new QPushButton("Exit", right);
  exitButton_->setObjectName("BitBtn1");
  exitButton_->setMinimumSize(kButtonWidth, kButtonHeight);
  exitButton_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
  auto* rightGroups = static_cast<QVBoxLayout*>(right->layout());
  rightGroups->addStretch(1);
  rightGroups->addWidget(exitButton_, 0, Qt::AlignHCenter);

  dialogButtons_ = {projections,    hydro,          envir,          trawl,
                    keelButtons[0], keelButtons[1], keelButtons[2], balance};
  for (std::size_t i = 0; i < dialogButtons_.size(); ++i) {
    connect(dialogButtons_[i], &QPushButton::clicked, this,
            [this, i] { RunCommand(static_cast<Command>(i)); });
  }
}

QDialog& MainWindow::DialogOf(Command command) {
  switch (command) {
    case Command::Projections:
      return app_.Proj();
    case Command::Hydrodynamic:
      return app_.Hydro();
    case Command::Environment:
      return app_.Envir();
    case Command::Trawl:
      return app_.Trawl();
    case Command::Ground:
      return app_.Ground();
    case Command::KeelGeometry:
      return app_.KGeom();
    case Command::KeelOrigin:
      return app_.KOrg();
    case Command::Balance:
      break;
  }
  return app_.Balance();
}

bool MainWindow::CommandEnabled(Command command) const {
  return dialogButtons_[static_cast<std::size_t>(command)]->isEnabled();
}

void MainWindow::RunCommand(Command command) {
  if (!CommandEnabled(command)) return;
  if (command == Command::Balance)
    app_.Board().Edit([&](DoorInputs& d) { d.Bottom = bottomButton_->isChecked(); });
  if (command == Command::Environment) app_.Envir().AdaptToMode(bottomButton_->isChecked());
  RunDialog(DialogOf(command));
}

void MainWindow::UpdateDialogButtons() {
  if (editingLocked_) return;  // the keel buttons follow the mode when the lock ends
  // The picture beside each keel button is a label of its own: it greys out with the button.
  const std::pair<Command, const char*> keelButtons[] = {{Command::Ground, "Image7"},
                                                         {Command::KeelGeometry, "Image8"},
                                                         {Command::KeelOrigin, "Image9"}};
  for (const auto& [keel, picture] : keelButtons) {
    dialogButtons_[static_cast<std::size_t>(keel)]->setEnabled(app_.Board().Inputs().Bottom);
    if (auto* image = findChild<QLabel*>(picture)) image->setEnabled(app_.Board().Inputs().Bottom);
  }
}

void MainWindow::SetEditingLocked(bool locked, const QString& reason) {
  if (locked == editingLocked_) return;
  if (locked) editingLock_ = std::make_unique<CommandLock>(reason);
  std::vector<QObject*> commands(dialogButtons_.begin(), dialogButtons_.end());
  commands.insert(commands.end(), {openItem_, bottomButton_, midwaterButton_});
  // The keel pictures grey out with their buttons.
  for (const char* picture : {"Image7", "Image8", "Image9"})
    if (auto* image = findChild<QLabel*>(picture)) commands.push_back(image);
  editingLocked_ = locked;
  for (QObject* command : commands)
    editingLock_->Set(command, locked);
  if (!locked) {
    editingLock_.reset();
    UpdateDialogButtons();
  }
}

void MainWindow::ShowDoorShape(const QString& shape) {
  // The pictures are drawn for these sizes, in pixels: front, plan, side.
  struct Sizes {
    const char* Shape;
    QSize Front, Plan, Side;
  };
  static constexpr Sizes kSizes[] = {{"oval", {200, 300}, {420, 240}, {470, 300}},
                                     {"spherical", {206, 387}, {400, 280}, {403, 374}},
                                     {"vshape", {180, 250}, {420, 250}, {420, 282}},
                                     {"rectangular", {150, 430}, {380, 240}, {350, 430}}};
  for (const Sizes& sizes : kSizes) {
    if (shape != sizes.Shape) continue;
    const QString base = ":/pictures/" + shape;
    app_.Proj().SetPictures(DoorPictures::DrawingAtSize(base + "_front.svg", sizes.Front),
                            DoorPictures::DrawingAtSize(base + "_plan.svg", sizes.Plan),
                            DoorPictures::DrawingAtSize(base + "_side.svg", sizes.Side));
    app_.Proj().TabChanged();
  }
}

void MainWindow::onBottomTrawlingClicked() {
  bottomButton_->setChecked(true);
  app_.Board().Edit([&](DoorInputs& d) { d.Bottom = true; });
  UpdateDialogButtons();
}

void MainWindow::onMidwaterTrawlingClicked() {
  midwaterButton_->setChecked(true);
  app_.Board().Edit([&](DoorInputs& d) { d.Bottom = false; });
  UpdateDialogButtons();
}

void MainWindow::SetBottomTrawling(bool bottom) {
  if (bottom) {
    onBottomTrawlingClicked();
  } else {
    onMidwaterTrawlingClicked();
  }
}

void MainWindow::ShowModeFromModel() {
  if (app_.Board().Inputs().Bottom) {
    onBottomTrawlingClicked();
  } else {
    onMidwaterTrawlingClicked();
  }
}

void MainWindow::UpdateCaption() {
  setWindowTitle(fileName_.isEmpty() ? QString("DoorTrim") : "DoorTrim - " + fileName_);
}

int MainWindow::RunDialog(QDialog& dialog) {
  const int result = dialog.exec();
  app_.Board().ComputeGeometry();
  return result;
}

bool MainWindow::OpenFile(const QString& path) {
  const DoorFileResult result = LoadDoorFile(path);
  if (!result)
    ReportFileError(result, QString::fromUtf8(MainTexts::kOpenDataFile.In(languageIndex_)));
  return result.Ok;
}

DoorFileResult MainWindow::LoadDoorFile(const QString& path) {
  const QString fullPath = QFileInfo(path).absoluteFilePath();
  ViewSettings view;
  const DoorFileResult result = app_.Document().Load(fullPath.toStdString(), &view);
  if (!result) return result;
  app_.ApplyViewSettings(view);
  fileName_ = fullPath;
  UpdateCaption();
  ShowModeFromModel();
  return result;
}

bool MainWindow::OpenAfterCloseQuestion(const QString& path) {
  return MayClose() && OpenFile(path);
}

void MainWindow::ReportFileError(const DoorFileResult& result, const QString& title) {
  MessageBoxes::Critical(this, title, QString::fromStdString(result.Message));
}

bool MainWindow::WriteTo(const QString& path) {
  const DoorFileResult result =
      app_.Document().Save(path.toStdString(), app_.CollectViewSettings());
  if (!result) {
    ReportFileError(result, QString::fromUtf8(MainTexts::kSaveDataTitle.In(languageIndex_)));
    return false;
  }
  return true;
}

bool MainWindow::Save() {
  if (fileName_.isEmpty()) return SaveAs();
  return WriteTo(fileName_);
}

bool MainWindow::SaveAs() {
  FileDialogRequest request;
  request.Parent = this;
  request.ObjectName = "SaveDialog1";
  request.Title = QString::fromUtf8(MainTexts::kSaveDataAs.In(languageIndex_));
  request.Directory = fileName_;
  request.NameFilter = kFileFilter;
  request.DefaultSuffix = "brd";
  request.Kind = FileDialogRequest::Mode::Save;
  const std::optional<QString> chosen = FileDialogs::Choose(request);
  if (!chosen) return false;
  const QString path = QFileInfo(*chosen).absoluteFilePath();
  if (!WriteTo(path)) return false;
  fileName_ = path;
  UpdateCaption();
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!MayClose()) {
    event->ignore();
    return;
  }
  event->accept();
  // The program ends with its main window, whatever other windows (help, a log) are open.
  // Queued, so that this window has closed before the others are.
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Exit is the window's cancel button: Escape presses it.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    exitButton_->click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

bool MainWindow::MayClose() {
  if (!app_.Document().IsModified()) return true;
  const auto answer = MessageBoxes::Question(
      this, "DoorTrim", QString::fromUtf8(MainTexts::kSaveData.In(languageIndex_)),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  // A save that fails or is cancelled keeps the window open: nothing is lost.
  return answer == QMessageBox::No || (answer == QMessageBox::Yes && Save());
}

void MainWindow::changeEvent(QEvent* event) {
  // The mode may have been changed by a file or another window while this one was inactive.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) ShowModeFromModel();
  QMainWindow::changeEvent(event);
}

QString MainWindow::StartMacroServer(const QDBusConnection& bus, const QString& busName) {
  auto server = std::make_unique<MacroServer>(*this);
  QString problem = server->Start(bus, busName);
  if (problem.isEmpty()) macroServer_ = server.release();  // owned as a child of this window
  return problem;
}

QString MainWindow::BalanceWithoutWindow() {
  BalanceWindow& balance = app_.Balance();
  balance.onBalanceClicked();
  const BalanceUi& ui = balance.Ui();
  return ui.RotationX->text() + ' ' + ui.RotationY->text() + ' ' + ui.RotationZ->text();
}

void MainWindow::OpenBalanceWindow(const QObject* context, std::function<void()> closed) {
  app_.Board().Edit([&](DoorInputs& d) { d.Bottom = bottomButton_->isChecked(); });
  BalanceWindow& balance = app_.Balance();
  connect(
      &balance, &QDialog::finished, this,
      [this, &balance] {
        balance.setWindowModality(Qt::NonModal);
        app_.Board().ComputeGeometry();
      },
      Qt::SingleShotConnection);
  connect(
      &balance, &QDialog::finished, context, [closed] { closed(); }, Qt::SingleShotConnection);
  balance.setWindowModality(Qt::ApplicationModal);
  balance.show();
}

bool MainWindow::BalanceSearchRunning() const {
  return app_.Balance().BalanceRunning();
}
